// The page the program calls: it builds the window's elements once from the
// program's description of them (`build`), and then does what the program
// asks of them while it runs, each by its name (`call`).
import { fitTaskTo, fitWindow } from './layout.js';
import { resultList } from './result_list.js';
import {
  caption, colour, GECKO, put, state, text, TOUCH,
} from './state.js';
import { limitTyping, refuseEdits } from './typing.js';

export { text };

const elements = state.elements;
const accepted = state.accepted;
const TAGS = {
  title: 'h1', caption: 'label', list: 'div', numberBox: 'input', textArea: 'textarea',
  button: 'button',
};

// A text that describes the element to a screen reader, from an element
// of its own that is never shown; none when `value` is empty.
function describe(element, value) {
  const id = element.id + '-description';
  let description = document.getElementById(id);
  if (!description) {
    description = document.createElement('span');
    description.id = id;
    description.hidden = true;
    state.frame.after(description);
  }
  description.textContent = value;
  if (value) {
    element.setAttribute('aria-describedby', id);
  } else {
    element.removeAttribute('aria-describedby');
  }
}

function setText(role, value) {
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
}

function setReadOnly(role, readOnly) {
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
}

// One control's element, as the program describes it.
function make(control) {
  const role = control.role;
  const element = document.createElement(TAGS[control.widget]);
  element.id = control.id;
  elements[role] = element;
  state.frame.append(element);
  ['left', 'top', 'width', 'height'].forEach((name, i) => {
    element.style.setProperty('--dd-' + name, control.rect[i] + 'px');
  });
  if (control.shades) {
    for (const name of ['face', 'border', 'pressed']) {
      element.style.setProperty('--dd-' + name, colour(control.shades[name]));
    }
    element.style.setProperty('--dd-focus', colour(control.shades.focused));
    element.style.setProperty('--dd-border-width', control.shades.borderWidth + 'px');
  }
  if (control.background) {
    element.style.background = colour(control.background);
    element.style.color = colour(control.textColour);
  }
  if (control.centred) {
    element.classList.add('dd-centred');
  }
  if (control.keys) {
    // Firefox's access keys take Shift too. The keys are the control's
    // description as well, which every screen reader says (Orca says no
    // aria-keyshortcuts).
    const told = GECKO ? control.keys.replace('Alt+', 'Alt+Shift+') : control.keys;
    element.setAttribute('aria-keyshortcuts', told);
    describe(element, told);
  }
  switch (control.widget) {
    case 'title':
    case 'button':
    case 'caption':
      caption(element, control.text);
      if (control.box) {
        element.setAttribute('for', control.box);
        // The caption stands on the baseline of its box's text.
        element.style.setProperty('--dd-pad-top', control.captionPad + 'px');
      }
      if (control.widget === 'button') {
        element.type = 'button';
        element.addEventListener('click', () => Module['_dd_press'](control.index));
      }
      break;
    case 'numberBox':
      element.autocomplete = 'off';
      element.spellcheck = false;
      setText(role, control.text);
      setReadOnly(role, control.readOnly);
      limitTyping(element, control);
      // A touch screen's keyboard of digits, its Enter key marked as going
      // on to the next box, or as going where the box computes.
      element.inputMode = 'numeric';
      if (control.enter) {
        element.enterKeyHint = control.enter;
      }
      element.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' && !event.isComposing) {
          event.preventDefault();
          Module['_dd_enter'](control.index, TOUCH.matches ? 1 : 0);
        }
      });
      break;
    case 'textArea':
      element.spellcheck = false;
      element.setAttribute('aria-label', control.name);
      refuseEdits(element, role);
      setText(role, control.text);
      setReadOnly(role, control.readOnly);
      fitTaskTo(element);
      break;
    case 'list':
      element.className = 'dd-list';
      element.setAttribute('aria-label', control.name);
      resultList(element);
      describe(element, state.design.texts.emptyResults);
      break;
    default:
      break;
  }
}

// What the program asks of the page, by name: each takes a control's role
// name, a text and a number, as it needs, and returns a number if any.
const calls = {
  build() {
    const design = JSON.parse(document.getElementById('dd-design').textContent);
    const shown = design.window;
    state.design = design;
    state.frame = document.getElementById('dd-window');
    state.live = document.getElementById('dd-announcement');
    state.frame.style.setProperty('--dd-client-width', shown.client[0] + 'px');
    state.frame.style.setProperty('--dd-client-height', shown.client[1] + 'px');
    const root = document.documentElement;
    root.style.setProperty('--dd-margin', shown.margin + 'px');
    root.style.setProperty('--dd-font', '"' + shown.fontFamily + '"');
    root.style.setProperty('--dd-size', shown.fontPoints + 'pt');
    root.style.setProperty('--dd-background', colour(shown.background));
    fitWindow(shown.client, shown.margin);
    for (const control of design.controls) {
      make(control);
    }
  },
  setText(role, value) {
    setText(role, value);
  },
  getText(role) {
    return put(elements[role].value, 0);
  },
  setReadOnly(role, _, readOnly) {
    setReadOnly(role, readOnly !== 0);
  },
  readOnly(role) {
    const box = elements[role];
    return (box.tagName === 'TEXTAREA' ? box.ddReadOnly === true : box.readOnly) ? 1 : 0;
  },
  // Every item at once, each ended by U+0000, which no item holds.
  showItems(role, joined, count) {
    const element = elements[role];
    element.ddList.show(joined.split('\0', count));
    describe(element, count === 0 ? state.design.texts.emptyResults : '');
  },
  // Said by screen readers; the same text twice is still a change.
  announce(_, message) {
    state.flip = !state.flip;
    state.live.textContent = message + (state.flip ? '\u00a0' : '');
  },
  report(_, message) {
    const before = document.activeElement;
    const dialog = document.createElement('dialog');
    dialog.className = 'dd-report';
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-labelledby', 'dd-report-title');
    dialog.setAttribute('aria-describedby', 'dd-report-text');
    const heading = document.createElement('h2');
    heading.id = 'dd-report-title';
    heading.textContent = state.design.texts.errorTitle;
    const body = document.createElement('p');
    body.id = 'dd-report-text';
    body.textContent = message;
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = state.design.texts.dismiss;
    button.addEventListener('click', () => dialog.close());
    dialog.append(heading, body, button);
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (before) {
        before.focus();
      }
    });
    state.frame.parentElement.append(dialog);
    if (dialog.showModal) {
      dialog.showModal();
      button.focus();
    } else {
      dialog.remove();
      alert(heading.textContent + '\n\n' + message);
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
  failed(_, message) {
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

export function call(method, role, value, number) {
  return calls[method](role, value, number) || 0;
}
