#!/usr/bin/python3
"""When the whole calculator window is first painted, beside an empty page on
the same host, in headless Chromium.

A page counts as painted in the first frame that shows its first contentful
paint and holds its whole window: for the calculator the 24 boxes and both
buttons laid out with a size, for the empty page (empty.html, one line of
Chinese text and one box) that box. Both are timed alike from navigation
start, loads alternating after three warm-up rounds, every file fetched from
the host (HTTP cache off, service worker bypassed).

usage: window_paint.py BASE_URL [RUNS]   (BASE_URL serves the site and empty.html)
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from browser import chromium  # noqa: E402
from floor import against_floor  # noqa: E402

# From the document's start, every frame checks whether the window is whole;
# the first such frame's time is kept.
PROBE = """(() => {
window.windowWholeAt = null;
const empty = location.pathname.endsWith('empty.html');
const shown = (element) => element !== null && element.getClientRects().length > 0;
const whole = () => {
  const boxes = [...document.querySelectorAll('input')].filter(shown).length;
  return empty ? boxes >= 1
               : boxes >= 24 && shown(document.getElementById('Command1')) &&
                     shown(document.getElementById('Command2'));
};
const frame = (now) => {
  if (window.windowWholeAt === null && document.body && whole()) window.windowWholeAt = now;
  else requestAnimationFrame(frame);
};
requestAnimationFrame(frame);
})();
"""
PAINTED = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint && window.windowWholeAt !== null ? Math.max(paint.startTime, window.windowWholeAt) : null;
"""



def main():
    base = sys.argv[1].rstrip('/') + '/'
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    with chromium() as driver:
        against_floor(driver, base + 'empty.html', ('calculator, whole window', base), PROBE,
                      PAINTED, runs, 'first paint')

if __name__ == '__main__':
    main()
