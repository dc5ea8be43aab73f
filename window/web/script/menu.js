// The result list's menu and copying: the menu's actions, a copy from the
// browser's own menu, and the menu itself. What the menu offers while, and
// what a copy takes, the program says.
import { caption, exchanged, state } from './state.js';

let pendingCopy = null;

// The selected items as the program copies them: one a line, in list order.
function copied(list) {
  const pointer = Module['_dd_exchange'](list.items.length) >> 1;
  HEAPU16.set(list.selected, pointer);
  return exchanged(Module['_dd_copy'](list.items.length));
}

export const actions = {
  copy(list) {
    if (!list.anySelected()) {
      return;
    }
    pendingCopy = copied(list);
    const done = document.execCommand('copy');
    if (!done && navigator.clipboard) {
      navigator.clipboard.writeText(pendingCopy);
    }
    pendingCopy = null;
  },
  selectAll(list) {
    list.selectAll();
  },
};
// A copy from the browser's own menu while the list has the focus.
document.addEventListener('copy', (event) => {
  const focused = document.activeElement;
  const text = pendingCopy !== null ? pendingCopy
             : focused && focused.ddList ? copied(focused.ddList) : '';
  if (text) {
    event.clipboardData.setData('text/plain', text);
    event.preventDefault();
  }
});

// The result list's context menu, kept by the keyboard like a desktop one.
export function openMenu(list, at) {
  const menu = document.createElement('div');
  menu.className = 'dd-menu';
  menu.setAttribute('role', 'menu');
  const selected = list.selected.reduce((a, b) => a + b, 0);
  const enabled = Module['_dd_menu'](selected, list.items.length);
  const items = state.design.menu.map((item, i) => {
    const entry = document.createElement('div');
    entry.setAttribute('role', 'menuitem');
    entry.tabIndex = -1;
    caption(entry, item.text);
    entry.removeAttribute('accesskey'); // the menu takes its letters itself
    const shortcut = document.createElement('span');
    shortcut.className = 'dd-shortcut';
    shortcut.textContent = 'Ctrl+' + item.key;
    entry.append(shortcut);
    if ((enabled & (1 << i)) === 0) {
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
    window.removeEventListener('resize', turned);
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
  // A turned screen or a resized window leaves the menu where the list no
  // longer is: it closes, as a desktop menu does.
  const turned = () => close(true);
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
  window.addEventListener('resize', turned);
  state.frame.parentElement.append(menu);
  const room = document.documentElement;
  menu.style.left = Math.min(at.x, room.clientWidth - menu.offsetWidth) + window.scrollX + 'px';
  menu.style.top = Math.min(at.y, room.clientHeight - menu.offsetHeight) + window.scrollY + 'px';
  items[0].focus();
}
