// Tries every way a page has to load or send something, toward BASE (a
// server of the test's, which counts what reaches it), then reports which
// directives of the page's policy refused something, and whether an injected
// inline script and eval ran. The page's tests run it as a browser's driver
// runs a script, which the policy does not govern; what the probe starts is
// governed.
var ddProbe = async function (base) {
  const refused = new Set();
  document.addEventListener('securitypolicyviolation',
                            (event) => refused.add(event.effectiveDirective));
  const attempt = (make) => { try { make(); } catch (error) { /* refused at once */ } };
  const add = (parent, tag, properties) =>
    parent.append(Object.assign(document.createElement(tag), properties));
  attempt(() => fetch(base + 'fetch').catch(() => {}));
  attempt(() => navigator.sendBeacon(base + 'beacon', 'data'));
  attempt(() => { const request = new XMLHttpRequest(); request.open('GET', base + 'request');
                  request.send(); });
  attempt(() => new WebSocket(base.replace(/^http/, 'ws') + 'socket'));
  attempt(() => { new Image().src = base + 'image'; });
  attempt(() => new FontFace('Probe', 'url(' + base + 'font)').load().catch(() => {}));
  attempt(() => add(document.body, 'script', {src: base + 'script'}));
  attempt(() => add(document.head, 'link', {rel: 'stylesheet', href: base + 'style'}));
  attempt(() => add(document.body, 'iframe', {src: base + 'frame', name: 'dd-probe'}));
  attempt(() => add(document.body, 'script', {textContent: 'window.ddInjectedRan = true;'}));
  // Text run as script, the way an injected handler would: the driver's own
  // script may call eval, so the text goes through a timer's.
  attempt(() => setTimeout('window.ddEvalRan = true;', 0));
  attempt(() => {
    add(document.body, 'form', {action: base + 'form', method: 'post', target: 'dd-probe'});
    document.body.lastChild.submit();
  });
  await new Promise((resolve) => setTimeout(resolve, 1500));
  return {refused: [...refused].sort(), inlineRan: window.ddInjectedRan === true,
          evalRan: window.ddEvalRan === true};
};
