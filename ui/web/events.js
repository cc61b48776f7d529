// What the user does in the window, reported to the module. While a notice
// is open the window takes no press and no text change, as on the desktop
// (only a script can reach the page then); input-method state is kept in
// order.
export function forwardEvents(form, notice, calls) {
  form.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (button && !notice.open) calls.send('taruk_press', button.id);
  });
  form.addEventListener('input', (event) => {
    if (event.target instanceof HTMLInputElement && !notice.open) {
      calls.send('taruk_text_changed', event.target.id);
    }
  });
  form.addEventListener('compositionstart', (event) => {
    calls.send('taruk_composition_started', event.target.id);
  });
  form.addEventListener('compositionend', (event) => {
    calls.send('taruk_composition_ended', event.target.id);
  });
}
