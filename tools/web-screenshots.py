#!/usr/bin/python3
"""Takes the README's pictures of the page in headless Chromium: the window
after a calculation at desktop width (docs/screenshot-web.png) and at a
phone's 360 CSS pixels (docs/screenshot-web-phone.png).

usage: tools/web-screenshots.py BUILT_SITE"""

import pathlib
import sys

root = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / 'tests' / 'web'))
from browser import WORKED_EXAMPLE, Site, chromium  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402



def calculated(driver, url):
    driver.get(url)
    driver.execute_script(
        'for (const [id, text] of Object.entries(arguments[0])) '
        'document.getElementById(id).value = text;', WORKED_EXAMPLE)
    driver.find_element(By.ID, 'Command1').click()
    assert driver.execute_script('return Text6.value') == '18420.48'


def main():
    site = Site(sys.argv[1])
    try:
        with chromium() as driver:
            calculated(driver, site.url)
            driver.find_element(By.ID, 'CalculatorForm').screenshot(
                str(root / 'docs' / 'screenshot-web.png'))
            driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': 360, 'height': 470, 'deviceScaleFactor': 1, 'mobile': True})
            calculated(driver, site.url)
            driver.save_screenshot(str(root / 'docs' / 'screenshot-web-phone.png'))
    finally:
        site.stop()


if __name__ == '__main__':
    main()
