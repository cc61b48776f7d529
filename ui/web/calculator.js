// The calculator page. Its window is in the page from the first paint
// (written at build time from the window description); the module (taruk.js
// and taruk.wasm, built from the C++ core and window description) attaches
// to it and runs the window's four handlers. The scripts beside this one
// tell the module what the user does, one call at a time, and show its
// notices.
import TarukModule from './taruk.js';
import { CallQueue } from './calls.js';
import { forwardEvents } from './events.js';
import { wrapKeyboardOrder } from './keyboard.js';
import { makePage } from './page.js';
import { keepResultsInView } from './results.js';

const form = document.getElementById('CalculatorForm');
const calls = new CallQueue(form);
forwardEvents(form, document.getElementById('notice'), calls);
wrapKeyboardOrder(form);
keepResultsInView(form, calls);

// The mark of the user's languages, as the browser lists them (the default
// locale of Intl can be another, e.g. en-US in headless Chromium).
function decimalMark() {
  const format = new Intl.NumberFormat(navigator.languages);
  const part = format.formatToParts(1.5).find((p) => p.type === 'decimal');
  return part ? part.value : '.';
}

// Start-up: the module attaches to the window and judges what was typed
// before it was ready.
try {
  const module = await TarukModule({ page: makePage(document) });
  calls.attach(module);
  calls.send('taruk_start', decimalMark());
} catch (error) {
  document.getElementById('failure').hidden = false;
  console.error(error);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch((error) => {
    console.warn('offline copy unavailable:', error);
  });
}
