// The window's controls stand in the page in keyboard order, so Tab follows
// it on its own. Tab from the last control goes round to the first, and
// Shift+Tab from the first to the last, as in a desktop window; the page has
// nothing else to focus.
export function wrapKeyboardOrder(form) {
  form.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
    const keyboardOrder = form.querySelectorAll('input, button');
    const first = keyboardOrder[0];
    const last = keyboardOrder[keyboardOrder.length - 1];
    const target = event.shiftKey ? (event.target === first ? last : null)
      : (event.target === last ? first : null);
    if (!target) return;
    event.preventDefault();
    target.focus();
    target.select?.();
  });
}
