// The window cases every window runs (tests/window_cases.txt), and the
// designed rectangles, in Firefox ESR: Debian's firefox-esr, headless, driven
// through its built-in WebDriver BiDi by puppeteer-core (from npm, pinned in
// package-lock.json). Debian 12 has no geckodriver for Selenium to drive it.
// The steps are those of tests/web/page.py, as this client takes them.
//
// Usage: node firefox_cases.mjs PAGE TEST_PAGE DESIGN_JSON WINDOW_CASES FIREFOX
// TEST_PAGE is the page with a fault injector, for the cases that make a
// control fail.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const [page, testPage, designJson, casesFile, firefox] = process.argv.slice(2);
const { design } = JSON.parse(readFileSync(designJson, 'utf-8'));
const id = Object.fromEntries(design.controls.map((c) => [c.role, c.id]));
// Return and the keypad's Enter as WebDriver's key table has them.
const KEYS = {
  Tab: 'Tab', Return: '\uE006', KeypadEnter: '\uE007', Space: ' ', Home: 'Home',
  End: 'End', Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
  Backspace: 'Backspace', Delete: 'Delete',
};
const unescape = (text) => text.replace(/\\(r|n|u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8})/g, (_, m) =>
  m === 'r' ? '\r' : m === 'n' ? '\n' : String.fromCodePoint(parseInt(m.slice(1), 16)));

function readCases(path) {
  const scenarios = new Map();
  let steps = null;
  readFileSync(path, 'utf-8').split('\n').forEach((line, i) => {
    if (line.startsWith('scenario ')) {
      steps = [];
      scenarios.set(line.slice('scenario '.length), steps);
    } else if (line && !line.startsWith('#')) {
      steps.push([i + 1, line]);
    }
  });
  return scenarios;
}

function check(condition, message) {
  if (!condition) {
    throw new Error(message);
  }
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
// Steps this client cannot take as a user does, and why: a case that comes to
// one is checked up to it.
const CANNOT = {
  named: 'WebDriver BiDi gives no accessibility tree to ask',
  menu: 'Firefox driven by WebDriver BiDi opens no context menu by a key',
};
class Cannot extends Error {}
const byId = (element) => '[id="' + element + '"]';

async function withKey(tab, modifiers, key) {
  for (const m of modifiers) await tab.keyboard.down(m);
  await tab.keyboard.press(key);
  for (const m of modifiers.reverse()) await tab.keyboard.up(m);
}
const value = (tab, role) => tab.evaluate((e) => document.getElementById(e).value, id[role]);
const items = (tab) => tab.evaluate((e) => document.getElementById(e).ddList.items, id.Results);

// The clipboard as a user fills and reads it, by real keys (clipboard.js).
const clipboard = readFileSync(new URL('clipboard.js', import.meta.url), 'utf-8');
async function setClipboard(tab, text) {
  await tab.evaluate(clipboard + 'ddClipboard.fill(' + JSON.stringify(text) + ')');
  await withKey(tab, ['Control'], 'c');
  await tab.evaluate('ddClipboard.done()');
}
async function clipboardLines(tab) {
  await tab.evaluate(clipboard + 'ddClipboard.take()');
  await withKey(tab, ['Control'], 'v');
  const text = await tab.evaluate('ddClipboard.done()');
  return text === '' ? [] : text.split('\n');
}

async function step(tab, line) {
  const [verb, ...words] = line.split(' ');
  if (CANNOT[verb]) {
    throw new Cannot(CANNOT[verb]);
  }
  const rest = words.join(' ');
  const [word, ...others] = words;
  const last = others.join(' ');
  const focus = (role) => tab.evaluate((e) => document.getElementById(e).focus(), id[role]);
  switch (verb) {
    case 'title':
      return check((await tab.title()) === design.window.caption, 'title ' + await tab.title());
    case 'focus': return focus(rest);
    case 'type': return tab.keyboard.type(unescape(rest));
    case 'fill':
      await focus(word);
      await withKey(tab, ['Control'], 'a');
      await tab.keyboard.press('Delete');
      return tab.keyboard.type(unescape(last));
    case 'press': {
      const shift = word.startsWith('shift+');
      for (let i = 0; i < Number(last || 1); ++i) {
        await withKey(tab, shift ? ['Shift'] : [], KEYS[word.replace('shift+', '')]);
      }
      return;
    }
    case 'ctrl': return withKey(tab, ['Control'], rest.toLowerCase());
    // Firefox's access keys are Alt+Shift with the letter.
    case 'alt': return withKey(tab, ['Alt', 'Shift'], unescape(rest));
    case 'clipboard': return setClipboard(tab, unescape(rest));
    case 'click': return tab.click(byId(id[rest]));
    case 'expect': {
      const shown = await value(tab, word);
      return check(shown === unescape(last), 'shows ' + JSON.stringify(shown));
    }
    case 'count':
    case 'copied': {
      const [count, ...ends] = rest.split(' ');
      const got = verb === 'count' ? await items(tab) : await clipboardLines(tab);
      check(got.length === Number(count), got.length + ' lines');
      return check(same(ends.length ? [got[0], got[got.length - 1]].slice(0, ends.length) : [], ends),
                   'from ' + got[0] + ' to ' + got[got.length - 1]);
    }
    case 'cleared':
      for (const role of ['StartBox', 'EndBox', 'CountBox']) {
        check((await value(tab, role)) === '', role + ' is not empty');
      }
      return check((await items(tab)).length === 0, 'the list is not empty');
    case 'focused': {
      const focused = await tab.evaluate(() => document.activeElement.id);
      return check(focused === id[rest], 'focus in ' + focused);
    }
    case 'caret': {
      const caret = await tab.evaluate((e) => document.getElementById(e).selectionStart, id[word]);
      return check(caret === Number(last), 'caret at ' + caret);
    }
    case 'selected': {
      const count = await tab.evaluate((e) => document.getElementById(e).ddList.selected
        .reduce((a, b) => a + b, 0), id.Results);
      return check(count === Number(rest), count + ' selected');
    }
    case 'select':
      // The first row clicked, the others with Ctrl, each scrolled into sight.
      for (const [n, row] of words.entries()) {
        await tab.evaluate((e, row) => {
          const list = document.getElementById(e);
          list.scrollTop = row * list.ddList.rowHeight();
          list.ddList.draw();
        }, id.Results, Number(row));
        if (n) await tab.keyboard.down('Control');
        await tab.click(byId(id.Results + '-' + row));
        if (n) await tab.keyboard.up('Control');
      }
      return;
    case 'current': {
      const active = await tab.evaluate((e) => document.getElementById(e).ddList.active, id.Results);
      return check(active === Number(rest), 'row ' + active);
    }
    case 'lines': {
      const lines = await clipboardLines(tab);
      return check(same(lines, words.map(unescape)), 'lines ' + lines.join(' '));
    }
    case 'shows-focus': {
      // Screenshots with and without the focus, about the control too.
      const looks = async () => {
        await tab.evaluate(() => new Promise((done) =>
          requestAnimationFrame(() => requestAnimationFrame(done))));
        return tab.evaluate(async (e, png) => {
          const r = document.getElementById(e).getBoundingClientRect();
          const image = new Image();
          image.src = 'data:image/png;base64,' + png;
          await image.decode();
          const canvas = document.createElement('canvas');
          canvas.width = window.innerWidth;
          canvas.height = window.innerHeight;
          const context = canvas.getContext('2d');
          context.drawImage(image, 0, 0, canvas.width, canvas.height);
          return Array.from(context.getImageData(r.left - 4, r.top - 4, r.width + 8,
                                                 r.height + 8).data).join();
        }, id[rest], await tab.screenshot({ encoding: 'base64' }));
      };
      const focused = await looks();
      const order = design.window.focusOrder;
      await focus(order[0] === rest ? order[order.length - 1] : order[0]);
      const unfocused = await looks();
      await focus(rest);
      return check(focused !== unfocused, 'no focus shown');
    }
    case 'fail': {
      const armed = await tab.evaluate((names, calls) => {
        const at = Module._dd_exchange(names.length) >> 1;
        for (let i = 0; i < names.length; ++i) Module.HEAPU16[at + i] = names.charCodeAt(i);
        return Module._dd_test_fail_on(names.length, calls);
      }, words.slice(0, 2).join(' '), Number(words[2]));
      return check(armed === 1, 'no such control or operation');
    }
    case 'disarm': return tab.evaluate(() => Module._dd_test_disarm());
    case 'reported': {
      // The report's title and text, its OK button focused; Enter closes it
      // and gives the focus back to the button.
      const [title, text] = last.split(' | ').map(unescape);
      await tab.click(byId(id[word]));
      const report = await tab.evaluate(() => {
        const dialog = document.querySelector('dialog[open]');
        return dialog && [dialog.querySelector('h2').textContent,
                          dialog.querySelector('p').textContent, document.activeElement.textContent];
      });
      check(same(report, [title, text, design.texts.dismiss]), 'reported ' + JSON.stringify(report));
      await tab.keyboard.press(KEYS.Return);
      for (let tries = 0; await tab.evaluate(() => document.querySelector('dialog') !== null);) {
        check(++tries < 100, 'the report stays');
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
      const focused = await tab.evaluate(() => document.activeElement.id);
      return check(focused === id[word], 'focus in ' + focused);
    }
    case 'heard':
    case 'silent': {
      const heard = (await tab.evaluate(() =>
        document.getElementById('dd-announcement').textContent)).replace(/\u00a0$/, '');
      return check(heard === (verb === 'heard' ? unescape(rest) : ''), 'heard ' + heard);
    }
  }
  throw new Error('no step ' + verb);
}

// Every shown control at its designed rectangle.
async function rectangles(tab) {
  for (const control of design.controls) {
    const rect = await tab.evaluate((e) => {
      const w = document.getElementById('dd-window').getBoundingClientRect();
      const r = document.getElementById(e).getBoundingClientRect();
      return [r.left - w.left, r.top - w.top, r.width, r.height];
    }, control.id);
    check(same(rect, control.rect), control.id + ' at ' + rect);
  }
}

// Until the window is ready, asked every 50 ms for 10 s. Not puppeteer's
// waitForFunction: Firefox ESR 140 runs its poller under the page's policy,
// which allows no eval, so that it never answers.
async function untilReady(tab) {
  for (let tries = 0; tries < 200; ++tries) {
    if (await tab.evaluate(() => document.documentElement.dataset.ready === 'true')) {
      return;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error('the window was not ready within 10 s');
}

// The page's policy refuses what an injected script would load or send: a
// server elsewhere, that counts what it is sent, hears nothing
// (policy_probe.js, as the other engines' tests run it).
const probe = readFileSync(new URL('policy_probe.js', import.meta.url), 'utf-8');
async function refusesInjectedRequests(tab) {
  const asked = [];
  const server = createServer((request, response) => {
    asked.push(request.url);
    response.end();
  });
  server.on('upgrade', (request, socket) => { asked.push(request.url); socket.destroy(); });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    const base = 'http://127.0.0.1:' + server.address().port + '/';
    const result = await tab.evaluate(probe + 'ddProbe(' + JSON.stringify(base) + ')');
    check(asked.length === 0, 'requests reached the server: ' + asked.join(' '));
    check(!result.inlineRan && !result.evalRan, 'injected script ran');
    check(result.refused.includes('connect-src'), 'refused only ' + result.refused.join(' '));
  } finally {
    server.close();
  }
}

const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: firefox, headless: true,
  protocol: 'webDriverBiDi', args: ['--width=800', '--height=600'],
});
let failed = 0;
const cases = [...readCases(casesFile)].map(([name, steps]) => [name, async (tab) => {
  for (const [number, line] of steps) {
    try {
      await step(tab, line);
    } catch (error) {
      if (error instanceof Cannot) throw error;
      throw new Error('window_cases.txt:' + number + ': ' + line + ': ' + error.message);
    }
  }
}, steps.some(([, line]) => line.startsWith('fail ')) ? testPage : page]);
cases.push(['EveryControlStandsAtItsDesignedRectangle', rectangles, page],
           ['ARequestInjectedIntoThePageIsRefused', refusesInjectedRequests, page]);
try {
  for (const [name, run, file] of cases) {
    const tab = await browser.newPage();
    try {
      await tab.goto(pathToFileURL(file).href);
      await untilReady(tab);
      await run(tab);
      console.log('ok      ' + name);
    } catch (error) {
      if (error instanceof Cannot) {
        console.log('skipped ' + name + ': ' + error.message + ', the rest of the case');
        continue;
      }
      failed += 1;
      console.log('FAILED  ' + name + ': ' + error.message);
    } finally {
      await tab.close();
    }
  }
} finally {
  await browser.close();
}
console.log(failed ? failed + ' of ' + cases.length + ' failed' : 'all ' + cases.length + ' passed');
process.exit(failed ? 1 : 0);
