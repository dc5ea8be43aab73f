// The clipboard as a user fills and reads it, for the page's tests in every
// engine: a field of the test's own takes a real Ctrl+C or Ctrl+V, which the
// runner presses, and then the focus goes back where it was.
window.ddClipboard = {
  // Before Ctrl+C: the copy puts `text` on the clipboard.
  fill(text) {
    this.open('input');
    this.field.value = 'x';
    this.field.select();
    window.addEventListener('copy', (event) => {
      event.clipboardData.setData('text/plain', text);
      event.preventDefault();
      event.stopImmediatePropagation();
    }, { capture: true, once: true });
  },
  // Before Ctrl+V: a field to paste into.
  take() {
    this.open('textarea');
    this.field.focus();
  },
  open(tag) {
    this.kept = document.activeElement;
    this.field = document.createElement(tag);
    document.body.append(this.field);
  },
  // After the key: the field gone, the focus back; what was pasted into it.
  done() {
    const value = this.field.value;
    this.field.remove();
    this.kept.focus();
    return value;
  },
};
