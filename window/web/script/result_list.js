// The result list: an element of role listbox that draws only the rows in
// sight (and keeps those drawn), so that thousands of items cost nothing to
// show, and that selects as a desktop list of several selection does: click,
// Shift and Ctrl with the mouse or the arrow keys, Page Up and Down, Home and
// End, typing the start of an item. Ctrl (Command on a Mac) with a menu item's key runs it.
import { actions, openMenu } from './menu.js';
import { state } from './state.js';

const LONG_PRESS_MS = 500;
const TOUCH_SLOP = 10; // CSS pixels a finger may move and still tap
export function resultList(element) {
  const rows = document.createElement('div');
  rows.className = 'dd-rows';
  element.append(rows);
  element.tabIndex = 0;
  element.setAttribute('role', 'listbox');
  element.setAttribute('aria-multiselectable', 'true');
  const shown = new Map(); // the drawn rows, by position
  let typed = '';
  let typedAt = 0;
  const list = {
    element,
    items: [],
    selected: new Uint8Array(0),
    anchor: -1,
    active: -1,
    // A row's height: the rows' line height, a finger's on a touch screen.
    rowHeight() {
      return parseFloat(getComputedStyle(rows).lineHeight);
    },
    show(items) {
      this.items = items;
      this.selected = new Uint8Array(items.length);
      this.anchor = this.active = -1;
      for (const row of shown.values()) {
        row.remove();
      }
      shown.clear();
      rows.style.height = items.length * this.rowHeight() + 'px';
      element.scrollTop = 0;
      this.draw();
    },
    // Places the rows again after the view changed: the list's height in a
    // turned screen, the rows' height when the pointer changed.
    relayout() {
      const height = this.rowHeight();
      rows.style.height = this.items.length * height + 'px';
      shown.forEach((row, i) => {
        row.style.top = i * height + 'px';
      });
      this.draw();
    },
    // Draws the rows in sight and the active one. A row once drawn stays
    // until the list is replaced: a screen reader that sees rows of the list
    // removed takes its focus out of the list (Orca with Chromium, on Home
    // and End), and the rows a user moves through are few beside the items.
    draw() {
      const height = this.rowHeight();
      const first = Math.floor(element.scrollTop / height);
      const last = Math.min(this.items.length - 1,
                            Math.ceil((element.scrollTop + element.clientHeight) / height));
      const add = (i) => {
        if (!shown.has(i)) {
          const row = document.createElement('div');
          row.setAttribute('role', 'option');
          row.id = element.id + '-' + i;
          row.textContent = this.items[i];
          row.style.top = i * height + 'px';
          row.setAttribute('aria-posinset', i + 1);
          row.setAttribute('aria-setsize', this.items.length);
          rows.append(row);
          shown.set(i, row);
        }
      };
      for (let i = first; i <= last; ++i) {
        add(i);
      }
      if (this.active >= 0) {
        add(this.active);
      }
      // Every drawn row shows its state, also those out of sight, which a
      // screen reader may read.
      shown.forEach((row, i) => {
        const selected = this.selected[i] ? 'true' : 'false';
        if (row.getAttribute('aria-selected') !== selected) {
          row.setAttribute('aria-selected', selected);
        }
        row.classList.toggle('dd-active', i === this.active);
      });
      if (this.active >= 0) {
        element.setAttribute('aria-activedescendant', element.id + '-' + this.active);
      } else {
        element.removeAttribute('aria-activedescendant');
      }
    },
    reveal(i) {
      const height = this.rowHeight();
      if (i * height < element.scrollTop) {
        element.scrollTop = i * height;
      } else if ((i + 1) * height > element.scrollTop + element.clientHeight) {
        element.scrollTop = (i + 1) * height - element.clientHeight;
      }
    },
    // Makes `i` the active row: alone selected, the range from the anchor
    // selected (Shift), or the selection kept (Ctrl, or `keep`).
    moveTo(i, shift, keep) {
      if (this.items.length === 0) {
        return;
      }
      i = Math.max(0, Math.min(this.items.length - 1, i));
      if (shift) {
        const from = this.anchor >= 0 ? this.anchor : Math.max(this.active, 0);
        this.anchor = from;
        this.selected.fill(0);
        this.selected.fill(1, Math.min(from, i), Math.max(from, i) + 1);
      } else if (!keep) {
        this.selected.fill(0);
        this.selected[i] = 1;
        this.anchor = i;
      }
      this.active = i;
      this.reveal(i);
      this.draw();
    },
    toggle(i) {
      this.selected[i] ^= 1;
      this.anchor = this.active = i;
      this.draw();
    },
    anySelected() {
      return this.selected.indexOf(1) >= 0;
    },
    selectAll() {
      this.selected.fill(1);
      this.draw();
    },
    // Where the row at the pointer is, for clicks and drags.
    rowAt(event) {
      const top = rows.getBoundingClientRect().top;
      return Math.floor((event.clientY - top) / this.rowHeight());
    },
  };
  element.ddList = list;
  element.addEventListener('scroll', () => list.draw());
  element.addEventListener('focus', () => {
    if (list.active < 0 && list.items.length > 0) {
      list.active = 0;
      list.draw();
    }
  });
  element.addEventListener('keydown', (event) => {
    const ctrl = event.ctrlKey || event.metaKey;
    if (ctrl && !event.altKey && !event.shiftKey) {
      const item = state.design.menu.find((i) => i.key === event.key.toUpperCase());
      if (item) {
        event.preventDefault();
        actions[item.action](list);
        return;
      }
    }
    const page = Math.max(1, Math.floor(element.clientHeight / list.rowHeight()) - 1);
    const steps = { ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page };
    if (event.key in steps) {
      list.moveTo(list.active + steps[event.key], event.shiftKey, ctrl);
    } else if (event.key === 'Home' || event.key === 'End') {
      list.moveTo(event.key === 'Home' ? 0 : list.items.length - 1, event.shiftKey, ctrl);
    } else if (event.key === ' ' && list.active >= 0) {
      if (ctrl) {
        list.toggle(list.active);
      } else {
        list.moveTo(list.active, event.shiftKey, false);
      }
    } else if (event.key.length === 1 && !ctrl && !event.altKey) {
      // Typing jumps to the next item that starts with what was typed.
      typed = event.timeStamp - typedAt < 1000 ? typed + event.key : event.key;
      typedAt = event.timeStamp;
      const count = list.items.length;
      const from = typed.length === 1 ? list.active + 1 : Math.max(list.active, 0);
      for (let k = 0; k < count; ++k) {
        const i = (from + k) % count;
        if (list.items[i].startsWith(typed)) {
          list.moveTo(i, false, false);
          break;
        }
      }
    } else {
      return;
    }
    event.preventDefault();
  });
  window.addEventListener('resize', () => list.relayout());
  // By touch, a tap selects a row, a long press opens the menu there, and a
  // finger dragged scrolls the list.
  let touching = false;
  let menuByTouch = false;
  const touchDown = (event) => {
    const i = list.rowAt(event);
    const row = i >= 0 && i < list.items.length ? i : -1;
    const from = { x: event.clientX, y: event.clientY };
    touching = true;
    menuByTouch = false;
    const timer = setTimeout(() => {
      menuByTouch = true;
      element.focus();
      if (row >= 0 && !list.selected[row]) {
        list.moveTo(row, false, false);
      }
      openMenu(list, from);
    }, LONG_PRESS_MS);
    const stop = (end) => {
      clearTimeout(timer);
      touching = false;
      element.removeEventListener('pointermove', moved);
      element.removeEventListener('pointerup', stop);
      element.removeEventListener('pointercancel', stop);
      if (end.type === 'pointerup' && !menuByTouch && row >= 0) {
        element.focus();
        list.moveTo(row, false, false);
      }
    };
    const moved = (move) => {
      if (Math.hypot(move.clientX - from.x, move.clientY - from.y) > TOUCH_SLOP) {
        stop(move);
      }
    };
    element.addEventListener('pointermove', moved);
    element.addEventListener('pointerup', stop);
    element.addEventListener('pointercancel', stop);
  };
  // The finger lifted after a long press neither clicks nor moves the focus
  // out of the menu.
  element.addEventListener('touchend', (event) => {
    if (menuByTouch) {
      event.preventDefault();
      menuByTouch = false;
    }
  });
  element.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'touch') {
      touchDown(event);
      return;
    }
    menuByTouch = false;
    const i = list.rowAt(event);
    if (event.button !== 0 || i < 0 || i >= list.items.length ||
        event.clientX > element.getBoundingClientRect().left + element.clientWidth) {
      return; // another button, below the last item, or on the scroll bar
    }
    event.preventDefault();
    element.focus();
    if (event.ctrlKey || event.metaKey) {
      list.toggle(i);
      return;
    }
    list.moveTo(i, event.shiftKey, false);
    if (event.pointerType !== 'mouse') {
      return; // a pen dragged scrolls the list instead
    }
    // Dragging with the button held selects from there to the pointer.
    element.setPointerCapture(event.pointerId);
    const drag = (move) => list.moveTo(list.rowAt(move), true, false);
    const stop = () => {
      element.removeEventListener('pointermove', drag);
      element.removeEventListener('pointerup', stop);
      element.removeEventListener('pointercancel', stop);
    };
    element.addEventListener('pointermove', drag);
    element.addEventListener('pointerup', stop);
    element.addEventListener('pointercancel', stop);
  });
  element.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (touching || menuByTouch) {
      return; // a long press, which opens the menu itself
    }
    // From the keyboard, the menu opens below the active row rather than
    // wherever the mouse happens to be.
    let at = { x: event.clientX, y: event.clientY };
    if (event.button !== 2) {
      const row = document.getElementById(element.id + '-' + list.active);
      const box = (row || element).getBoundingClientRect();
      at = { x: box.left, y: row ? box.bottom : box.top };
    }
    openMenu(list, at);
  });
  return list;
}
