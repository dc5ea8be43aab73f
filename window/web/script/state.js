// The page's half of the web window: it makes the HTML elements the program
// asks for and hands the user's input to the program. What the window shows
// and what each control does is decided in C++ (window/web/); this only
// presents it. Elements are known by their control's role number.
//
// It is written in parts by concern, which the build joins in this order into
// one script whose parts share one scope (join.cmake): the state and helpers
// here, the typing rule of the number boxes, the result list, its menu, and
// the page the program calls (`page`, the script's value).
const decoder = new TextDecoder('utf-16le');
const elements = [];
const accepted = []; // each number box's text as last allowed
const menuItems = []; // the result list's menu: {action, text, key}
let frame = null; // the window's client area
let live = null; // what screen readers are told
let flip = false;
let pendingCopy = null;
// Firefox's engine, known by a style property only it has.
const GECKO = typeof CSS !== 'undefined' && CSS.supports('-moz-appearance', 'none');
// A touch screen, whose keyboard is on the screen.
const TOUCH = matchMedia('(pointer: coarse)');
let task = null; // the task statement

// In the column, the task statement's row may grow to the height of its
// whole text where there is room (the style's --dd-task-whole): measured
// at the width it has, again when that changes and once the font is in.
function fitTask() {
  if (!task || !document.documentElement.classList.contains('dd-flow')) {
    return;
  }
  const height = task.style.height;
  task.style.height = '0';
  const whole = task.scrollHeight + task.offsetHeight - task.clientHeight;
  task.style.height = height;
  frame.style.setProperty('--dd-task-whole', whole + 'px');
}
function fitTaskTo(element) {
  task = element;
  let width = 0;
  if (typeof ResizeObserver !== 'undefined') {
    new ResizeObserver(() => {
      if (task.clientWidth !== width) {
        width = task.clientWidth;
        fitTask();
      }
    }).observe(task);
  }
  if (document.fonts) {
    document.fonts.ready.then(fitTask);
  }
}

function text(pointer, length) {
  return decoder.decode(HEAPU8.subarray(pointer, pointer + 2 * length));
}
function colour(rgb) {
  return '#' + (0x1000000 + rgb).toString(16).slice(1);
}
// Copies `value` into the program's exchange buffer; returns its length.
function put(value, at) {
  const pointer = Module['_dd_exchange'](at + value.length) >> 1;
  for (let i = 0; i < value.length; ++i) {
    HEAPU16[pointer + at + i] = value.charCodeAt(i);
  }
  return value.length;
}
function exchanged(length) {
  return text(Module['_dd_exchange'](length), length);
}
// A caption with its access key marked by '&': the letter is underlined
// and becomes the element's access key. The caption is one run of text in
// one span, which a flex box centres whole and a screen reader reads as
// written.
function caption(element, marked) {
  const run = document.createElement('span');
  const at = marked.indexOf('&');
  if (at < 0 || at + 1 >= marked.length) {
    run.textContent = marked;
  } else {
    const key = document.createElement('u');
    key.textContent = marked[at + 1];
    run.append(marked.slice(0, at), key, marked.slice(at + 2));
    element.accessKey = marked[at + 1].toLowerCase();
  }
  element.replaceChildren(run);
}
