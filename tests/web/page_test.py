#!/usr/bin/python3
"""The calculator page in headless Chromium, driven with real keys and mouse
clicks (Selenium's actions go through Chromium's input pipeline): every
scenario of the shared table (exported by a program of the wasm build), then
the page's own promises: accessible names, layout, colours, the keyboard
order in the document, the window before its module, the phone arrangement
on emulated touch screens, the page's faults, offline use and no request to
another host. With --browser webkit, the scenarios and what the player does
before the module has arrived, in WebKitGTK's MiniBrowser on a private Xvfb
display.

usage: page_test.py [--browser chromium|webkit] --site BUILT_SITE
                    --scenarios NODE SCENARIO_EXPORT_JS [--only PATTERN]
"""

import argparse
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import STARTED, Site, chromium, wait_for, webkit

CAPTION = 'Taruk杀伤计算器'
RAW_DAMAGE_RANGE = '请输入正确的Taruk原始杀伤！杀伤范围为1-12800'
CORRECTION_RANGE = '请输入合法的数值!五行修正范围是1-1.4'
# What emptying 五行修正 says.
CORRECTION_EMPTIED = [CORRECTION_RANGE, '请输入五行修正']
KEYS = {'Tab': Keys.TAB, 'Enter': Keys.ENTER, 'Escape': Keys.ESCAPE, 'Space': Keys.SPACE,
        'Backspace': Keys.BACKSPACE, 'A': 'a'}
MODIFIERS = {'Shift': Keys.SHIFT, 'Ctrl': Keys.CONTROL, 'Alt': Keys.ALT}

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


class Player:
    """Plays scenario steps on the page as a user would, closing each notice
    as it opens, in turn with a click on 确定, with Enter and with Escape: the
    page goes on the same way whichever it is."""

    def __init__(self, test, driver):
        self.test = test
        self.driver = driver
        self.closed = 0
        self.held = None

    def open(self, url):
        self.driver.get(url)
        self.test.assertTrue(wait_for(self.driver, STARTED), 'the page did not start')

    def open_held(self, site):
        """Opens `site`, which holds the module back, and waits until the
        page's script has run (it runs before DOMContentLoaded) in this page,
        not the one before: opening it may return while that one unloads."""
        self.held = site
        self.driver.get(site.url)
        opened = ("return location.href === '%s' && document.readyState !== 'loading' && "
                  "document.activeElement.id === 'Text1'" % site.url)
        self.test.assertTrue(wait_for(self.driver, opened, timeout=20), 'the page did not open')

    def release(self):
        """Lets the module through; returns the notices that then come."""
        self.held.release()
        self.held = None
        return self.notices_after_key()

    def notices_after_key(self):
        """Waits until the page is idle, closing every notice on the way;
        while the module is held back, only checks that none is open."""
        if self.held:
            state = self.driver.execute_script(STATE)
            self.test.assertFalse(state['open'])
            self.test.assertTrue(state['busy'])
            return []
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
        if name == 'Enter held':
            return self.hold_enter()
        # "Ctrl+Enter": the modifiers go down, the key is pressed, they go up.
        *held, last = name.split('+')
        chain = ActionChains(self.driver)
        for modifier in held:
            chain.key_down(MODIFIERS[modifier])
        chain.send_keys(KEYS[last])
        for modifier in reversed(held):
            chain.key_up(MODIFIERS[modifier])
        chain.perform()
        return self.notices_after_key()

    def hold_enter(self):
        """Enter down, two repeats marked as the browser marks a held key's,
        then up; each notice is closed before the next event. WebDriver has
        no key repeat: Chromium's DevTools protocol sends real ones; in
        WebKit the repeats are dispatched to the button by script, after a
        real Enter (WebDriver keeps a key it holds down from closing the
        notice with the same key)."""
        seen = []
        if not hasattr(self.driver, 'execute_cdp_cmd'):
            button = self.driver.execute_script('return document.activeElement')
            ActionChains(self.driver).send_keys(Keys.ENTER).perform()
            seen += self.notices_after_key()
            for _ in range(2):
                self.driver.execute_script(
                    "arguments[0].dispatchEvent(new KeyboardEvent('keydown', "
                    "{key: 'Enter', code: 'Enter', repeat: true, bubbles: true, cancelable: true}));",
                    button)
                seen += self.notices_after_key()
            return seen
        for repeat in (False, True, True):
            self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
                'type': 'keyDown', 'key': 'Enter', 'code': 'Enter', 'text': '\r',
                'windowsVirtualKeyCode': 13, 'nativeVirtualKeyCode': 13, 'autoRepeat': repeat})
            seen += self.notices_after_key()
        self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
            'type': 'keyUp', 'key': 'Enter', 'code': 'Enter',
            'windowsVirtualKeyCode': 13, 'nativeVirtualKeyCode': 13})
        return seen + self.notices_after_key()

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
        if act == 'Paste':
            # As a paste reports itself; the clipboard is the browser's own.
            self.driver.execute_script("""
                const box = document.getElementById(arguments[0]);
                box.value = arguments[1];
                box.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste'}));""",
                                       step['target'], step['text'])
            return self.notices_after_key()
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
    def browser(cls, language, held=False):
        """A browser in `language`; with `held`, one that opens a page
        without waiting for its load, which a module held back holds up."""
        if (language, held) not in cls.browsers:
            context = cls.start(language, wait_for_load=not held)
            cls.browsers[language, held] = (context, context.__enter__())
        return cls.browsers[language, held][1]

    def fresh(self):
        player = Player(self, self.browser('zh-CN'))
        player.open(self.site.url)
        return player

    @classmethod
    def tearDownClass(cls):
        for context, _ in cls.browsers.values():
            context.__exit__(None, None, None)
        cls.browsers.clear()


class Scenarios(PageTest):
    """Each scenario of the table in a freshly loaded page. The steps made
    before the window is ready are made while the server holds the module
    back; their notices come once it lets it through."""

    def play_scenario(self, scenario):
        # A browser whose language writes the scenario's decimal separator.
        language = 'de-DE' if scenario['decimalSeparator'] == ',' else 'zh-CN'
        early = scenario['beforeReady']
        player = Player(self, self.browser(language, held=early > 0))
        # A site of its own, which no offline copy answers for.
        site = Site(self.site_folder, held={'taruk.wasm'}) if early else None
        try:
            if site:
                player.open_held(site)
            else:
                player.open(self.site.url)
            waiting = []
            for number, step in enumerate(scenario['steps'], 1):
                where = f"step {number}: {step['act']} {step['target']} {step['text']!r}"
                if number <= early:
                    self.assertEqual(player.play(step), [], where)
                    waiting += step['notices']
                    if number == early:
                        self.assertEqual(player.release(), waiting, where + ', once ready')
                else:
                    self.assertEqual(player.play(step), step['notices'], where)
                if step['focus']:
                    self.assertEqual(player.driver.execute_script(
                        'return document.activeElement.id'), step['focus'], where)
            expected = dict(self.table['startup'], **scenario['shows'])
            self.assertEqual(player.driver.execute_script(BOXES), expected)
        finally:
            if site:
                site.stop()


def add_scenarios(table):
    for scenario in table['scenarios']:
        test = lambda self, s=scenario: self.play_scenario(s)
        setattr(Scenarios, f"test_{scenario['name']}", test)


# Each box with the texts of its labels and each group box with its
# caption, as the document has them; which label is whose is the window
# description's.
CAPTIONS = """
const texts = (elements) => [...elements].map((e) => e.textContent);
return Object.fromEntries([
  ...[...document.querySelectorAll('#CalculatorForm input')].map((e) => [e.id, ['textbox', texts(e.labels)]]),
  ...[...document.querySelectorAll('#CalculatorForm fieldset')].map(
    (e) => [e.id, ['group', texts(e.querySelectorAll(':scope > legend'))]])]);
"""


def relative_luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((relative_luminance(a), relative_luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


# The result boxes.
RESULTS = ('Text4', 'Text6')

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


# The face, size and colour of each control named, beside those the sheet's
# variables (written by the build from the window description) give it: a
# result its own faces and size and its colour under the scheme in force
# (its --light or --dark; transparent if it has none), any other control the
# page's text.
LOOKS = """
const [ids, results] = arguments;
const dark = matchMedia('(prefers-color-scheme: dark)').matches;
const look = (e) => { const s = getComputedStyle(e); return [s.fontFamily, s.fontSize, s.color]; };
const probe = CalculatorForm.appendChild(document.createElement('span'));
const looks = ids.map((id) => {
  const e = document.getElementById(id);
  const kind = results.includes(id) ? 'result' : 'text';
  const colour = kind === 'text' ? 'var(--text)'
    : getComputedStyle(e).getPropertyValue(dark ? '--dark' : '--light') || 'transparent';
  probe.style.cssText = `font-family: var(--${kind}-faces); font-size: var(--${kind}-size); color: ${colour}`;
  return [id, look(e), look(probe)];
});
probe.remove();
return looks;
"""


class Page(PageTest):
    """The page's own promises beyond the scenarios."""

    def test_AnInputMethodsStartAndEndReachTheModule(self):
        # Chromium's own input-method path. Its start reaches the module, or
        # the 13000 composed would be judged as it stands in the box; its
        # end does, or the text committed would not be judged at all.
        player = self.fresh()
        driver = player.driver
        player.key('Ctrl+A')
        driver.execute_cdp_cmd('Input.imeSetComposition', {
            'text': '13000', 'selectionStart': 5, 'selectionEnd': 5})
        self.assertEqual(player.notices_after_key(), [])
        driver.execute_cdp_cmd('Input.insertText', {'text': '１３０００'})
        self.assertEqual(player.notices_after_key(), [RAW_DAMAGE_RANGE])

    def test_ACompositionEndingDuringANoticeIsNotJudged(self):
        # Only a script or an input method reaches a box while a notice is
        # open. The module learns that the composition is over, without its
        # 13000 to judge: the next key in the box is judged.
        player = self.fresh()
        driver = player.driver
        player.click('Text2')
        player.key('Ctrl+A')
        ActionChains(driver).send_keys(Keys.BACKSPACE).perform()
        self.assertTrue(wait_for(driver, 'return notice.open'))
        driver.execute_script("""
            Text1.dispatchEvent(new CompositionEvent('compositionstart', {bubbles: true}));
            Text1.value = '13000';
            Text1.dispatchEvent(new CompositionEvent('compositionend', {bubbles: true}));""")
        self.assertEqual(player.notices_after_key(), CORRECTION_EMPTIED)
        player.click('Text1')
        ActionChains(driver).send_keys(Keys.END).perform()
        self.assertEqual(player.type('0'), [RAW_DAMAGE_RANGE])

    def test_AccessibleNames(self):
        player = self.fresh()
        driver = player.driver
        # A screen reader names each box and group box by its one caption.
        names = self.accessible_names(driver)
        for element, (role, captions) in driver.execute_script(CAPTIONS).items():
            self.assertEqual(len(captions), 1, element)
            self.assertEqual(names[element], (role, captions[0]), element)
        # The first of two notices stays open for its name; the page behind
        # it leaves the tree meanwhile.
        player.click('Text2')
        player.key('Ctrl+A')
        ActionChains(driver).send_keys(Keys.BACKSPACE).perform()
        self.assertTrue(wait_for(driver, 'return notice.open'))
        names = self.accessible_names(driver)
        self.assertEqual(names['notice'], ('alertdialog', CAPTION))
        self.assertNotIn('Text1', names)
        self.assertEqual(player.notices_after_key(), CORRECTION_EMPTIED)

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
                    'Label7': [192, 456, 185, 25],
                    # Out of their group boxes in the document (keyboard
                    # order), drawn in them all the same: 果子减抗 at
                    # 4080 + 480, 600 + 1080 twips, its label at 3960 + 480,
                    # 240 + 1080.
                    'Text24': [304, 112, 41, 25], 'Label28': [296, 88, 49, 17]}
        driver = self.fresh().driver
        places = driver.execute_script("""
            const origin = document.getElementById('CalculatorForm').getBoundingClientRect();
            return Object.fromEntries(arguments[0].map((id) => {
              const r = document.getElementById(id).getBoundingClientRect();
              return [id, [r.left - origin.left, r.top - origin.top, r.width, r.height]];
            }));""", list(expected))
        self.assertEqual({k: [round(v) for v in r] for k, r in places.items()}, expected)

    def test_TextIsReadableAndTheControlsWearTheWindowsLook(self):
        # In the window and in the phone's column (a narrow window), light
        # and dark: every text readable on what lies behind it, and each
        # control in the faces, size (the phone has its own) and colour the
        # sheet's variables give it.
        driver = self.browser('zh-CN')
        self.addCleanup(driver.execute_cdp_cmd, 'Emulation.setEmulatedMedia', {'features': []})
        self.addCleanup(driver.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        for arrangement in ('window', 'phone'):
            if arrangement == 'phone':
                driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': 360, 'height': 740, 'deviceScaleFactor': 2, 'mobile': True})
            player = self.fresh()
            player.click('Command1')
            for scheme in ('light', 'dark'):
                driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {
                    'features': [{'name': 'prefers-color-scheme', 'value': scheme}]})
                where = f'{arrangement}, {scheme}'
                for name, colour, background in driver.execute_script(TEXT_COLOURS):
                    self.assertGreaterEqual(contrast(colour, background), 4.5,
                                            f'{where}: {name} {colour} on {background}')
                for name, shown, wanted in driver.execute_script(LOOKS, RESULTS + ('Text5', 'Label1'),
                                                                 RESULTS):
                    if arrangement == 'phone':
                        del shown[1], wanted[1]
                    self.assertEqual(shown, wanted, f'{where}: {name}')

    def test_FitsAPhoneWidthAndStaysUsable(self):
        driver = self.browser('zh-CN')
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 360, 'height': 740, 'deviceScaleFactor': 2, 'mobile': True})
        try:
            self.fresh()
            sizes = driver.execute_script("""
                const r = document.getElementById('Frame1').getBoundingClientRect();
                return [document.documentElement.scrollWidth, innerWidth, r.left, r.right];""")
            scroll_width, width, left, right = sizes
            self.assertEqual(width, 360)
            self.assertLessEqual(scroll_width, 360)
            self.assertGreaterEqual(left, 0)
            self.assertLessEqual(right, 360)
            self.assertGreater(right, 350)  # the phone arrangement fills the width
            # A phone's decimal keyboard on every box that takes text.
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

    def test_TheKeyboardOrderIsTheDocuments(self):
        # No control takes a place of its own in the keyboard order, so the
        # order the KeyboardOrder scenario tabs through is the document's,
        # in which a screen reader reads.
        driver = self.fresh().driver
        self.assertEqual(driver.execute_script(
            "return [...document.querySelectorAll('[tabindex]')].map((e) => e.id)"), [])


# Every control of the window with its box in the page, and what it shows.
CONTROLS = """
return [...document.querySelectorAll('#CalculatorForm [id]')].map((e) => {
  const r = e.getBoundingClientRect();
  const s = getComputedStyle(e);
  return {id: e.id, tag: e.tagName.toLowerCase(), rect: [r.left, r.top, r.right, r.bottom],
          font: parseFloat(s.fontSize), legend: e.querySelector(':scope > legend') &&
            parseFloat(getComputedStyle(e.querySelector(':scope > legend')).fontSize)};
});"""


def overlap(a, b):
    """How far two boxes (left, top, right, bottom) overlap, in the lesser direction."""
    return min(a[2], b[2]) - max(a[0], b[0]), min(a[3], b[3]) - max(a[1], b[1])


def replace(box, text):
    return {'act': 'Replace', 'target': box, 'text': text}


def click(control):
    return {'act': 'Click', 'target': control, 'text': ''}


def key(name):
    return {'act': 'Key', 'target': '', 'text': name}


def paste(box, text):
    return {'act': 'Paste', 'target': box, 'text': text}


# What a player does while the module is held back, beyond the scenarios
# made before the window is ready: the notices once it has arrived, and the
# boxes that then differ from the start-up texts.
EARLY_ACTIONS = (
    # Enter on 计算Taruk杀伤, four Tabs from 原始杀伤.
    ('EnterOnAButton', [key('Tab')] * 4 + [key('Enter')], [],
     {'Text4': '1', 'Text6': '1.5'}),
    ('Pasted', [paste('Text1', '20000')], [RAW_DAMAGE_RANGE], {'Text1': '20000'}),
    # Had the module been there, the notice for 13000 would have been open
    # when 计算Taruk杀伤 was pressed, and still at the second press: both
    # are dropped, and no ceiling notice comes.
    ('PressedWhileANoticeWouldBeOpen',
     [replace('Text1', '13000'), click('Command1'), click('Command1')], [RAW_DAMAGE_RANGE],
     {'Text1': '13000'}),
    # Typing again means that notice would have been closed: the next press
    # runs, on 5000: 5000 and 7500.
    ('PressedAfterTypingAgain',
     [replace('Text1', '13000'), click('Command1'), replace('Text1', '5000'), click('Command1')],
     [RAW_DAMAGE_RANGE], {'Text1': '5000', 'Text4': '5000', 'Text6': '7500'}),
)


class BeforeTheModule(PageTest):
    """What the player does before the module has arrived takes effect once
    it has, in the order made, each once: the server holds it back for real
    while keys and clicks go in."""

    def test_EachEarlyActionTakesEffectOnce(self):
        for name, steps, notices, shows in EARLY_ACTIONS:
            with self.subTest(name):
                site = Site(self.site_folder, held={'taruk.wasm'})
                try:
                    player = Player(self, self.browser('zh-CN', held=True))
                    player.open_held(site)
                    for step in steps:
                        self.assertEqual(player.play(step), [], step)
                    self.assertEqual(player.release(), notices)
                    self.assertEqual(player.driver.execute_script(BOXES),
                                     dict(self.table['startup'], **shows))
                finally:
                    site.stop()


class FirstPaint(unittest.TestCase):
    """The window before its module has arrived (held back by the server)."""

    def test_TheWindowIsThereAndTakesTextBeforeTheModule(self):
        site = Site(PageTest.site_folder, held={'taruk.wasm'})
        try:
            with chromium(wait_for_load=False) as driver:
                player = Player(self, driver)
                driver.get(site.url)
                self.assertTrue(wait_for(driver, "return document.activeElement.id === 'Text1'"))
                controls = driver.execute_script(CONTROLS)
                self.assertEqual(len(controls), 57)
                for control in controls:
                    left, top, right, bottom = control['rect']
                    self.assertTrue(right > left and bottom > top, control['id'])
                # Typed while the module is held back: nothing judges it yet.
                ActionChains(driver).key_down(Keys.CONTROL).send_keys('a').key_up(
                    Keys.CONTROL).send_keys('13000').perform()
                ActionChains(driver).click(driver.find_element(By.ID, 'Text2')).perform()
                ActionChains(driver).send_keys(Keys.END, '9').perform()
                self.assertEqual(driver.execute_script(STATE)['open'], False)
                # It says it is loading: busy to a screen reader, and in a
                # line at the foot of the screen.
                self.assertEqual(self.loading(driver), (True, '"正在载入…"', 'fixed'))
                # Judged when the module attaches, in the order typed.
                site.release()
                self.assertEqual(player.notices_after_key(), [RAW_DAMAGE_RANGE, CORRECTION_RANGE])
                self.assertEqual(self.loading(driver), (False, 'none', 'static'))
                self.assertEqual(driver.execute_script('return [Text1.value, Text2.value]'),
                                 ['13000', '19'])
                # From here each change is judged as it comes.
                self.assertEqual(player.key('Backspace'), [])
                self.assertEqual(driver.execute_script('return Text2.value'), '1')
                self.assertEqual(player.type('5'), [CORRECTION_RANGE])
        finally:
            site.stop()

    @staticmethod
    def loading(driver):
        """Whether Chromium's accessibility tree has the window busy, and the
        content and position of its loading line."""
        root = driver.execute_cdp_cmd('DOM.getDocument', {})['root']['nodeId']
        form = driver.execute_cdp_cmd('DOM.querySelector',
                                      {'nodeId': root, 'selector': '#CalculatorForm'})['nodeId']
        nodes = driver.execute_cdp_cmd('Accessibility.getPartialAXTree',
                                       {'nodeId': form, 'fetchRelatives': False})['nodes']
        main = next(n for n in nodes if n['role']['value'] == 'main')
        busy = any(p['name'] == 'busy' and p['value']['value'] for p in main.get('properties', []))
        style = driver.execute_script(
            "const s = getComputedStyle(CalculatorForm, '::after'); return [s.content, s.position];")
        return (busy, *style)

    def test_AModuleThatNeverComesTakesWhatWaitsWithIt(self):
        # The module's file is gone by the time the server answers.
        folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-no-module-'))
        shutil.copytree(PageTest.site_folder, folder, dirs_exist_ok=True)
        (folder / 'taruk.wasm').unlink()
        site = Site(folder, held={'taruk.wasm'})
        try:
            with chromium(wait_for_load=False) as driver:
                player = Player(self, driver)
                player.open_held(site)
                for step in (replace('Text1', '5000'), click('Command1'), click('Command2')):
                    self.assertEqual(player.play(step), [], step)
                self.assertEqual(player.release(), [])
                failure = "const f = document.getElementById('failure'); return f.hidden ? null : f.textContent;"
                self.assertEqual(wait_for(driver, failure), file_failed('taruk.wasm'))
                # Neither press ran, nor runs later; the window is no longer
                # busy, and no longer says it is loading.
                self.assertEqual(player.play(click('Command1')), [])
                self.assertEqual(driver.execute_script('return [Text1.value, Text4.value]'), ['5000', ''])
                self.assertEqual(self.loading(driver), (False, 'none', 'static'))
        finally:
            site.stop()
            shutil.rmtree(folder, ignore_errors=True)


# Phones, upright and on their side (CSS pixels).
PHONES = [('320x568', 320, 568), ('390x844', 390, 844), ('412x915', 412, 915),
          ('844x390', 844, 390)]


class Phone(PageTest):
    """The phone arrangement in headless Chromium with a phone's screen and
    touch input, tapped with a finger."""

    def on_phone(self, width, height):
        driver = self.browser('zh-CN')
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 2, 'mobile': True})
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {
            'enabled': True, 'maxTouchPoints': 5})
        self.addCleanup(driver.execute_cdp_cmd, 'Emulation.setTouchEmulationEnabled',
                        {'enabled': False})
        self.addCleanup(driver.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        player = Player(self, driver)
        player.open(self.site.url)
        return player

    @staticmethod
    def tap(driver, element):
        if isinstance(element, str):
            element = driver.find_element(By.ID, element)
        finger = ActionBuilder(driver, mouse=PointerInput(interaction.POINTER_TOUCH, 'finger'))
        finger.pointer_action.move_to(element)
        finger.pointer_action.pointer_down().pause(0.05).pointer_up()
        finger.perform()

    def test_EveryControlIsLargeEnoughAndNothingOverlaps(self):
        for name, width, height in PHONES:
            with self.subTest(name):
                driver = self.on_phone(width, height).driver
                self.assertLessEqual(driver.execute_script(
                    'return document.documentElement.scrollWidth'), width)
                # Measured over the whole page: scrolled to its top.
                controls = driver.execute_script(CONTROLS)
                leaves = [c for c in controls if c['tag'] != 'fieldset']
                for c in controls:
                    self.assertGreaterEqual(c['rect'][0], 0, c['id'])
                    self.assertLessEqual(c['rect'][2], width, c['id'])
                    self.assertGreaterEqual(c['legend'] or c['font'], 16, c['id'])
                    if c['tag'] in ('input', 'button'):
                        left, top, right, bottom = c['rect']
                        self.assertGreaterEqual(min(right - left, bottom - top), 44, c['id'])
                results = [c['font'] for c in controls if c['id'] in RESULTS]
                others = [c['font'] for c in leaves if c['id'] not in RESULTS]
                self.assertGreater(min(results), max(others))
                for i, a in enumerate(leaves):
                    for b in leaves[i + 1:]:
                        self.assertLessEqual(min(overlap(a['rect'], b['rect'])), 0,
                                             f"{a['id']} overlaps {b['id']}")

    def test_BothResultsAreOnScreenAfterATapOnCalculate(self):
        for name, width, height in PHONES:
            with self.subTest(name):
                player = self.on_phone(width, height)
                driver = player.driver
                player.play({'act': 'Replace', 'target': 'Text1', 'text': '5000'})
                # The worst place to tap from: the button at the screen's
                # bottom edge, the results below it out of sight.
                driver.execute_script("Command1.scrollIntoView({block: 'end'})")
                self.tap(driver, 'Command1')
                self.assertEqual(player.notices_after_key(), [])
                self.assertEqual(driver.execute_script('return Text6.value'), '7500')
                for box in ('Text4', 'Text6', 'Command1', 'Command2'):
                    top, bottom = driver.execute_script(
                        'const r = document.getElementById(arguments[0]).getBoundingClientRect();'
                        'return [r.top, r.bottom]', box)
                    self.assertTrue(0 <= top and bottom <= height, f'{box}: {top}..{bottom}')

    def test_ANoticeFitsAndGivesTheFocusBack(self):
        for name, width, height in PHONES:
            with self.subTest(name):
                player = self.on_phone(width, height)
                driver = player.driver
                self.tap(driver, 'Text1')
                player.key('Ctrl+A')
                ActionChains(driver).send_keys('20000').perform()
                self.assertTrue(wait_for(driver, 'return notice.open'))
                sizes = driver.execute_script("""
                    const r = (e) => { const b = e.getBoundingClientRect();
                                       return [b.left, b.top, b.right, b.bottom]; };
                    const button = notice.querySelector('button');
                    return {dialog: r(notice), button: r(button),
                            fonts: [...notice.querySelectorAll('h2, p, button')].map(
                              (e) => parseFloat(getComputedStyle(e).fontSize))};""")
                left, top, right, bottom = sizes['dialog']
                self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height,
                                sizes['dialog'])
                self.assertGreaterEqual(sizes['button'][3] - sizes['button'][1], 44)
                self.assertGreaterEqual(min(sizes['fonts']), 16)
                self.tap(driver, driver.find_element(By.CSS_SELECTOR, '#notice button'))
                self.assertTrue(wait_for(driver, "return !notice.open && "
                                         "CalculatorForm.getAttribute('aria-busy') === 'false'"))
                self.assertEqual(driver.execute_script('return document.activeElement.id'), 'Text1')


# The page's own texts (ui/web/PageTexts.h), written out.
CALL_FAILED = '计算器内部出错，刚才的操作没有完成；各项数值已保留，可以继续输入。'
BROWSER_TOO_OLD = ('Taruk杀伤计算器无法在此浏览器中运行：浏览器版本太旧，'
                   '不支持本页所需的 WebAssembly。请升级浏览器（例如 Safari 16 及以上）后重新打开本页。')


def file_failed(file):
    return f'Taruk杀伤计算器未能载入文件 {file}。请检查网络连接后重新打开本页。'


FAULT = "const f = document.getElementById('fault'); return f && !f.hidden ? f.textContent : null;"


class Faults(PageTest):
    """What goes wrong on the page is said on it, and the page goes on."""

    def test_TenMebibytesPastedIntoABoxAreJudgedAsOnTheDesktop(self):
        # Far beyond the module's first 16 MiB once copied: its memory grows.
        # So many digits overflow a double, so 武器 holds no valid number.
        player = self.fresh()
        driver = player.driver
        driver.execute_script("""
            Text10.value = '9'.repeat(10 << 20);
            Text10.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste'}));""")
        self.assertEqual(player.notices_after_key(), [])
        self.assertEqual(player.click('Command1'), ['请输入各项数值'])
        self.assertEqual(driver.execute_script('return Text10.value.length'), 10 << 20)
        self.assertIsNone(driver.execute_script(FAULT))

    def test_AnErrorInACallIsShownAndThePageGoesOn(self):
        # The calculation fails half-way: its read of 原始杀伤 throws, once.
        # The texts stay, the line says so, and the next press calculates
        # with a fresh module.
        player = self.fresh()
        driver = player.driver
        self.assertEqual(player.play({'act': 'Replace', 'target': 'Text5', 'text': '100'}), [])
        self.assertEqual(player.play({'act': 'Replace', 'target': 'Text1', 'text': '2000'}), [])
        driver.execute_script("""
            Object.defineProperty(Text1, 'value', {configurable: true, get() {
              delete Text1.value;
              throw new Error('planted');
            }});""")
        self.assertEqual(player.click('Command1'), [])
        self.assertEqual(driver.execute_script(FAULT), CALL_FAILED)
        self.assertEqual(driver.execute_script('return [Text1.value, Text5.value, Text6.value]'),
                         ['2000', '100', ''])
        # The same box's check still runs: 20000 is out of range.
        self.assertEqual(player.play({'act': 'Replace', 'target': 'Text1', 'text': '20000'}),
                         [RAW_DAMAGE_RANGE])
        self.assertEqual(player.click('Command1'), ['Taruk原始杀伤有误！请重新输入！'])
        # Frenzy 100 %: 20000 x (1 + 100 / 100) x 1.5.
        self.assertEqual(driver.execute_script('return [Text4.value, Text6.value]'), ['20000', '60000'])
        self.assertIsNone(driver.execute_script(FAULT))

    def test_AnyCallThatSucceedsClearsTheLine(self):
        # Each failing once in the calculation's read of 原始杀伤.
        for case, steps in (('a click', [click('Command1')]),
                            ('Enter on a button', [key('Tab')] * 4 + [key('Enter')]),
                            ('a change', [replace('Text5', '3')])):
            with self.subTest(case):
                player = self.fresh()
                driver = player.driver
                driver.execute_script("""
                    Object.defineProperty(Text1, 'value', {configurable: true, get() {
                      delete Text1.value;
                      throw new Error('planted');
                    }});""")
                self.assertEqual(player.click('Command1'), [])
                self.assertEqual(driver.execute_script(FAULT), CALL_FAILED)
                player.click('Text1')
                for step in steps:
                    player.play(step)
                self.assertIsNone(driver.execute_script(FAULT))

    def test_ANoticeThatFailsToOpenOrCloseLeavesNothingWaiting(self):
        for case, plant, seen, fault in (
                ('cannot open', "notice.showModal = () => { throw new Error('planted'); };",
                 [], CORRECTION_RANGE),
                ('cannot be watched', "notice.addEventListener = () => { throw new Error('planted'); };",
                 [], CORRECTION_RANGE),
                ('fails as it closes', "Text2.focus = () => { throw new Error('planted'); };",
                 [CORRECTION_RANGE], None)):
            player = self.fresh()
            driver = player.driver
            driver.execute_script(plant)
            self.assertEqual(player.play({'act': 'Replace', 'target': 'Text2', 'text': '9'}), seen, case)
            self.assertEqual(driver.execute_script(FAULT), fault, case)
            # The queue goes on: the next press calculates, with the
            # correction as the box holds it: 1 x 9 x (1 + 0) x 1.5.
            self.assertEqual(player.click('Command1'), [], case)
            self.assertEqual(driver.execute_script('return Text6.value'), '13.5', case)

    def test_ALanguageIntlRejectsFallsBackToAPoint(self):
        # WebKit under LANG=C lists 'C'; a valid tag after it still counts.
        for languages, result in ((['C'], '1.5'), (['C', 'de-DE'], '1,5')):
            driver = self.browser('zh-CN')
            script = driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {
                'source': "Object.defineProperty(Navigator.prototype, 'languages', "
                          f"{{get: () => {json.dumps(languages)}}});"})
            try:
                player = self.fresh()
                player.click('Command1')
                self.assertEqual(driver.execute_script('return Text6.value'), result, languages)
            finally:
                driver.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument', script)


class LoadFailures(unittest.TestCase):
    """A page that cannot start says why, in Chinese: which file it could
    not load, or that the browser is too old."""

    def test_EachFailureIsNamed(self):
        with chromium() as driver:
            for case, missing, before, expected in (
                    ('the loader', 'taruk.js', '', file_failed('taruk.js')),
                    ('the module', 'taruk.wasm', '', file_failed('taruk.wasm')),
                    ('the page script', 'calculator.js', '', file_failed('calculator.js')),
                    ('a script it imports', 'locale.js', '', file_failed('locale.js')),
                    ('no WebAssembly', None, 'delete window.WebAssembly;', BROWSER_TOO_OLD),
                    # As Safari before 16 under the page's policy.
                    ('WebAssembly refused', None,
                     "WebAssembly.Module = function () { throw new WebAssembly.CompileError('refused'); };",
                     BROWSER_TOO_OLD)):
                folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-broken-'))
                shutil.copytree(PageTest.site_folder, folder, dirs_exist_ok=True)
                if missing:
                    (folder / missing).unlink()
                site = Site(folder)
                script = driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                                {'source': before}) if before else None
                try:
                    driver.get(site.url)
                    shown = wait_for(driver, "const f = document.getElementById('failure');"
                                             "return f.hidden ? null : f.textContent;")
                    self.assertEqual(shown, expected, case)
                finally:
                    if script:
                        driver.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument', script)
                    site.stop()
                    shutil.rmtree(folder, ignore_errors=True)


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
                                 [RAW_DAMAGE_RANGE])
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--browser', choices=('chromium', 'webkit'), default='chromium',
                        help='webkit plays the scenario table and the early actions only')
    parser.add_argument('--site', required=True)
    parser.add_argument('--scenarios', nargs='+', required=True,
                        help='the command that writes the scenario table as JSON')
    parser.add_argument('--only', help='runs only the tests whose names match this pattern')
    args = parser.parse_args()
    table = json.loads(subprocess.run(args.scenarios, check=True, capture_output=True).stdout)
    PageTest.site_folder = args.site
    PageTest.site = Site(args.site)
    PageTest.table = table
    add_scenarios(table)
    try:
        loader = unittest.defaultTestLoader
        classes = (Scenarios, Page, BeforeTheModule, Phone, FirstPaint, Faults,
                   LoadFailures, Offline)
        if args.browser == 'webkit':
            PageTest.start = staticmethod(webkit)
            classes = (Scenarios, BeforeTheModule)
        suite = unittest.TestSuite(loader.loadTestsFromTestCase(c) for c in classes)
        if args.only:
            suite = unittest.TestSuite(t for group in suite for t in group
                                       if re.search(args.only, t.id()))
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        PageTest.site.stop()
    failed = len(result.failures) + len(result.errors)
    print(f'{result.testsRun - failed} passed, {failed} failed')
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
