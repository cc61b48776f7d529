#!/usr/bin/python3
"""Start-up and speed of the calculator page in headless Chromium, in one run
beside a floor on the same server: empty.html, one line of Chinese text and
one focused box. Both are timed alike, from navigation start to the later of
the first contentful paint and Text1 taking the focus (from then on it takes
keys). Every load comes from the server (HTTP cache disabled, service worker
bypassed), so the wasm is fetched and compiled each time.

usage: page_bench.py BUILT_SITE [RUNS]
"""

import pathlib
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from browser import WORKED_EXAMPLE, Site, chromium  # noqa: E402
from floor import against_floor  # noqa: E402

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

PROBE = """
window.textOneFocusedAt = null;
document.addEventListener('focusin', (event) => {
  if (event.target.id === 'Text1' && window.textOneFocusedAt === null)
    window.textOneFocusedAt = performance.now();
}, true);
"""
READY = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return paint && window.textOneFocusedAt !== null
    ? Math.max(paint.startTime, window.textOneFocusedAt) : null;
"""
# Per click on 计算Taruk杀伤: the end of the page's handler (the results are
# in the boxes) and the first task after the next frame (they are drawn).
CLICK_PROBE = """
window.clicks = [];
const button = document.getElementById('Command1');
document.addEventListener('click', (event) => {
  if (event.target !== button) return;
  const entry = {handled: performance.now() - event.timeStamp};
  requestAnimationFrame(() => setTimeout(() => {
    entry.drawn = performance.now() - event.timeStamp;
    window.clicks.push(entry);
  }));
});
"""



def main():
    site_dir = pathlib.Path(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-bench-'))
    shutil.copytree(site_dir, folder, dirs_exist_ok=True)
    shutil.copy(pathlib.Path(__file__).with_name('empty.html'), folder)
    site = Site(folder)
    try:
        with chromium() as driver:
            against_floor(driver, site.url + 'empty.html', ('calculator', site.url), PROBE, READY,
                          runs, 'page')

            driver.execute_script(CLICK_PROBE)
            driver.execute_script(
                'for (const [id, text] of Object.entries(arguments[0])) '
                'document.getElementById(id).value = text;', WORKED_EXAMPLE)
            button = driver.find_element(By.ID, 'Command1')
            for _ in range(50):
                ActionChains(driver).click(button).perform()
                time.sleep(0.05)
            clicks = driver.execute_script('return window.clicks')
            results = driver.execute_script('return [Text4.value, Text6.value]')
            assert results == ['10233.6', '18420.48'], results
            print(f'\none calculation, median of {len(clicks)} real clicks: results in the boxes '
                  f'{statistics.median(c["handled"] for c in clicks):.2f} ms after the click, '
                  f'drawn {statistics.median(c["drawn"] for c in clicks):.1f} ms after it')
    finally:
        site.stop()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == '__main__':
    main()
