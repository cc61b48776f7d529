// The calculator page. The module (taruk.js and taruk.wasm, built from the
// C++ core and window description) builds the window through the `page`
// object below and runs the window's four handlers; this script tells it what
// the user does, one call at a time, and shows its notices.
import TarukModule from './taruk.js';

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
      notice.addEventListener('close', () => {
        if (back && back !== document.body) {
          back.focus();
          if (selection) back.setSelectionRange(...selection);
        }
        resolve();
      }, { once: true });
      notice.showModal();
    });
  },
};

// The module runs one call at a time: a second call while the first waits
// for a notice to close would corrupt its state. While a notice is open the
// window takes no press and no text change, as on the desktop (only a
// script can reach the page then); input-method state is kept in order.
let module = null;
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
    try {
      await module.ccall(entry, null, names.map(() => 'string'), names, { async: true });
    } catch (error) {
      console.error(error);
    }
  }
  running = false;
  form.setAttribute('aria-busy', 'false');
}

form.addEventListener('click', (event) => {
  const button = event.target.closest('button');
  if (button && !notice.open) send('taruk_press', button.id);
});
// A change is judged on the text the box held when it was reported, which
// goes with it: the call may run later, after other edits.
form.addEventListener('input', (event) => {
  if (event.target instanceof HTMLInputElement && !notice.open) {
    send('taruk_text_changed', event.target.id, event.target.value);
  }
});
form.addEventListener('compositionstart', (event) => {
  send('taruk_composition_started', event.target.id);
});
form.addEventListener('compositionend', (event) => {
  send('taruk_composition_ended', event.target.id, event.target.value);
});
// Enter on a focused button, its repeats included, goes to the window's
// rules rather than to the browser, which clicks again on every repeat.
form.addEventListener('keydown', (event) => {
  if (event.key !== 'Enter' || !(event.target instanceof HTMLButtonElement)) return;
  event.preventDefault();
  if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey || notice.open) return;
  send('taruk_press_key', event.target.id, event.repeat ? 'repeat' : 'first');
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

// The mark of the user's languages, as the browser lists them (the default
// locale of Intl can be another, e.g. en-US in headless Chromium).
function decimalMark() {
  const format = new Intl.NumberFormat(navigator.languages);
  const part = format.formatToParts(1.5).find((p) => p.type === 'decimal');
  return part ? part.value : '.';
}

try {
  module = await TarukModule({ page });
  module.ccall('taruk_start', null, ['string'], [decimalMark()]);
  form.setAttribute('aria-busy', 'false');
} catch (error) {
  document.getElementById('failure').hidden = false;
  console.error(error);
}

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch((error) => {
    console.warn('offline copy unavailable:', error);
  });
}
