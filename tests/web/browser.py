"""Headless Chromium over Selenium, WebKitGTK's MiniBrowser on a private
Xvfb display, and a static web server on 127.0.0.1, for the page's tests and
measurements. Debian's chromium, chromium-driver, webkit2gtk-driver, xvfb and
python3-selenium."""

import contextlib
import functools
import glob
import http.server
import os
import shutil
import socketserver
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.common.exceptions import NoSuchFrameException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions
from selenium.webdriver.webkitgtk.service import Service as WebKitService


# The README's worked example, box by box: 10233.6 and 18420.48 once
# calculated (raw damage 5000, correction 1.2, bonuses, counters 5, frenzy 20).
WORKED_EXAMPLE = {
    'Text1': '5000', 'Text2': '1.2', 'Text10': '100', 'Text11': '50', 'Text12': '50',
    'Text13': '100', 'Text24': '30', 'Text5': '20', 'Text7': '5', 'Text8': '5', 'Text9': '5',
    'Text14': '5', 'Text15': '5', 'Text16': '5', 'Text17': '5', 'Text18': '5', 'Text19': '5',
    'Text20': '5', 'Text21': '5', 'Text23': '5'}

# The page has started: the window is no longer busy, and the focus is in
# its first box.
STARTED = """return document.activeElement.id === 'Text1'
    && document.getElementById('CalculatorForm').getAttribute('aria-busy') === 'false'"""


def wait_for(driver, script, timeout=10):
    """Runs `script` in the page until it returns something true, or for
    `timeout` seconds; returns what it returned last. A page that unloads
    while asked (one being left for the next) has not got there yet."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = driver.execute_script(script)
        except NoSuchFrameException:
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.01)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, held=None, **kwargs):
        self._held = held
        super().__init__(*args, **kwargs)

    def do_GET(self):
        if self._held and self.path.lstrip('/') in self._held[0]:
            self._held[1].wait()
        super().do_GET()

    def log_message(self, *args):
        pass


class Site:
    """Serves a folder as any static web server would, on a free port or on
    `port` (the same address again, after a stop), with `handler` (a
    QuietHandler) answering the requests. The files named in `held` are sent
    only once release() is called, as over a slow network."""

    def __init__(self, folder, port=0, handler=QuietHandler, held=()):
        self._release = threading.Event()
        handler = functools.partial(handler, directory=str(folder),
                                    held=(set(held), self._release))
        socketserver.TCPServer.allow_reuse_address = True
        self._server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.port = self._server.server_address[1]
        self.url = f'http://127.0.0.1:{self._server.server_address[1]}/'
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def release(self):
        self._release.set()

    def stop(self):
        self._release.set()
        if self._server:
            self._server.shutdown()
            self._server.server_close()
            self._thread.join()
            self._server = None


# Without the background-networking flags Chromium tries to reach its own
# services, which this test machine refuses.
CHROMIUM_FLAGS = [
    '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage', '--window-size=800,700',
]


@contextlib.contextmanager
def chromium(language='zh-CN', wait_for_load=True):
    """A fresh headless Chromium in `language`, with a new empty profile;
    every request it makes is kept in its performance log. Without
    `wait_for_load`, opening a page returns once its document has loaded."""
    profile = tempfile.mkdtemp(prefix='taruk-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in CHROMIUM_FLAGS + [f'--user-data-dir={profile}', f'--lang={language}']:
        options.add_argument(flag)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
    if not wait_for_load:
        options.page_load_strategy = 'eager'
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


@contextlib.contextmanager
def private_display():
    """An Xvfb display of its own (the number Xvfb picks), for one browser."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24',
                             '-nolisten', 'tcp'], pass_fds=[write],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbers:
        number = numbers.readline().strip()
    try:
        if not number:
            raise RuntimeError('Xvfb did not start')
        yield f':{number}'
    finally:
        xvfb.terminate()
        xvfb.wait()


# WebKitGTK's language is the process's locale, which must exist: under an
# unknown one GTK falls back to C, and WebKit then reports
# navigator.languages as ['C'] or 'en-US'. Each language gets its own
# browser, with its locale compiled into a private folder (LOCPATH), so that
# the machine's own locales do not matter.
WEBKIT_LOCALES = {'zh-CN': ('zh_CN', 'zh_CN.UTF-8'), 'de-DE': ('de_DE', 'de_DE.UTF-8'),
                  'en-US': ('en_US', 'en_US.UTF-8')}


@contextlib.contextmanager
def private_locale(language):
    """LOCPATH and the locale name for `language` (needs Debian's locales)."""
    source, name = WEBKIT_LOCALES[language]
    folder = tempfile.mkdtemp(prefix='taruk-locale-')
    try:
        subprocess.run(['localedef', '-i', source, '-f', 'UTF-8', f'{folder}/{name}'], check=True,
                       stdout=subprocess.DEVNULL)
        yield folder, name
    finally:
        shutil.rmtree(folder, ignore_errors=True)


@contextlib.contextmanager
def webkit(language='zh-CN', wait_for_load=True):
    """WebKitGTK's MiniBrowser in `language`, driven by WebKitWebDriver on a
    private Xvfb display: the engine of every browser on an iPhone. Without
    `wait_for_load`, opening a page returns at once: WebKitWebDriver's
    "eager" waits, now and then, for a load that a module held back holds
    up, until its page-load timeout."""
    minibrowser = sorted(glob.glob('/usr/lib/*/webkit2gtk-4.*/MiniBrowser'))
    if not minibrowser:
        raise RuntimeError('no MiniBrowser: install webkit2gtk-driver')
    with private_display() as display, private_locale(language) as (locpath, locale):
        env = dict(os.environ, DISPLAY=display, LOCPATH=locpath, LANG=locale, LC_ALL=locale,
                   LANGUAGE='',
                   # The sandbox needs user namespaces, which containers
                   # seldom grant; the page is our own.
                   WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS='1',
                   # Xvfb has no GPU buffers to share.
                   WEBKIT_DISABLE_DMABUF_RENDERER='1', LIBGL_ALWAYS_SOFTWARE='1')
        env.pop('WAYLAND_DISPLAY', None)
        service = WebKitService('/usr/bin/WebKitWebDriver', env=env)
        service.start()
        options = WebKitOptions()
        options.binary_location = minibrowser[-1]
        options.add_argument('--automation')
        if not wait_for_load:
            options.page_load_strategy = 'none'
        try:
            driver = webdriver.Remote(command_executor=service.service_url, options=options)
            try:
                driver.set_window_size(800, 700)
                yield driver
            finally:
                driver.quit()
        finally:
            service.stop()
