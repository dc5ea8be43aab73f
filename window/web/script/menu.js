// The result list's menu and copying: the menu's actions, a copy from the
// browser's own menu, and the menu itself.
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
    shortcut.className = 'dd-shortcut';
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
  frame.parentElement.append(menu);
  const room = document.documentElement;
  menu.style.left = Math.min(at.x, room.clientWidth - menu.offsetWidth) + window.scrollX + 'px';
  menu.style.top = Math.min(at.y, room.clientHeight - menu.offsetHeight) + window.scrollY + 'px';
  items[0].focus();
}
