// The calculator page. Its window is in the page from the first paint
// (written at build time from the window description); the module (taruk.js
// and taruk.wasm, built from the C++ core and window description) attaches
// to it and runs the window's four handlers. The scripts beside this one
// tell the module what the user does, one call at a time, and show its
// notices.
import { CallQueue } from './calls.js';
import { forwardEvents } from './events.js';
import { TEXTS, showFailure } from './failure.js';
import { decimalMark } from './locale.js';
import { LoadFailure, loadModule } from './module-loader.js';
import { showNotice } from './notice.js';

const form = document.getElementById('CalculatorForm');
const notice = document.getElementById('notice');
const calls = new CallQueue(form);
forwardEvents(form, notice, calls);

// What the module calls (ui/web/PageDom.cpp): the window's boxes, by id, as
// the page already holds them, the text the change being handled reported,
// and the notices.
const page = {
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

// Start-up: the module attaches to the window, and what the player did
// before it was ready takes effect. A fresh instance takes over after a
// failed call; it finds the texts as they were judged when typed.
try {
  const makeModule = await loadModule();
  const mark = decimalMark(navigator.languages);
  const start = async () => {
    const module = await makeModule(page);
    module.ccall('taruk_start', null, ['string'], [mark]);
    return module;
  };
  calls.attach(await start(), start);
} catch (error) {
  calls.giveUp();
  showFailure(error instanceof LoadFailure ? error.message : TEXTS.START_FAILED);
  console.error(error);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch((error) => {
    console.warn('offline copy unavailable:', error);
  });
}
