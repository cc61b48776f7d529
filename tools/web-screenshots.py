#!/usr/bin/python3
"""Takes the README's pictures of the page in headless Chromium: the window
after a calculation at desktop width (docs/screenshot-web.png) and at a
phone's 360 CSS pixels (docs/screenshot-web-phone.png).

usage: tools/web-screenshots.py BUILT_SITE"""

import pathlib
import sys

root = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(root / 'tests' / 'web'))
from browser import Site, chromium  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402

# The worked example of the README: 10233.6 and 18420.48.
INPUTS = {'Text1': '5000', 'Text2': '1.2', 'Text10': '100', 'Text11': '50', 'Text12': '50',
          'Text13': '100', 'Text24': '30', 'Text5': '20', 'Text7': '5', 'Text8': '5',
          'Text9': '5', 'Text14': '5', 'Text15': '5', 'Text16': '5', 'Text17': '5',
          'Text18': '5', 'Text19': '5', 'Text20': '5', 'Text21': '5', 'Text23': '5'}


def calculated(driver, url):
    driver.get(url)
    driver.execute_script(
        'for (const [id, text] of Object.entries(arguments[0])) '
        'document.getElementById(id).value = text;', INPUTS)
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
