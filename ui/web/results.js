// On a phone the results and the two buttons stand together in one block
// (ui/form/PhoneLayout.h). After a press of either button the whole block
// comes on screen, so both results can be read without scrolling; where it
// is on screen already, nothing moves.
export function keepResultsInView(form, calls) {
  form.addEventListener('click', (event) => {
    const block = event.target.closest('button')?.closest('.results');
    if (block) calls.whenIdle().then(() => block.scrollIntoView({ block: 'nearest' }));
  });
}
