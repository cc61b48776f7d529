// The module runs one call at a time: a second call while the first waits
// for a notice to close would corrupt its state. Calls wait here in order;
// the window is busy (aria-busy) while any runs. Before the module is
// attached nothing is sent: it judges what was typed meanwhile when it
// attaches.
export class CallQueue {
  #form;
  #module = null;
  #waiting = [];
  #running = false;
  #idle = [];

  constructor(form) {
    this.#form = form;
  }

  attach(module) {
    this.#module = module;
  }

  send(entry, ...names) {
    if (!this.#module) return;
    this.#waiting.push([entry, names]);
    if (!this.#running) this.drain();
  }

  async drain() {
    this.#running = true;
    this.#form.setAttribute('aria-busy', 'true');
    while (this.#waiting.length > 0) {
      const [entry, names] = this.#waiting.shift();
      try {
        await this.#module.ccall(entry, null, names.map(() => 'string'), names, { async: true });
      } catch (error) {
        console.error(error);
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
}
