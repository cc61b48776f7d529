// What the module calls (ui/web/PageDom.cpp): the window's boxes, by id, as
// the page already holds them, the text the change being handled reported,
// and the notices.
import { showNotice } from './notice.js';

export function makePage(document, calls) {
  const notice = document.getElementById('notice');
  return {
    text(box) {
      return document.getElementById(box).value;
    },
    setText(box, text) {
      document.getElementById(box).value = text;
    },
    reportedText() {
      return calls.reportedText;
    },
    showNotice(caption, message) {
      calls.noticeShown();
      return showNotice(notice, caption, message);
    },
  };
}
