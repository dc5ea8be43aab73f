// The typing limit of a one-line number box: what is typed, pasted or
// dropped in is cut to what fits, and any other change the program does
// not allow is undone. The task statement, read-only, and the box being
// typed in kept in sight above an on-screen keyboard.
import { exchanged, put, state } from './state.js';

const accepted = state.accepted;

// `number`: the number the program knows the box by.
function fitted(number, inserted, kept) {
  put(inserted, 0);
  return exchanged(Module['_dd_fit'](number, inserted.length, kept));
}
function allowed(number, before, after) {
  put(after, put(before, 0));
  return Module['_dd_allowed'](number, before.length, after.length) !== 0;
}
function kept(box) {
  return box.value.length - (box.selectionEnd - box.selectionStart);
}
function insertFitted(box, number, inserted, keptLength, event) {
  const fit = fitted(number, inserted, keptLength);
  if (fit !== inserted) {
    event.preventDefault();
    if (fit) {
      document.execCommand('insertText', false, fit);
    }
  }
}
export function limitTyping(box, control) {
  const role = control.role;
  const number = control.index;
  let dragged = null; // the text before a drag within the box
  box.addEventListener('paste', (event) => {
    if (!box.readOnly && event.clipboardData) {
      insertFitted(box, number, event.clipboardData.getData('text/plain'), kept(box), event);
    }
  });
  box.addEventListener('beforeinput', (event) => {
    const type = event.inputType;
    if (box.readOnly || !type.startsWith('insert') || type === 'insertCompositionText' ||
        type === 'insertFromPaste') {
      return;
    }
    if (type === 'insertFromDrop' && dragged !== null) {
      return; // moved within the box: the length stays
    }
    let inserted = event.data;
    if (inserted === null && event.dataTransfer) {
      inserted = event.dataTransfer.getData('text/plain');
    }
    // A text dropped in from elsewhere lands beside the whole text.
    insertFitted(box, number, inserted || '', type === 'insertFromDrop' ? box.value.length : kept(box),
                 event);
  });
  const judge = (type) => {
    if (type === 'deleteByDrag') {
      dragged = accepted[role];
    } else if (type === 'insertFromDrop' && dragged !== null) {
      if (box.value.length !== dragged.length) {
        box.value = dragged;
      }
      dragged = null;
    } else if (type !== 'historyUndo' && type !== 'historyRedo' &&
               !allowed(number, accepted[role], box.value)) {
      // Undo and redo may return to a text longer than may be typed.
      const caret = Math.min(box.selectionStart, accepted[role].length);
      box.value = accepted[role];
      box.setSelectionRange(caret, caret);
    }
    accepted[role] = box.value;
  };
  box.addEventListener('input', (event) => {
    if (!event.isComposing) {
      judge(event.inputType);
    }
  });
  box.addEventListener('compositionend', () => judge('insertCompositionText'));
  box.addEventListener('dragend', () => {
    dragged = null; // dropped elsewhere, or not at all
  });
}
// The task statement is read-only by this script rather than by the HTML
// attribute: in a read-only text area Chromium moves no caret, and a screen
// reader reads a text line by line as the arrow keys move the caret. Every
// edit is refused before it is made, and one that happens anyway is undone.
export function refuseEdits(box, role) {
  const refuse = (event) => {
    if (box.ddReadOnly) {
      event.preventDefault();
    }
  };
  for (const type of ['beforeinput', 'paste', 'cut', 'drop']) {
    box.addEventListener(type, refuse);
  }
  box.addEventListener('input', () => {
    if (box.ddReadOnly && box.value !== accepted[role]) {
      box.value = accepted[role];
    }
  });
}
// An on-screen keyboard shrinks the view: the box being typed in is moved
// back into sight.
function keepTypingInSight() {
  const box = document.activeElement;
  if (box && box.tagName === 'INPUT' && state.frame && state.frame.contains(box)) {
    box.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }
}
(window.visualViewport || window).addEventListener('resize', keepTypingInSight);
