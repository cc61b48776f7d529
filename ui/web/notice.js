// A modal notice. Resolves once the user has closed it, however. The focus
// then goes back where it was, caret and selection included: Chromium gives
// a box focus back on its own, but drops the next key typed into it unless
// the caret is set again. A notice that cannot open (no <dialog> in this
// browser, say) puts its text under the window, and the call goes on.
import { showFault } from './failure.js';

export function showNotice(notice, caption, message) {
  const back = document.activeElement;
  const selection = back instanceof HTMLInputElement
    ? [back.selectionStart, back.selectionEnd, back.selectionDirection] : null;
  notice.querySelector('#notice-caption').textContent = caption;
  notice.querySelector('#notice-text').textContent = message;
  return new Promise((resolve) => {
    const closed = () => {
      try {
        if (back && back !== document.body) {
          back.focus();
          if (selection) back.setSelectionRange(...selection);
        }
      } finally {
        resolve();
      }
    };
    notice.addEventListener('close', closed, { once: true });
    try {
      notice.showModal();
    } catch (error) {
      notice.removeEventListener('close', closed);
      throw error;
    }
  }).catch((error) => {
    console.error(error);
    showFault(message);
  });
}
