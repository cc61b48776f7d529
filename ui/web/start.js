// Says which of the page's scripts could not be loaded, if one could not.
// index.html runs calculator.js and this script side by side; importing
// calculator.js here waits for that same run (no second fetch), and fails
// when it or a script it imports could not be loaded.
import { TEXTS, fileFailed, showFailure } from './failure.js';

const MAIN = 'calculator.js';

// The first of the page's scripts (calculator.js, then those index.html
// preloads, which the build lists) that the browser cannot get, or null.
async function firstMissing() {
  const preloads = document.querySelectorAll('link[rel="modulepreload"]');
  for (const file of [MAIN, ...[...preloads].map((link) => link.getAttribute('href'))]) {
    try {
      const response = await fetch(file, { cache: 'no-store' });
      if (!response.ok) return file;
    } catch {
      return file;
    }
  }
  return null;
}

try {
  await import(`./${MAIN}`);
} catch (error) {
  console.error(error);
  if (error instanceof SyntaxError) {
    showFailure(TEXTS.BROWSER_TOO_OLD);
  } else {
    const missing = await firstMissing();
    showFailure(missing ? fileFailed(missing) : TEXTS.START_FAILED);
  }
}
