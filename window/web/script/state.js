// What the page's modules share: the window's elements, their state, and
// the ways texts cross to and from the program. The page is the web window's
// half that presents: it builds the elements the program describes, shows
// what the program says, and hands the user's input to the program. What
// the window shows and what each control does is decided in C++ (window/);
// elements are known by their control's role name. (No destructuring in
// these scripts: the optimiser of Debian's emscripten mangles it.)
export const state = {
  design: null, // the window as the program presents it
  frame: null, // the window's client area
  live: null, // what screen readers are told
  elements: {}, // by role name
  accepted: {}, // each number box's text as last allowed, by role name
  task: null, // the task statement
  flip: false,
};
// Firefox's engine, known by a style property only it has.
export const GECKO = typeof CSS !== 'undefined' && CSS.supports('-moz-appearance', 'none');
// A touch screen, whose keyboard is on the screen.
export const TOUCH = matchMedia('(pointer: coarse)');

const decoder = new TextDecoder('utf-16le');
// A text of the program's, `length` UTF-16 units at `pointer`.
export function text(pointer, length) {
  return decoder.decode(HEAPU8.subarray(pointer, pointer + 2 * length));
}
// A colour as [red, green, blue], as CSS writes it.
export function colour(rgb) {
  return '#' + (0x1000000 + (rgb[0] << 16) + (rgb[1] << 8) + rgb[2]).toString(16).slice(1);
}
// Copies `value` into the program's exchange buffer at `at`; returns its
// length.
export function put(value, at) {
  const pointer = Module['_dd_exchange'](at + value.length) >> 1;
  for (let i = 0; i < value.length; ++i) {
    HEAPU16[pointer + at + i] = value.charCodeAt(i);
  }
  return value.length;
}
// The text the program left in the exchange buffer, `length` units long.
export function exchanged(length) {
  return text(Module['_dd_exchange'](length), length);
}
// A caption with its access key marked by '&': the letter is underlined
// and becomes the element's access key. The caption is one run of text in
// one span, which a flex box centres whole and a screen reader reads as
// written.
export function caption(element, marked) {
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
