"""The calculator page beside a floor (empty.html) on the same host, in one
run: alternating loads in headless Chromium, every file fetched from the host
(HTTP cache off, service worker bypassed), each load timed by a script the
page answers once it is there. Shared by page_bench.py and window_paint.py."""

import statistics
import time

FLOOR = 'empty page (floor)'


def load_until(driver, url, script, timeout=30):
    """Navigates to `url` and returns the first value `script` gives that is
    not null, without waiting for the load event."""
    driver.execute_cdp_cmd('Page.navigate', {'url': url})
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = driver.execute_script(script)
        except Exception:  # the old page went away mid-call
            value = None
        if value is not None:
            return value
        time.sleep(0.02)
    raise RuntimeError(f'{url} did not get there in {timeout} s')


def against_floor(driver, floor_url, page, probe, script, runs, heading):
    """Times `runs` loads of the floor and of `page` ((name, url)), after
    three warm-up rounds, with `probe` run in each new document, and prints
    the table headed `heading`."""
    driver.execute_cdp_cmd('Network.enable', {})
    driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
    driver.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': probe})
    pages = {FLOOR: floor_url, page[0]: page[1]}
    times = {name: [] for name in pages}
    for run in range(runs + 3):
        for name, url in pages.items():
            value = load_until(driver, url, script)
            if run >= 3:
                times[name].append(value)
    floor = statistics.median(times[FLOOR])
    print(f'| {heading} | median of {runs} | min | max | vs floor |')
    print('|---|---|---|---|---|')
    for name, values in times.items():
        median = statistics.median(values)
        print(f'| {name} | {median:.1f} ms | {min(values):.1f} ms | {max(values):.1f} ms '
              f'| {median / floor:.2f}x |')
