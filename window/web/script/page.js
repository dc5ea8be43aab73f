// The page the program calls: what window/web/page.cpp declares.
const tags = ['h1', 'label', 'div', 'input', 'textarea', 'button'];
const page = {
  text,
  makeWindow(width, height, margin, background, family, points) {
    frame = document.getElementById('dd-window');
    frame.style.setProperty('--dd-client-width', width + 'px');
    frame.style.setProperty('--dd-client-height', height + 'px');
    const root = document.documentElement;
    root.style.setProperty('--dd-margin', margin + 'px');
    root.style.setProperty('--dd-font', '"' + family + '"');
    root.style.setProperty('--dd-size', points + 'pt');
    root.style.setProperty('--dd-background', colour(background));
    live = document.getElementById('dd-announcement');
    // The designed window is shown at the scale the program gives for the
    // view: its designed size, or in a view large enough (a projector, a
    // browser in full screen) as large as the view takes. The view is taken
    // as at the browser's zoom when the page opened, so that the browser's
    // zoom still makes the window larger or smaller (and the scroll bars it
    // may bring do not count). Elsewhere on a touch
    // screen, and wherever the window and its margins are wider than the
    // view (a phone, a narrow window, a page zoomed in), the controls flow
    // in a column (the style's dd-flow).
    const narrow = matchMedia('(max-width: ' + (width + 2 * margin - 1) + 'px)');
    const opened = devicePixelRatio;
    const fit = () => {
      const zoom = devicePixelRatio / opened;
      const scale = narrow.matches ? 1000 : Module['_dd_view_scale'](
        Math.round(innerWidth * zoom), Math.round(innerHeight * zoom),
        TOUCH.matches ? 1 : 0);
      root.classList.toggle('dd-flow', narrow.matches || (TOUCH.matches && scale === 1000));
      root.style.setProperty('--dd-zoom', scale / 1000);
      root.classList.toggle('dd-zoomed', scale !== 1000);
      fitTask();
    };
    narrow.addEventListener('change', fit);
    TOUCH.addEventListener('change', fit);
    addEventListener('resize', fit);
    fit();
  },
  make(role, tag, id) {
    const element = document.createElement(tags[tag]);
    element.id = id;
    if (tag === 2) {
      element.className = 'dd-list';
      resultList(element);
    } else if (tag === 3) {
      element.autocomplete = 'off';
      element.spellcheck = false;
      element.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' && !event.isComposing) {
          event.preventDefault();
          Module['_dd_enter'](role, TOUCH.matches ? 1 : 0);
        }
      });
    } else if (tag === 4) {
      element.spellcheck = false;
      refuseEdits(element, role);
      fitTaskTo(element);
    } else if (tag === 5) {
      element.type = 'button';
      element.addEventListener('click', () => Module['_dd_press'](role));
    }
    elements[role] = element;
    frame.append(element);
  },
  place(role, left, top, width, height) {
    const style = elements[role].style;
    style.setProperty('--dd-left', left + 'px');
    style.setProperty('--dd-top', top + 'px');
    style.setProperty('--dd-width', width + 'px');
    style.setProperty('--dd-height', height + 'px');
  },
  fill(role, background, foreground) {
    elements[role].style.background = colour(background);
    elements[role].style.color = colour(foreground);
  },
  shadeButton(role, face, border, pressed, focus) {
    const style = elements[role].style;
    style.setProperty('--dd-face', colour(face));
    style.setProperty('--dd-border', colour(border));
    style.setProperty('--dd-pressed', colour(pressed));
    style.setProperty('--dd-focus', colour(focus));
  },
  centre(role) {
    elements[role].classList.add('dd-centred');
  },
  padTop(role, pixels) {
    elements[role].style.setProperty('--dd-pad-top', pixels + 'px');
  },
  caption(role, marked) {
    caption(elements[role], marked);
  },
  attribute(role, name, value) {
    elements[role].setAttribute(name, value);
  },
  // Firefox's access keys take Shift too. The keys are the control's
  // description as well, which every screen reader says (Orca says no
  // aria-keyshortcuts).
  keyShortcut(role, keys) {
    const told = GECKO ? keys.replace('Alt+', 'Alt+Shift+') : keys;
    elements[role].setAttribute('aria-keyshortcuts', told);
    this.describe(role, told);
  },
  setText(role, value) {
    const box = elements[role];
    box.value = value;
    accepted[role] = value;
    // The task statement, and a text too long for its box, are shown from
    // their start.
    if (box.tagName === 'TEXTAREA' || box.scrollWidth > box.clientWidth) {
      box.setSelectionRange(0, 0);
      box.scrollLeft = 0;
      box.scrollTop = 0;
    }
  },
  getText(role) {
    return put(elements[role].value, 0);
  },
  setReadOnly(role, readOnly) {
    const box = elements[role];
    if (box.tagName === 'TEXTAREA') {
      // Gecko moves the caret in a read-only text area, and tells a screen
      // reader that it is read-only only by the attribute; elsewhere the
      // script keeps it read-only (refuseEdits).
      box.ddReadOnly = readOnly;
      box.readOnly = readOnly && GECKO;
      box.setAttribute('aria-readonly', readOnly);
      box.inputMode = readOnly ? 'none' : '';
    } else {
      box.readOnly = readOnly;
    }
  },
  readOnly(role) {
    const box = elements[role];
    return box.tagName === 'TEXTAREA' ? box.ddReadOnly === true : box.readOnly;
  },
  limitTyping(role) {
    accepted[role] = elements[role].value;
    limitTyping(elements[role], role);
  },
  // Every item at once, each ended by U+0000, which no item holds.
  showItems(role, joined, count) {
    elements[role].ddList.show(joined.split('\0', count));
  },
  // A text that describes the element to a screen reader, from an element
  // of its own that is never shown; none when `value` is empty.
  describe(role, value) {
    const element = elements[role];
    const id = element.id + '-description';
    let description = document.getElementById(id);
    if (!description) {
      description = document.createElement('span');
      description.id = id;
      description.hidden = true;
      frame.after(description);
    }
    description.textContent = value;
    if (value) {
      element.setAttribute('aria-describedby', id);
    } else {
      element.removeAttribute('aria-describedby');
    }
  },
  addMenuItem(action, marked, key) {
    menuItems.push({ action, text: marked, key });
  },
  // Said by screen readers; the same text twice is still a change.
  announce(message) {
    flip = !flip;
    live.textContent = message + (flip ? '\u00a0' : '');
  },
  report(title, message, dismiss) {
    const before = document.activeElement;
    const dialog = document.createElement('dialog');
    dialog.className = 'dd-report';
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-labelledby', 'dd-report-title');
    dialog.setAttribute('aria-describedby', 'dd-report-text');
    const heading = document.createElement('h2');
    heading.id = 'dd-report-title';
    heading.textContent = title;
    const body = document.createElement('p');
    body.id = 'dd-report-text';
    body.textContent = message;
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = dismiss;
    button.addEventListener('click', () => dialog.close());
    dialog.append(heading, body, button);
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (before) {
        before.focus();
      }
    });
    frame.parentElement.append(dialog);
    if (dialog.showModal) {
      dialog.showModal();
      button.focus();
    } else {
      dialog.remove();
      alert(title + '\n\n' + message);
    }
  },
  focus(role) {
    elements[role].focus();
  },
  putKeyboardAway() {
    if (document.activeElement) {
      document.activeElement.blur();
    }
  },
  failed(message) {
    document.getElementById('dd-window').textContent = message;
  },
  // Marks the window ready for use, and (for the benchmark) when the
  // first frame that shows it has been drawn.
  ready() {
    // Published as an app (its manifest named in the page) and served from
    // a web site, the page has its service worker keep it for offline use.
    // The one file opened from disk has no manifest and asks for nothing.
    if (document.querySelector('link[rel=manifest]') && 'serviceWorker' in navigator &&
        location.protocol.startsWith('http')) {
      navigator.serviceWorker.register('service-worker.js').catch(() => {});
    }
    performance.mark('dd-ready');
    document.documentElement.dataset.ready = 'true';
    requestAnimationFrame(() => setTimeout(() => performance.mark('dd-shown')));
  },
};
