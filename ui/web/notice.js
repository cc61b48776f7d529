// A modal notice. Resolves once the user has closed it, however. The focus
// then goes back where it was, caret and selection included: Chromium gives
// a box focus back on its own, but drops the next key typed into it unless
// the caret is set again.
export function showNotice(notice, caption, message) {
  const back = document.activeElement;
  const selection = back instanceof HTMLInputElement
    ? [back.selectionStart, back.selectionEnd, back.selectionDirection] : null;
  notice.querySelector('#notice-caption').textContent = caption;
  notice.querySelector('#notice-text').textContent = message;
  return new Promise((resolve) => {
    notice.addEventListener('close', () => {
      if (back && back !== document.body) {
        back.focus();
        if (selection) back.setSelectionRange(...selection);
      }
      resolve();
    }, { once: true });
    notice.showModal();
  });
}
