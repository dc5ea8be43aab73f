// The page's half of the web window: it makes the HTML elements the program
// asks for and hands the user's input to the program. What the window shows
// and what each control does is decided in C++ (window/web/); this only
// presents it. Elements are known by their control's role number.
var ddPage = (function () {
  'use strict';
  const decoder = new TextDecoder('utf-16le');
  const elements = [];
  const accepted = []; // each number box's text as last allowed
  const menuItems = []; // the result list's menu: {action, text, key}
  let frame = null; // the window's client area
  let live = null; // what screen readers are told
  let flip = false;
  let pendingCopy = null;

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

  // The typing limit of a one-line number box: what is typed, pasted or
  // dropped in is cut to what fits, and any other change the program does
  // not allow is undone.
  function fitted(role, inserted, kept) {
    put(inserted, 0);
    return exchanged(Module['_dd_fit'](role, inserted.length, kept));
  }
  function allowed(role, before, after) {
    put(after, put(before, 0));
    return Module['_dd_allowed'](role, before.length, after.length) !== 0;
  }
  function kept(box) {
    return box.value.length - (box.selectionEnd - box.selectionStart);
  }
  function insertFitted(box, role, inserted, keptLength, event) {
    const fit = fitted(role, inserted, keptLength);
    if (fit !== inserted) {
      event.preventDefault();
      if (fit) {
        document.execCommand('insertText', false, fit);
      }
    }
  }
  function limitTyping(box, role) {
    let dragged = null; // the text before a drag within the box
    box.addEventListener('paste', (event) => {
      if (!box.readOnly && event.clipboardData) {
        insertFitted(box, role, event.clipboardData.getData('text/plain'), kept(box), event);
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
      insertFitted(box, role, inserted || '', type === 'insertFromDrop' ? box.value.length : kept(box),
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
                 !allowed(role, accepted[role], box.value)) {
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

  // The result list: an element of role listbox that draws only the rows in
  // sight, so that thousands of items cost nothing to show, and that selects
  // as a desktop list of several selection does: click, Shift and Ctrl with
  // the mouse or the arrow keys, Page Up and Down, Home and End, typing the
  // start of an item. Ctrl (Command on a Mac) with a menu item's key runs it.
  function resultList(element) {
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
      rowHeight() {
        return 1.2 * parseFloat(getComputedStyle(element).fontSize);
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
      // Draws the rows in sight and the active one, and drops the others.
      draw() {
        const height = this.rowHeight();
        const first = Math.floor(element.scrollTop / height);
        const last = Math.min(this.items.length - 1,
                              Math.ceil((element.scrollTop + element.clientHeight) / height));
        const wanted = (i) => (i >= first && i <= last) || i === this.active;
        shown.forEach((row, i) => {
          if (!wanted(i)) {
            row.remove();
            shown.delete(i);
          }
        });
        const add = (i) => {
          let row = shown.get(i);
          if (!row) {
            row = document.createElement('div');
            row.setAttribute('role', 'option');
            row.id = element.id + '-' + i;
            row.textContent = this.items[i];
            row.style.top = i * height + 'px';
            rows.append(row);
            shown.set(i, row);
          }
          row.setAttribute('aria-posinset', i + 1);
          row.setAttribute('aria-setsize', this.items.length);
          row.setAttribute('aria-selected', this.selected[i] ? 'true' : 'false');
          row.classList.toggle('dd-active', i === this.active);
        };
        for (let i = first; i <= last; ++i) {
          add(i);
        }
        if (this.active >= 0) {
          add(this.active);
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
      selectedText() {
        return this.items.filter((item, i) => this.selected[i]).join('\n');
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
        const item = menuItems.find((i) => i.key === event.key.toUpperCase());
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
    element.addEventListener('pointerdown', (event) => {
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
        return; // a finger dragged scrolls the list instead
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
  const actions = {
    copy(list) {
      if (!list.anySelected()) {
        return;
      }
      pendingCopy = list.selectedText();
      const copied = document.execCommand('copy');
      if (!copied && navigator.clipboard) {
        navigator.clipboard.writeText(pendingCopy);
      }
      pendingCopy = null;
    },
    selectAll(list) {
      list.selectAll();
    },
  };
  function enabled(action, list) {
    return action === 'copy' ? list.anySelected() : list.items.length > 0;
  }
  // A copy from the browser's own menu while the list has the focus.
  document.addEventListener('copy', (event) => {
    const focused = document.activeElement;
    const copied = pendingCopy !== null ? pendingCopy
                 : focused && focused.ddList ? focused.ddList.selectedText() : '';
    if (copied) {
      event.clipboardData.setData('text/plain', copied);
      event.preventDefault();
    }
  });

  // The result list's context menu, kept by the keyboard like a desktop one.
  function openMenu(list, at) {
    const menu = document.createElement('div');
    menu.className = 'dd-menu';
    menu.setAttribute('role', 'menu');
    const items = menuItems.map((item) => {
      const entry = document.createElement('div');
      entry.setAttribute('role', 'menuitem');
      entry.tabIndex = -1;
      caption(entry, item.text);
      entry.removeAttribute('accesskey'); // the menu takes its letters itself
      const shortcut = document.createElement('span');
      shortcut.textContent = 'Ctrl+' + item.key;
      entry.append(shortcut);
      if (!enabled(item.action, list)) {
        entry.setAttribute('aria-disabled', 'true');
      }
      entry.dataset.action = item.action;
      menu.append(entry);
      return entry;
    });
    let open = true;
    const close = (refocus) => {
      if (!open) {
        return;
      }
      open = false;
      document.removeEventListener('pointerdown', outside, true);
      if (refocus) {
        list.element.focus();
      }
      menu.remove();
    };
    const run = (entry) => {
      if (entry.getAttribute('aria-disabled') !== 'true') {
        close(true);
        actions[entry.dataset.action](list);
      }
    };
    const outside = (event) => {
      if (!menu.contains(event.target)) {
        close(false);
      }
    };
    menu.addEventListener('click', (event) => {
      const entry = event.target.closest('[role=menuitem]');
      if (entry) {
        run(entry);
      }
    });
    menu.addEventListener('keydown', (event) => {
      const at = items.indexOf(document.activeElement);
      const key = event.key;
      if (key === 'ArrowDown' || key === 'ArrowUp') {
        items[(at + (key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
      } else if (key === 'Home' || key === 'End') {
        items[key === 'Home' ? 0 : items.length - 1].focus();
      } else if (key === 'Enter' || key === ' ') {
        if (at >= 0) {
          run(items[at]);
        }
      } else if (key === 'Escape' || key === 'Tab') {
        close(true);
      } else {
        const letter = key.toLowerCase();
        const entry = items.find((e) => {
          const u = e.querySelector('u');
          return u && u.textContent.toLowerCase() === letter;
        });
        if (!entry) {
          return;
        }
        run(entry);
      }
      event.preventDefault();
    });
    menu.addEventListener('focusout', (event) => {
      if (!menu.contains(event.relatedTarget)) {
        close(false);
      }
    });
    document.addEventListener('pointerdown', outside, true);
    document.body.append(menu);
    const room = document.documentElement;
    menu.style.left = Math.min(at.x, room.clientWidth - menu.offsetWidth) + window.scrollX + 'px';
    menu.style.top = Math.min(at.y, room.clientHeight - menu.offsetHeight) + window.scrollY + 'px';
    items[0].focus();
  }

  const tags = ['h1', 'label', 'div', 'input', 'textarea', 'button'];
  return {
    text,
    makeWindow(width, height, background, family, points, title) {
      document.title = title;
      frame = document.getElementById('dd-window');
      frame.style.width = width + 'px';
      frame.style.height = height + 'px';
      frame.style.background = colour(background);
      const root = document.documentElement.style;
      root.setProperty('--dd-font', '"' + family + '"');
      root.setProperty('--dd-size', points + 'pt');
      live = document.getElementById('dd-announcement');
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
            Module['_dd_enter'](role);
          }
        });
      } else if (tag === 4) {
        element.spellcheck = false;
      } else if (tag === 5) {
        element.type = 'button';
        element.addEventListener('click', () => Module['_dd_press'](role));
      }
      elements[role] = element;
      frame.append(element);
    },
    place(role, left, top, width, height) {
      const style = elements[role].style;
      style.left = left + 'px';
      style.top = top + 'px';
      style.width = width + 'px';
      style.height = height + 'px';
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
      elements[role].style.paddingTop = pixels + 'px';
    },
    caption(role, marked) {
      caption(elements[role], marked);
    },
    attribute(role, name, value) {
      elements[role].setAttribute(name, value);
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
      elements[role].readOnly = readOnly;
    },
    readOnly(role) {
      return elements[role].readOnly;
    },
    limitTyping(role) {
      accepted[role] = elements[role].value;
      limitTyping(elements[role], role);
    },
    // Every item at once, each ended by U+0000, which no item holds.
    showItems(role, joined, count) {
      elements[role].ddList.show(joined.split('\0', count));
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
      document.body.append(dialog);
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
    failed(message) {
      document.getElementById('dd-window').textContent = message;
    },
    // Marks the window ready for use, and (for the benchmark) when the
    // first frame that shows it has been drawn.
    ready() {
      performance.mark('dd-ready');
      document.documentElement.dataset.ready = 'true';
      requestAnimationFrame(() => setTimeout(() => performance.mark('dd-shown')));
    },
  };
})();
