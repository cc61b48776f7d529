#!/usr/bin/python3
"""The calculator page in headless Chromium, driven with real keys and mouse
clicks (Selenium's actions go through Chromium's input pipeline): every
scenario of the shared table (exported by a program of the wasm build), then
the page's own promises: accessible names, layout, colours, the phone width,
offline use and no request to another host. With --browser webkit, the
scenarios alone in WebKitGTK's MiniBrowser on a private Xvfb display.

usage: page_test.py [--browser chromium|webkit] --site BUILT_SITE --scenarios NODE SCENARIO_EXPORT_JS
"""

import argparse
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import Site, chromium, webkit

CAPTION = 'Taruk杀伤计算器'
KEYS = {'Tab': Keys.TAB, 'Enter': Keys.ENTER, 'Escape': Keys.ESCAPE, 'Space': Keys.SPACE,
        'Backspace': Keys.BACKSPACE}

# What the page shows, read in one round trip.
STATE = """
const notice = document.getElementById('notice');
return {open: notice.open,
        busy: document.getElementById('CalculatorForm').getAttribute('aria-busy') === 'true',
        caption: document.getElementById('notice-caption').textContent,
        text: document.getElementById('notice-text').textContent,
        buttons: [...notice.querySelectorAll('button')].map((b) => b.textContent),
        focus: document.activeElement.id};
"""
BOXES = "return Object.fromEntries([...document.querySelectorAll('input')].map((b) => [b.id, b.value]));"


def wait_for(driver, script, timeout=10):
    end = time.monotonic() + timeout
    while True:
        value = driver.execute_script(script)
        if value or time.monotonic() > end:
            return value
        time.sleep(0.01)


class Player:
    """Plays scenario steps on the page as a user would, closing each notice
    as it opens, in turn with a click on 确定, with Enter and with Escape: the
    page goes on the same way whichever it is."""

    def __init__(self, test, driver):
        self.test = test
        self.driver = driver
        self.closed = 0

    def open(self, url):
        self.driver.get(url)
        ready = "return document.activeElement.id === 'Text1' && " \
                "document.getElementById('CalculatorForm').getAttribute('aria-busy') === 'false'"
        self.test.assertTrue(wait_for(self.driver, ready), 'the page did not start')

    def notices_after_key(self):
        """Waits until the page is idle, closing every notice on the way."""
        seen = []
        while True:
            state = wait_for(self.driver, 'const s = (() => {%s})(); return s.open || !s.busy ? s : null;' % STATE)
            self.test.assertIsNotNone(state, 'the page stayed busy without a notice')
            if not state['open']:
                return seen
            self.test.assertEqual(state['caption'], CAPTION)
            self.test.assertEqual(state['buttons'], ['确定'])
            seen.append(state['text'])
            if self.closed % 3 == 0:
                ActionChains(self.driver).click(
                    self.driver.find_element(By.CSS_SELECTOR, '#notice button')).perform()
            else:
                ActionChains(self.driver).send_keys(
                    Keys.ENTER if self.closed % 3 == 1 else Keys.ESCAPE).perform()
            self.closed += 1

    def key(self, name):
        chain = ActionChains(self.driver)
        if name == 'Shift+Tab':
            chain.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT)
        elif name == 'Ctrl+A':
            chain.key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL)
        else:
            chain.send_keys(KEYS[name])
        chain.perform()
        return self.notices_after_key()

    def type(self, text):
        seen = []
        for character in text:
            ActionChains(self.driver).send_keys(character).perform()
            seen += self.notices_after_key()
        return seen

    def click(self, control):
        ActionChains(self.driver).click(self.driver.find_element(By.ID, control)).perform()
        return self.notices_after_key()

    def play(self, step):
        act = step['act']
        if act == 'Replace':
            seen = self.click(step['target']) + self.key('Ctrl+A')
            return seen + (self.type(step['text']) if step['text'] else self.key('Backspace'))
        if act == 'Type':
            return self.type(step['text'])
        if act == 'Key':
            return self.key(step['text'])
        return self.click(step['target'])


class PageTest(unittest.TestCase):
    site = None
    table = None
    browsers = {}
    start = staticmethod(chromium)

    @classmethod
    def browser(cls, language):
        if language not in cls.browsers:
            context = cls.start(language)
            cls.browsers[language] = (context, context.__enter__())
        return cls.browsers[language][1]

    @classmethod
    def tearDownClass(cls):
        for context, _ in cls.browsers.values():
            context.__exit__(None, None, None)
        cls.browsers.clear()


class Scenarios(PageTest):
    """Each scenario of the table in a freshly loaded page."""

    def play_scenario(self, scenario):
        # A browser whose language writes the scenario's decimal separator.
        language = 'de-DE' if scenario['decimalSeparator'] == ',' else 'zh-CN'
        player = Player(self, self.browser(language))
        player.open(self.site.url)
        for number, step in enumerate(scenario['steps'], 1):
            where = f"step {number}: {step['act']} {step['target']} {step['text']!r}"
            self.assertEqual(player.play(step), step['notices'], where)
            if step['focus']:
                self.assertEqual(player.driver.execute_script(
                    'return document.activeElement.id'), step['focus'], where)
        expected = dict(self.table['startup'], **scenario['shows'])
        self.assertEqual(player.driver.execute_script(BOXES), expected)


def add_scenarios(table):
    for scenario in table['scenarios']:
        test = lambda self, s=scenario: self.play_scenario(s)
        setattr(Scenarios, f"test_{scenario['name']}", test)


# Written out from the form: each box's label, each group's caption.
LABELS = {
    'Text1': '原始杀伤', 'Text2': '五行修正', 'Text22': '强Taruk杀伤', 'Text3': '强克五行',
    'Text10': '武器', 'Text11': '衣服', 'Text12': '帽子', 'Text13': '项链', 'Text24': '果子减抗',
    'Text7': '衣服', 'Text8': '帽子', 'Text9': '项链', 'Text14': '武器', 'Text15': '鞋子',
    'Text16': '披风', 'Text17': '面具', 'Text18': '腰带', 'Text19': '挂件', 'Text20': '左戒',
    'Text21': '右戒', 'Text23': '符文强力克', 'Text5': '狂暴程度', 'Text4': '正常最终杀伤',
    'Text6': '狂暴后杀伤',
}
GROUPS = {'Frame1': 'Taruk杀伤计算器', 'Frame2': '强Taruk杀伤', 'Frame3': '强力克属性详细列表'}


def relative_luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((relative_luminance(a), relative_luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


# Every piece of text on the page with its colour and the colour behind it.
TEXT_COLOURS = """
const rgb = (c) => c.match(/[\\d.]+/g).map(Number);
const behind = (e) => {
  for (; e; e = e.parentElement) {
    const c = rgb(getComputedStyle(e).backgroundColor);
    if (c.length < 4 || c[3] > 0) return c.slice(0, 3);
  }
  return rgb(getComputedStyle(document.documentElement).backgroundColor).slice(0, 3);
};
return [...document.querySelectorAll('#CalculatorForm *, #notice *')]
  .filter((e) => (e.value || [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim())))
  .map((e) => [e.id || e.tagName, rgb(getComputedStyle(e).color).slice(0, 3), behind(e)]);
"""


class Page(PageTest):
    """The page's own promises beyond the scenarios."""

    def fresh(self, language='zh-CN'):
        player = Player(self, self.browser(language))
        player.open(self.site.url)
        return player

    def test_DecimalMarkComesFromTheBrowsersLanguage(self):
        for language, result in (('zh-CN', '1.5'), ('de-DE', '1,5')):
            player = self.fresh(language)
            player.click('Command1')
            self.assertEqual(player.driver.execute_script('return Text6.value'), result, language)

    def test_InputMethodTextIsJudgedWhenCommitted(self):
        # Chromium's own input-method path: 13000 stands in the box while it
        # is composed, yet only the committed full-width text is judged.
        player = self.fresh()
        driver = player.driver
        player.key('Ctrl+A')
        for text in ('1', '13', '130', '1300', '13000'):
            driver.execute_cdp_cmd('Input.imeSetComposition', {
                'text': text, 'selectionStart': len(text), 'selectionEnd': len(text)})
            self.assertEqual(player.notices_after_key(), [], text)
        driver.execute_cdp_cmd('Input.insertText', {'text': '１３０００'})
        self.assertEqual(player.notices_after_key(), ['请输入正确的Taruk原始杀伤！杀伤范围为1-12800'])
        self.assertEqual(driver.execute_script('return Text1.value'), '１３０００')

    def test_AccessibleNames(self):
        player = self.fresh()
        driver = player.driver
        names = self.accessible_names(driver)
        for box, label in LABELS.items():
            self.assertEqual(names[box], ('textbox', label), box)
        for group, legend in GROUPS.items():
            self.assertEqual(names[group], ('group', legend), group)
        # The first of two notices stays open for its name; the page behind
        # it leaves the tree meanwhile.
        player.click('Text2')
        player.key('Ctrl+A')
        ActionChains(driver).send_keys(Keys.BACKSPACE).perform()
        self.assertTrue(wait_for(driver, 'return notice.open'))
        names = self.accessible_names(driver)
        self.assertEqual(names['notice'], ('alertdialog', CAPTION))
        self.assertNotIn('Text1', names)
        self.assertEqual(player.notices_after_key(), ['请输入合法的数值!五行修正范围是1-1.4',
                                                      '请输入五行修正'])

    @staticmethod
    def accessible_names(driver):
        """Role and name of each element with an id, from Chromium's
        accessibility tree."""
        root = driver.execute_cdp_cmd('DOM.getDocument', {'depth': -1, 'pierce': True})['root']
        ids = {}
        stack = [root]
        while stack:
            node = stack.pop()
            attributes = node.get('attributes', [])
            if 'id' in attributes[::2]:
                ids[attributes[attributes[::2].index('id') * 2 + 1]] = node['backendNodeId']
            stack += node.get('children', [])
        nodes = driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        by_dom = {n['backendDOMNodeId']: n for n in nodes
                  if 'backendDOMNodeId' in n and not n.get('ignored')}
        return {element_id: (by_dom[node]['role']['value'], by_dom[node].get('name', {}).get('value'))
                for element_id, node in ids.items() if node in by_dom}

    def test_ControlsSitWhereTheFormPutsThem(self):
        # Twips / 15, from the window's top left; inside a group box from the
        # group's own corner: Text23 at 1440 + 480, 1800 + 2280 twips.
        expected = {'Frame1': [0, 0, 385, 489], 'Text1': [32, 40, 57, 26],
                    'Frame3': [32, 152, 321, 145], 'Text23': [128, 272, 73, 18],
                    'Text13': [240, 112, 49, 25], 'Command2': [184, 384, 105, 41],
                    'Label7': [192, 456, 185, 25]}
        driver = self.fresh().driver
        places = driver.execute_script("""
            const origin = document.getElementById('CalculatorForm').getBoundingClientRect();
            return Object.fromEntries(arguments[0].map((id) => {
              const r = document.getElementById(id).getBoundingClientRect();
              return [id, [r.left - origin.left, r.top - origin.top, r.width, r.height]];
            }));""", list(expected))
        self.assertEqual({k: [round(v) for v in r] for k, r in places.items()}, expected)

    def test_ResultsInASongFaceAt12Points(self):
        driver = self.fresh().driver
        fonts = driver.execute_script("""return ['Text4', 'Text6', 'Text5', 'Label1'].map((id) => {
            const s = getComputedStyle(document.getElementById(id));
            return [s.fontFamily.split(',')[0], s.fontSize, s.color]; });""")
        self.assertEqual(fonts[0], ['宋体', '16px', 'rgb(192, 0, 0)'])
        self.assertEqual(fonts[1], ['宋体', '16px', 'rgb(0, 0, 128)'])
        self.assertEqual(fonts[2][:2], ['"Microsoft YaHei"', '12px'])
        self.assertEqual(fonts[3][:2], ['"Microsoft YaHei"', '12px'])

    def test_TextIsReadableInLightAndDarkSchemes(self):
        player = self.fresh()
        driver = player.driver
        player.click('Command1')
        try:
            for scheme in ('light', 'dark'):
                driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
                    'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})
                for name, colour, background in driver.execute_script(TEXT_COLOURS):
                    self.assertGreaterEqual(contrast(colour, background), 4.5,
                                            f'{scheme}: {name} {colour} on {background}')
                results = driver.execute_script(
                    "return [getComputedStyle(Text4).color, getComputedStyle(Text6).color]")
                self.assertEqual(results == ['rgb(192, 0, 0)', 'rgb(0, 0, 128)'],
                                 scheme == 'light', results)
        finally:
            driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})

    def test_FitsAPhoneWidthAndStaysUsable(self):
        driver = self.browser('zh-CN')
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 360, 'height': 740, 'deviceScaleFactor': 2, 'mobile': True})
        try:
            player = self.fresh()
            sizes = driver.execute_script("""
                const r = document.getElementById('Frame1').getBoundingClientRect();
                return [document.documentElement.scrollWidth, innerWidth, r.left, r.right];""")
            scroll_width, width, left, right = sizes
            self.assertEqual(width, 360)
            self.assertLessEqual(scroll_width, 360)
            self.assertGreaterEqual(left, 0)
            self.assertLessEqual(right, 360)
            self.assertGreater(right, 350)  # scaled to the width, not below it
            # A minus and an exponent on the numeric keyboard's box: frenzy
            # -50 % gives 1 x 0.5 x 1.5.
            self.assertEqual(player.play({'act': 'Replace', 'target': 'Text5', 'text': '-5e1'}), [])
            self.assertEqual(player.click('Command1'), [])
            self.assertEqual(driver.execute_script('return [Text4.value, Text6.value]'), ['1', '0.75'])
            modes = driver.execute_script(
                "return [...document.querySelectorAll('input')].map((b) => [b.id, b.inputMode, b.readOnly])")
            for box, mode, read_only in modes:
                self.assertEqual(mode, '' if read_only else 'decimal', box)
        finally:
            driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})

    def test_PolicyForbidsEvalAndTheConsoleStaysClean(self):
        player = self.fresh()
        driver = player.driver
        driver.get_log('browser')
        # The page's own scripts are files only.
        self.assertEqual(driver.execute_script(
            "return document.querySelectorAll('script:not([src])').length"), 0)
        player.play({'act': 'Replace', 'target': 'Text2', 'text': '9'})
        player.click('Command1')
        # A script the page did not bring: the policy keeps it from running
        # (DevTools' own evaluation is exempt, so it must go in as a page
        # script would).
        self.assertFalse(driver.execute_script("""
            const script = document.createElement('script');
            script.textContent = 'window.injected = eval("true")';
            document.head.append(script);
            return window.injected === true;"""))
        messages = [e['message'] for e in driver.get_log('browser')
                    if e['level'] == 'SEVERE' and 'Content Security Policy' not in e['message']]
        self.assertEqual(messages, [])


CONTROLLED = """return navigator.serviceWorker.controller !== null
    && navigator.serviceWorker.controller.state === 'activated'"""


class Offline(unittest.TestCase):
    """A visit stores the page; with the server gone it opens and calculates,
    and no request ever leaves 127.0.0.1."""

    def test_ReloadsAndCalculatesWithTheServerGone(self):
        site = Site(PageTest.site_folder)
        try:
            with chromium() as driver:
                player = Player(self, driver)
                player.open(site.url)
                self.assertTrue(wait_for(driver, CONTROLLED))
                site.stop()
                player.open(site.url)
                self.assertEqual(player.play({'act': 'Replace', 'target': 'Text1', 'text': '20000'}),
                                 ['请输入正确的Taruk原始杀伤！杀伤范围为1-12800'])
                self.assertEqual(player.click('Command1'), ['Taruk原始杀伤有误！请重新输入！'])
                self.assertEqual(driver.execute_script('return [Text4.value, Text6.value]'),
                                 ['20000', '30000'])
                requests = [json.loads(e['message'])['message'] for e in driver.get_log('performance')]
                # Everything that could reach a network (Chromium's own pages
                # load chrome:// and data: resources, which go nowhere).
                urls = {r['params']['request']['url'] for r in requests
                        if r['method'] == 'Network.requestWillBeSent'}
                network = {u for u in urls if u.split(':')[0] in ('http', 'https', 'ws', 'wss')}
                self.assertIn(site.url + 'taruk.wasm', network)
                self.assertEqual({u for u in network if not u.startswith(site.url)}, set())
        finally:
            site.stop()


    def test_WorksFromASubPath(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-host-'))
        (folder / 'tools').mkdir()
        (folder / 'tools' / 'taruk').symlink_to(pathlib.Path(PageTest.site_folder).resolve())
        site = Site(folder)
        try:
            with chromium() as driver:
                player = Player(self, driver)
                player.open(site.url + 'tools/taruk/')
                self.assertEqual(player.click('Command1'), [])
                self.assertEqual(driver.execute_script('return Text6.value'), '1.5')
                self.assertTrue(wait_for(driver, CONTROLLED))
                self.assertEqual(driver.execute_script(
                    'return navigator.serviceWorker.ready.then((r) => r.scope)'),
                    site.url + 'tools/taruk/')
        finally:
            site.stop()
            shutil.rmtree(folder, ignore_errors=True)

    def test_ANewBuildReplacesTheStoredCopy(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-site-'))
        shutil.copytree(PageTest.site_folder, folder, dirs_exist_ok=True)
        site = Site(folder)
        stores = 'return caches.keys()'
        try:
            with chromium() as driver:
                player = Player(self, driver)
                player.open(site.url)
                self.assertTrue(wait_for(driver, CONTROLLED))
                (old,) = driver.execute_script(stores)
                # What a new build writes: other files, and a service worker
                # naming another store.
                sw = (folder / 'sw.js').read_text()
                version = re.search(r"const VERSION = '(\w+)'", sw).group(1)
                self.assertTrue(old.endswith(version), old)
                (folder / 'sw.js').write_text(sw.replace(version, 'f' * len(version)))
                (folder / 'calculator.css').write_text(
                    (folder / 'calculator.css').read_text() + '/* the new build */\n')
                player.open(site.url)
                self.assertTrue(wait_for(driver, "return caches.keys().then((keys) => "
                                         "keys.length === 1 && keys[0].endsWith('ffff'))"))
                player.open(site.url)
                self.assertIn('/* the new build */', driver.execute_script(
                    "return fetch('calculator.css').then((r) => r.text())"))
        finally:
            site.stop()
            shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--browser', choices=('chromium', 'webkit'), default='chromium',
                        help='webkit plays the scenario table only')
    parser.add_argument('--site', required=True)
    parser.add_argument('--scenarios', nargs='+', required=True,
                        help='the command that writes the scenario table as JSON')
    args = parser.parse_args()
    table = json.loads(subprocess.run(args.scenarios, check=True, capture_output=True).stdout)
    PageTest.site_folder = args.site
    PageTest.site = Site(args.site)
    PageTest.table = table
    add_scenarios(table)
    try:
        loader = unittest.defaultTestLoader
        classes = (Scenarios, Page, Offline)
        if args.browser == 'webkit':
            PageTest.start = staticmethod(webkit)
            classes = (Scenarios,)
        suite = unittest.TestSuite(loader.loadTestsFromTestCase(c) for c in classes)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        PageTest.site.stop()
    failed = len(result.failures) + len(result.errors)
    print(f'{result.testsRun - failed} passed, {failed} failed')
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
