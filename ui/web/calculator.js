// The calculator page. The module (taruk.js and taruk.wasm, built from the
// C++ core and window description) builds the window through the `page`
// object below and runs the window's four handlers; this script tells it what
// the user does, one call at a time, and shows its notices.
import { clearFault, showFailure, showFault } from './failure.js';
import { decimalMark } from './locale.js';
import { LoadFailure, loadModule } from './module-loader.js';
import { TEXTS } from './texts.js';

const form = document.getElementById('CalculatorForm');
const notice = document.getElementById('notice');
const noticeCaption = document.getElementById('notice-caption');
const noticeText = document.getElementById('notice-text');

// The elements the module made, by id, and the focusable ones in keyboard
// order.
const controls = new Map();
const keyboardOrder = [];
let windowWidth = 0;

function place(element, left, top, width, height) {
  element.style.left = `${left}px`;
  element.style.top = `${top}px`;
  element.style.width = `${width}px`;
  element.style.height = `${height}px`;
}

function makeControl({ kind, name, caption, labelledBox, tabIndex, readOnly }) {
  switch (kind) {
    case 'group': {
      const group = document.createElement('fieldset');
      const legend = document.createElement('legend');
      legend.textContent = caption;
      group.append(legend);
      return group;
    }
    case 'label': {
      const label = document.createElement(labelledBox ? 'label' : 'span');
      label.className = 'caption';
      label.textContent = caption;
      if (labelledBox) label.htmlFor = labelledBox;
      return label;
    }
    case 'box': {
      const box = document.createElement('input');
      box.type = 'text';
      box.autocomplete = 'off';
      box.spellcheck = false;
      box.tabIndex = tabIndex;
      box.readOnly = readOnly;
      // A phone's decimal keyboard; the box still takes any text, a minus
      // and an exponent included, as on the desktop.
      if (!readOnly) box.inputMode = 'decimal';
      keyboardOrder.push(box);
      return box;
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.tabIndex = tabIndex;
      keyboardOrder.push(button);
      return button;
    }
  }
  throw new Error(`unknown control kind ${kind}`);
}

// What the module calls (ui/web/PageDom.cpp).
const page = {
  setWindow({ title, width, height }) {
    document.title = title;
    windowWidth = width;
    form.style.width = `${width}px`;
    form.style.height = `${height}px`;
    fitToScreen();
  },
  addControl(control) {
    // A restarted module builds the window again: the page keeps its own.
    if (controls.has(control.name)) return;
    const element = makeControl(control);
    element.id = control.name;
    place(element, control.left, control.top, control.width, control.height);
    (control.container ? controls.get(control.container) : form).append(element);
    controls.set(control.name, element);
    keyboardOrder.sort((a, b) => a.tabIndex - b.tabIndex);
  },
  styleResult(box, light, dark) {
    const element = controls.get(box);
    element.classList.add('result');
    element.style.setProperty('--light', light);
    element.style.setProperty('--dark', dark);
  },
  focus(name) {
    const element = controls.get(name);
    element.focus();
    element.setSelectionRange?.(element.value.length, element.value.length);
  },
  text(box) {
    return controls.get(box).value;
  },
  setText(box, text) {
    controls.get(box).value = text;
  },
  // Resolves once the user has closed the notice, however. The focus then
  // goes back where it was, caret and selection included: Chromium gives a
  // box focus back on its own, but drops the next key typed into it unless
  // the caret is set again.
  showNotice(caption, message) {
    const back = document.activeElement;
    const selection = back instanceof HTMLInputElement
      ? [back.selectionStart, back.selectionEnd, back.selectionDirection] : null;
    noticeCaption.textContent = caption;
    noticeText.textContent = message;
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
      // The notice cannot open (no <dialog> in this browser, say): its text
      // goes under the window, and the call goes on.
      console.error(error);
      showFault(message);
    });
  },
};

// The module runs one call at a time: a second call while the first waits
// for a notice to close would corrupt its state. While a notice is open the
// window takes no press and no text change, as on the desktop (only a
// script can reach the page then); input-method state is kept in order.
let module = null;
let makeModule = null;
const waiting = [];
let running = false;

function send(entry, ...names) {
  if (!module) return;
  waiting.push([entry, names]);
  if (!running) drain();
}

async function drain() {
  running = true;
  form.setAttribute('aria-busy', 'true');
  while (waiting.length > 0) {
    const [entry, names] = waiting.shift();
    if (!module) break;
    try {
      await module.ccall(entry, null, names.map(() => 'string'), names, { async: true });
      if (entry === 'taruk_press') clearFault();
    } catch (error) {
      console.error(error);
      showFault(TEXTS.CALL_FAILED);
      await restart();
    }
  }
  running = false;
  form.setAttribute('aria-busy', 'false');
}

form.addEventListener('click', (event) => {
  const button = event.target.closest('button');
  if (button && !notice.open) send('taruk_press', button.id);
});
form.addEventListener('input', (event) => {
  if (event.target instanceof HTMLInputElement && !notice.open) {
    send('taruk_text_changed', event.target.id);
  }
});
form.addEventListener('compositionstart', (event) => {
  send('taruk_composition_started', event.target.id);
});
form.addEventListener('compositionend', (event) => {
  send('taruk_composition_ended', event.target.id);
});

// Tab from the last control goes round to the first, and Shift+Tab from the
// first to the last, as in a desktop window; the page has nothing else to
// focus.
form.addEventListener('keydown', (event) => {
  if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
  const at = keyboardOrder.indexOf(event.target);
  const last = keyboardOrder.length - 1;
  const next = event.shiftKey ? (at === 0 ? last : -1) : (at === last ? 0 : -1);
  if (next < 0) return;
  event.preventDefault();
  const target = keyboardOrder[next];
  target.focus();
  target.select?.();
});

// On a screen narrower than the window the whole window is scaled down to
// fit the width.
function fitToScreen() {
  if (windowWidth === 0) return;
  const scale = Math.min(1, document.documentElement.clientWidth / windowWidth);
  form.style.zoom = scale < 1 ? String(scale) : '';
}
window.addEventListener('resize', fitToScreen);

async function startModule() {
  module = await makeModule(page);
  module.ccall('taruk_start', null, ['string'], [decimalMark(navigator.languages)]);
}

// After a call failed, the module's state may be half-way through it: a
// fresh instance takes over the window, which keeps its texts and focus.
async function restart() {
  const texts = [...controls.values()].filter((c) => c instanceof HTMLInputElement)
    .map((box) => [box, box.value]);
  const focused = document.activeElement;
  const caret = focused instanceof HTMLInputElement
    ? [focused.selectionStart, focused.selectionEnd, focused.selectionDirection] : null;
  try {
    await startModule();
    for (const [box, text] of texts) box.value = text;
    focused?.focus();
    if (caret) focused.setSelectionRange(...caret);
  } catch (error) {
    module = null;
    showFailure(TEXTS.START_FAILED);
    console.error(error);
  }
}

try {
  makeModule = await loadModule();
  await startModule();
  form.setAttribute('aria-busy', 'false');
} catch (error) {
  showFailure(error instanceof LoadFailure ? error.message : TEXTS.START_FAILED);
  console.error(error);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch((error) => {
    console.warn('offline copy unavailable:', error);
  });
}
