"""Headless Chromium over Selenium, and a static web server on 127.0.0.1,
for the page's tests and measurements. Debian's chromium, chromium-driver and
python3-selenium."""

import contextlib
import functools
import http.server
import shutil
import socketserver
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """Serves a folder as any static web server would, on a free port."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=str(folder))
        socketserver.TCPServer.allow_reuse_address = True
        self._server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = f'http://127.0.0.1:{self._server.server_address[1]}/'
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def stop(self):
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
def chromium(language='zh-CN'):
    """A fresh headless Chromium in `language`, with a new empty profile;
    every request it makes is kept in its performance log."""
    profile = tempfile.mkdtemp(prefix='taruk-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in CHROMIUM_FLAGS + [f'--user-data-dir={profile}', f'--lang={language}']:
        options.add_argument(flag)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)
