// Says which of the page's scripts could not be loaded, if one could not.
// index.html runs calculator.js and this script side by side; importing
// calculator.js here waits for that same run (no second fetch), and fails
// when it or a script it imports could not be loaded.
import { showFailure } from './failure.js';
import { TEXTS } from './texts.js';

const MAIN = 'calculator.js';

// The first of `file` and the scripts it imports (as this project writes
// them: from, then a quoted relative name) that the browser cannot get, or
// null.
async function firstMissing(file, seen = new Set()) {
  if (seen.has(file)) return null;
  seen.add(file);
  let text;
  try {
    const response = await fetch(file, { cache: 'no-store' });
    if (!response.ok) return file;
    text = await response.text();
  } catch {
    return file;
  }
  for (const [, imported] of text.matchAll(/\bfrom\s*'\.\/([\w.-]+\.js)'/g)) {
    const missing = await firstMissing(imported, seen);
    if (missing) return missing;
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
    const missing = await firstMissing(MAIN);
    showFailure(missing ? TEXTS.FILE_FAILED(missing) : TEXTS.START_FAILED);
  }
}
