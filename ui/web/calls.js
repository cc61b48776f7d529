// The module runs one call at a time: a second call while the first waits
// for a notice to close would corrupt its state. Calls wait here in order;
// the window is busy (aria-busy) while any runs. Before the module is
// attached nothing is sent: it judges what was typed meanwhile when it
// attaches.
import { clearFault, faultCount, showFailure, showFault } from './failure.js';
import { TEXTS } from './texts.js';

export class CallQueue {
  #form;
  #module = null;
  #fresh = null;
  #waiting = [];
  #running = false;
  #idle = [];
  #reported = '';

  constructor(form) {
    this.#form = form;
  }

  // `fresh` makes a new instance of the module that takes over the window,
  // for when a call has failed.
  attach(module, fresh) {
    this.#module = module;
    this.#fresh = fresh;
  }

  send(entry, ...names) {
    this.#queue(entry, names, '');
  }

  // A change of `box`, with the text it reported; the module asks for the
  // text (reportedText) while the call runs.
  report(entry, box, text) {
    this.#queue(entry, [box], text);
  }

  get reportedText() {
    return this.#reported;
  }

  #queue(entry, names, text) {
    if (!this.#module) return;
    this.#waiting.push([entry, names, text]);
    if (!this.#running) this.drain();
  }

  async drain() {
    this.#running = true;
    this.#form.setAttribute('aria-busy', 'true');
    while (this.#waiting.length > 0 && this.#module) {
      const [entry, names, text] = this.#waiting.shift();
      this.#reported = text;
      const faults = faultCount();
      try {
        await this.#module.ccall(entry, null, names.map(() => 'string'), names, { async: true });
        // Any call that succeeds clears the line, but for what it wrote
        // there itself (a notice it could not show).
        clearFault(faults);
      } catch (error) {
        console.error(error);
        showFault(TEXTS.CALL_FAILED);
        await this.#replaceModule();
      }
    }
    this.#running = false;
    this.#form.setAttribute('aria-busy', 'false');
    for (const resolve of this.#idle.splice(0)) resolve();
  }

  // Resolves once every call sent so far has run.
  whenIdle() {
    return this.#running ? new Promise((resolve) => this.#idle.push(resolve)) : Promise.resolve();
  }

  // The failed call may have left the module half-way through it. The page
  // holds the window, texts and focus included, so a fresh instance simply
  // takes over.
  async #replaceModule() {
    this.#module = null;
    try {
      this.#module = await this.#fresh();
    } catch (error) {
      console.error(error);
      showFailure(TEXTS.START_FAILED);
    }
  }
}
