// What the user does in the window, reported to the module. While a notice
// is open the window takes no press and no text change, as on the desktop
// (only a script or an input method can reach the page then): a composition
// that ends then is over, but its text is not judged. Input-method state is
// kept in order. A change is judged on the text the box held when it was
// reported, which goes with it: the call may run later, after other edits.
export function forwardEvents(form, notice, calls) {
  form.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (button && !notice.open) calls.send('taruk_press', button.id);
    // On a phone the results and the two buttons stand together in one
    // block (ui/form/PhoneLayout.h). After a press of either button the
    // whole block comes on screen, so both results can be read without
    // scrolling; where it is on screen already, nothing moves.
    const block = button?.closest('.results');
    if (block) calls.whenIdle().then(() => block.scrollIntoView({ block: 'nearest' }));
  });
  form.addEventListener('input', (event) => {
    if (event.target instanceof HTMLInputElement && !notice.open) {
      calls.report('taruk_text_changed', event.target.id, event.target.value);
    }
  });
  form.addEventListener('compositionstart', (event) => {
    calls.send('taruk_composition_started', event.target.id);
  });
  form.addEventListener('compositionend', (event) => {
    if (notice.open) calls.send('taruk_composition_ended_during_notice', event.target.id);
    else calls.report('taruk_composition_ended', event.target.id, event.target.value);
  });
  form.addEventListener('keydown', (event) => {
    if (event.key === 'Tab') wrapKeyboardOrder(form, event);
    if (event.key !== 'Enter' || !(event.target instanceof HTMLButtonElement)) return;
    // Enter on a focused button, its repeats and the modifiers held
    // included, goes to the window's rules rather than to the browser, which
    // clicks again on every repeat and whatever is held.
    event.preventDefault();
    if (notice.open) return;
    const held = [event.shiftKey && 'Shift', event.ctrlKey && 'Control', event.altKey && 'Alt',
      event.metaKey && 'Meta'].filter(Boolean).join(' ');
    calls.send('taruk_press_key', event.target.id, event.repeat ? 'repeat' : 'first', held);
  });
}

// The window's controls stand in the page in keyboard order, so Tab follows
// it on its own. Tab from the last control goes round to the first, and
// Shift+Tab from the first to the last, as in a desktop window; the page has
// nothing else to focus.
function wrapKeyboardOrder(form, event) {
  if (event.altKey || event.ctrlKey || event.metaKey) return;
  const keyboardOrder = form.querySelectorAll('input, button');
  const first = keyboardOrder[0];
  const last = keyboardOrder[keyboardOrder.length - 1];
  const target = event.shiftKey ? (event.target === first ? last : null)
    : (event.target === last ? first : null);
  if (!target) return;
  event.preventDefault();
  target.focus();
  target.select?.();
}
