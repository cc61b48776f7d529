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
  // Enter on a focused button, its repeats and the modifiers held included,
  // goes to the window's rules rather than to the browser, which clicks again
  // on every repeat and whatever is held.
  form.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || !(event.target instanceof HTMLButtonElement)) return;
    event.preventDefault();
    if (notice.open) return;
    const held = [event.shiftKey && 'Shift', event.ctrlKey && 'Control', event.altKey && 'Alt',
      event.metaKey && 'Meta'].filter(Boolean).join(' ');
    calls.send('taruk_press_key', event.target.id, event.repeat ? 'repeat' : 'first', held);
  });
}
