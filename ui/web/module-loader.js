// Loads the module (taruk.js, emscripten's loader, and taruk.wasm) once and
// makes instances of it for the page. When it cannot, the error says in
// Chinese why: which file failed, or that the browser is too old.
import { TEXTS, fileFailed } from './failure.js';

export class LoadFailure extends Error {}

// The smallest valid WebAssembly module. A browser compiles it only if it
// has WebAssembly and the page's policy allows it with 'wasm-unsafe-eval'
// (Safari before 16 knows only 'unsafe-eval', which the policy forbids).
const EMPTY_MODULE = new Uint8Array([0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00]);

function browserRunsWasm() {
  try {
    return typeof WebAssembly === 'object' && new WebAssembly.Module(EMPTY_MODULE) !== null;
  } catch {
    return false;
  }
}

async function importFactory(file) {
  try {
    return (await import(`./${file}`)).default;
  } catch (error) {
    throw new LoadFailure(
      error instanceof SyntaxError ? TEXTS.BROWSER_TOO_OLD : fileFailed(file), { cause: error });
  }
}

// Fetched as <link rel="preload"> in index.html asks for it, so that the
// preloaded response is the one used.
async function compileWasm(file) {
  try {
    const response = await fetch(file, { credentials: 'same-origin' });
    if (!response.ok) throw new Error(`HTTP ${response.status}`);
    // Compiled while it downloads, where the host gives the type that needs.
    if (WebAssembly.compileStreaming
        && response.headers.get('Content-Type')?.startsWith('application/wasm')) {
      return await WebAssembly.compileStreaming(response);
    }
    return await WebAssembly.compile(await response.arrayBuffer());
  } catch (error) {
    throw new LoadFailure(fileFailed(file), { cause: error });
  }
}

// Resolves to a function that makes a fresh, started instance of the module
// for `page` (the object the module builds the window through).
export async function loadModule() {
  if (!browserRunsWasm()) throw new LoadFailure(TEXTS.BROWSER_TOO_OLD);
  const [factory, compiled] = await Promise.all([importFactory('taruk.js'), compileWasm('taruk.wasm')]);
  return (page) => new Promise((resolve, reject) => {
    const instantiateWasm = (imports, receive) => {
      WebAssembly.instantiate(compiled, imports).then(
        (instance) => receive(instance, compiled),
        // A loader and a module of two builds (an upload under way).
        (error) => reject(new LoadFailure(TEXTS.FILES_DIFFER, { cause: error })));
      return {};
    };
    factory({ page, instantiateWasm }).then(resolve, reject);
  });
}
