// The module runs one call at a time: a second call while the first waits
// for a notice to close would corrupt its state. Calls wait here in order;
// the window is busy (aria-busy) while the module loads and while any call
// runs. The window takes text and presses from its first paint: what the
// player does before the module is ready is kept (EarlyActions) and takes
// effect once it is; if the module never comes, it is dropped with it.
import { TEXTS, clearFault, faultCount, showFailure, showFault } from './failure.js';

const PRESSES = new Set(['taruk_press', 'taruk_press_key']);

// What the player did before the module was ready, replayed once it is, in
// the order made, each once. The boxes kept what was typed; each press is
// kept with the text of every box the player types into as it stood then.
// For each press in turn, the boxes changed before it are judged as they
// stood at it (in the order last changed; a box changed before the page's
// script ran, first), then the press runs; last, the boxes changed after the
// last press are judged as they stand. A box whose text is judged gets that
// text back if it holds another by then (typed again later, or written by
// an earlier reset): a press reads what the player saw when pressing, and
// what was typed after a reset stays. A press made when a notice would have
// been open, had the module been there (one shown since the player last
// typed, by the judgement or by an earlier press), is dropped, as such a
// press always is.
class EarlyActions {
  #boxes;
  #presses = [];
  #changed = new Set();
  #composing = new Set();

  constructor(form) {
    // Those the player types into, in keyboard order; the results are read-only.
    this.#boxes = [...form.querySelectorAll('input:not([readonly])')];
  }

  record(entry, names) {
    const [name] = names;
    if (PRESSES.has(entry)) {
      this.#presses.push({ entry, names, texts: this.#texts(), changed: this.#changed });
      this.#changed = new Set();
      return;
    }
    if (entry === 'taruk_composition_started') {
      this.#composing.add(name);
      return;
    }
    if (entry !== 'taruk_text_changed') this.#composing.delete(name);
    // Moved to the end: the order of last changes.
    this.#changed.delete(name);
    this.#changed.add(name);
  }

  // The calls, [entry, names, text, prepare], where prepare() runs just
  // before the call and says whether it is still to be made; `notices()`
  // counts the notices shown so far.
  replay(notices) {
    const calls = [];
    let before = new Map(this.#boxes.map((box) => [box.id, box.defaultValue]));
    let typed = notices(); // as the player last typed
    const last = { texts: this.#texts(), changed: this.#changed };
    for (const { entry, names, texts, changed } of [...this.#presses, last]) {
      if (!entry) {
        // Still composing: the box's text is not the player's yet.
        for (const name of this.#composing) {
          calls.push(['taruk_composition_started', [name], '', null]);
        }
      }
      const unreported = [...texts.keys()]
        .filter((id) => !changed.has(id) && texts.get(id) !== before.get(id));
      const reported = [...changed].filter((id) => texts.has(id));
      [...unreported, ...reported].forEach((id, index) => {
        const text = texts.get(id);
        calls.push(['taruk_text_changed', [id], text, () => {
          if (index === 0) typed = notices();
          const box = document.getElementById(id);
          if (box.value !== text) box.value = text;
          return true;
        }]);
      });
      if (entry) calls.push([entry, names, '', () => notices() === typed]);
      before = texts;
    }
    return calls;
  }

  #texts() {
    return new Map(this.#boxes.map((box) => [box.id, box.value]));
  }
}

export class CallQueue {
  #form;
  #module = null;
  #fresh = null;
  #early;
  #waiting = [];
  #running = false;
  #idle = [];
  #reported = '';
  #notices = 0;

  constructor(form) {
    this.#form = form;
    this.#early = new EarlyActions(form);
  }

  // The module is ready: `module` a started instance, and `fresh` makes
  // another that takes over the window, for when a call has failed. What the
  // player did meanwhile runs first.
  attach(module, fresh) {
    this.#module = module;
    this.#fresh = fresh;
    this.#waiting.push(...this.#early.replay(() => this.#notices));
    this.#early = null;
    this.#form.dataset.module = 'ready';
    this.drain();
  }

  // The module will not come: whatever waits is dropped, and nothing more is
  // taken.
  giveUp() {
    this.#module = null;
    this.#fresh = null;
    this.#early = null;
    this.#waiting = [];
    for (const resolve of this.#idle.splice(0)) resolve();
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

  // Counted for the presses made before the module was ready.
  noticeShown() {
    this.#notices += 1;
  }

  #queue(entry, names, text) {
    if (this.#early) {
      this.#early.record(entry, names);
    } else if (this.#fresh) {
      this.#waiting.push([entry, names, text, null]);
      if (!this.#running) this.drain();
    }
  }

  async drain() {
    this.#running = true;
    this.#form.setAttribute('aria-busy', 'true');
    while (this.#waiting.length > 0 && this.#module) {
      const [entry, names, text, prepare] = this.#waiting.shift();
      if (prepare && !prepare()) continue;
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

  // Resolves once every call sent so far has run, those waiting for the
  // module included.
  whenIdle() {
    return this.#running || this.#early
      ? new Promise((resolve) => this.#idle.push(resolve)) : Promise.resolve();
  }

  // The failed call may have left the module half-way through it. The page
  // holds the window, texts and focus included, so a fresh instance simply
  // takes over; calls made meanwhile wait for it.
  async #replaceModule() {
    this.#module = null;
    try {
      this.#module = await this.#fresh();
    } catch (error) {
      console.error(error);
      this.giveUp();
      showFailure(TEXTS.START_FAILED);
    }
  }
}
