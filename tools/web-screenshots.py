#!/usr/bin/python3
"""Takes the README's pictures of the page in headless Chromium: the window
after a calculation at desktop width (docs/screenshot-web.png), and the
phone arrangement on a 390 x 844 CSS pixel touch screen: after a
calculation (docs/screenshot-web-phone.png), with a notice open
(docs/screenshot-web-phone-notice.png) and in the dark colour scheme
(docs/screenshot-web-phone-dark.png).

usage: tools/web-screenshots.py BUILT_SITE"""

import pathlib
import sys
import time

root = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / 'tests' / 'web'))
from browser import WORKED_EXAMPLE, Site, chromium  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

DOCS = root / 'docs'


def idle(driver):
    end = time.monotonic() + 10
    while driver.execute_script(
            "return CalculatorForm.getAttribute('aria-busy') !== 'false' && !notice.open"):
        if time.monotonic() > end:
            sys.exit('web-screenshots.py: the page did not settle')
        time.sleep(0.05)


def calculated(driver, url):
    driver.get(url)
    idle(driver)
    driver.execute_script(
        'for (const [id, text] of Object.entries(arguments[0])) '
        'document.getElementById(id).value = text;', WORKED_EXAMPLE)
    driver.find_element(By.ID, 'Command1').click()
    idle(driver)
    if driver.execute_script('return Text6.value') != '18420.48':
        sys.exit('web-screenshots.py: the worked example did not calculate')


def phone(driver, scheme):
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': 390, 'height': 844, 'deviceScaleFactor': 1, 'mobile': True})
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True})
    driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
        'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})


def main():
    site = Site(sys.argv[1])
    try:
        with chromium() as driver:
            calculated(driver, site.url)
            driver.find_element(By.ID, 'CalculatorForm').screenshot(
                str(DOCS / 'screenshot-web.png'))

            phone(driver, 'light')
            calculated(driver, site.url)
            driver.save_screenshot(str(DOCS / 'screenshot-web-phone.png'))

            # Raw damage over its ceiling, typed as a player would.
            box = driver.find_element(By.ID, 'Text1')
            box.click()
            box.send_keys(Keys.END, '0')
            idle(driver)
            if not driver.execute_script('return notice.open'):
                sys.exit('web-screenshots.py: no notice opened')
            driver.save_screenshot(str(DOCS / 'screenshot-web-phone-notice.png'))
            driver.find_element(By.CSS_SELECTOR, '#notice button').click()

            phone(driver, 'dark')
            calculated(driver, site.url)
            driver.save_screenshot(str(DOCS / 'screenshot-web-phone-dark.png'))
    finally:
        site.stop()


if __name__ == '__main__':
    main()
