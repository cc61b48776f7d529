// What the page says when something fails: the paragraph in place of the
// calculator when the page cannot start, and a line under the window when
// one call into the module failed (the page then goes on).
const FAULT_ID = 'fault';

// The texts, written into the page by the build (ui/web/PageTexts.h).
export const TEXTS = Object.fromEntries([...document.getElementById('texts').content.children]
  .map((text) => [text.value, text.textContent]));

export function fileFailed(file) {
  return TEXTS.FILE_FAILED.replace('{file}', file);
}

let faultsShown = 0;

// The window will not work: it stops saying that it is loading.
export function showFailure(text) {
  const paragraph = document.getElementById('failure');
  paragraph.textContent = text;
  paragraph.hidden = false;
  const form = document.getElementById('CalculatorForm');
  form.dataset.module = 'failed';
  form.setAttribute('aria-busy', 'false');
}

export function showFault(text) {
  let line = document.getElementById(FAULT_ID);
  if (!line) {
    line = document.createElement('p');
    line.id = FAULT_ID;
    line.className = 'message';
    line.setAttribute('role', 'alert');
    document.getElementById('CalculatorForm').after(line);
  }
  line.textContent = text;
  line.hidden = false;
  faultsShown += 1;
}

// How many times a text has been put in the line so far.
export function faultCount() {
  return faultsShown;
}

// Hides the line, unless a text has been put in it since faultCount() gave
// `since`.
export function clearFault(since) {
  const line = document.getElementById(FAULT_ID);
  if (line && faultsShown === since) line.hidden = true;
}
