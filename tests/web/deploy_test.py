#!/usr/bin/python3
"""The page served from a folder that is replaced as a deploy replaces it,
in headless Chromium: two real builds whose modules differ (in their initial
memory, by which the test tells which one runs). A new build uploaded at once
runs from the second load on; an upload that stops with the new page but the
old module keeps the old version whole, online and offline, and the new one
takes over once the upload is complete.

usage: deploy_test.py --old SITE --new SITE --new-memory BYTES
"""

import argparse
import pathlib
import re
import shutil
import sys
import tempfile
import unittest

from browser import STARTED, QuietHandler, Site, chromium, wait_for

# The files a half-done upload has not replaced yet: the module.
MODULE = ('taruk.js', 'taruk.wasm')

# Waits until the worker's update check has ended, one way or the other,
# and returns the page's stores.
SETTLE = """
const done = arguments[arguments.length - 1];
(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  try { await registration.update(); } catch {}
  const pause = () => new Promise((resolve) => setTimeout(resolve, 20));
  const busy = () => registration.installing || registration.waiting
    || registration.active.state !== 'activated';
  for (let i = 0; i < 10 || busy(); ++i) await pause();
  return caches.keys();
})().then(done, (error) => done(String(error)));
"""
# Keeps the size of the memory each WebAssembly instance starts with (the
# module's exports are minified: its memory is found by its type).
WATCH = """
window.instantiated = [];
const instantiate = WebAssembly.instantiate;
WebAssembly.instantiate = async function (...args) {
  const result = await instantiate.apply(this, args);
  const instance = result instanceof WebAssembly.Instance ? result : result.instance;
  const memory = Object.values(instance.exports).find((e) => e instanceof WebAssembly.Memory);
  window.instantiated.push(memory.buffer.byteLength);
  return result;
};
"""


class RedirectingHost(QuietHandler):
    """A host that sends the folder's address on to its index.html."""

    def do_GET(self):
        if self.path != '/':
            return super().do_GET()
        self.send_response(302)
        self.send_header('Location', 'index.html')
        self.send_header('Content-Length', '0')
        self.end_headers()
        return None


def version(site):
    return re.search(r"const VERSION = '(\w+)'", (site / 'sw.js').read_text()).group(1)


def upload(source, folder, files=None):
    """Copies the files of a build (or only `files`) into the served folder;
    with new times, as an upload gives them."""
    for file in sorted(source.iterdir()):
        if files is None or file.name in files:
            shutil.copy(file, folder / file.name)


class Deployed(unittest.TestCase):
    """A folder the test uploads builds to, served; a fresh Chromium."""

    old = new = None
    new_memory = 0

    host = QuietHandler

    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix='taruk-deploy-'))
        upload(self.old, self.folder)
        self.site = Site(self.folder, handler=self.host)
        self.browser = chromium()
        self.driver = self.browser.__enter__()
        self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH})

    def tearDown(self):
        self.browser.__exit__(None, None, None)
        self.site.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    def memory(self):
        """The first memory of each WebAssembly instance the page made."""
        return self.driver.execute_script('return window.instantiated')

    def load(self, where):
        """Loads the page; returns its module's memory once it calculates."""
        self.driver.get(self.site.url)
        self.assertTrue(wait_for(self.driver, STARTED), f'{where}: the page did not start')
        self.driver.find_element('id', 'Command1').click()
        self.assertEqual(self.driver.execute_script('return Text6.value'), '1.5', where)
        (memory,) = self.memory()
        return memory

    def settle(self):
        self.driver.set_script_timeout(30)
        return self.driver.execute_async_script(SETTLE)

    def store(self, site):
        return f'taruk {self.site.url} {version(site)}'

    def offline(self):
        """Stops the server; returns the memory of the page loaded without
        it, and starts the server again on the same address."""
        self.site.stop()
        try:
            return self.load('offline')
        finally:
            self.site = Site(self.folder, self.site.port, self.host)

    def first_visit(self):
        first = self.load('first visit')
        self.assertNotEqual(first, self.new_memory, 'the two builds cannot be told apart')
        self.assertTrue(self.driver.execute_script(
            'return navigator.serviceWorker.ready.then(() => true)'))
        self.assertEqual(self.settle(), [self.store(self.old)])
        return first


class Deploy(Deployed):
    """Two real builds, uploaded at once or in two halves."""

    def test_AnUpdateDoneAtOnceRunsFromTheSecondLoad(self):
        old = self.first_visit()
        upload(self.new, self.folder)
        # The first load after the deploy may still run the stored build;
        # it finds the new one, which is stored whole and takes over.
        self.assertIn(self.load('first load after the deploy'), (old, self.new_memory))
        self.assertEqual(self.settle(), [self.store(self.new)])
        self.assertEqual(self.load('second load after the deploy'), self.new_memory)
        self.assertEqual(self.offline(), self.new_memory)

    def test_AnUploadStoppedHalfWayKeepsTheOldVersionUntilItCompletes(self):
        old = self.first_visit()
        upload(self.new, self.folder, [f.name for f in self.new.iterdir() if f.name not in MODULE])
        # The new worker finds the old module where its hashes want the new
        # one: it is not installed, and the old version keeps serving, whole.
        for load in ('first', 'second', 'third'):
            self.assertEqual(self.load(f'{load} load of the half upload'), old)
            self.assertEqual(self.settle(), [self.store(self.old)], load)
        self.assertEqual(self.offline(), old)
        upload(self.new, self.folder, MODULE)
        self.load('first load of the whole upload')
        self.assertEqual(self.settle(), [self.store(self.new)])
        self.assertEqual(self.load('second load of the whole upload'), self.new_memory)
        self.assertEqual(self.offline(), self.new_memory)


class RedirectedDeploy(Deployed):
    """A host that redirects the folder's address to index.html: the page is
    stored as a plain response, which a browser accepts for a navigation."""

    host = RedirectingHost

    def test_ThePageOpensOffline(self):
        old = self.first_visit()
        self.assertEqual(self.offline(), old)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--old', required=True, type=pathlib.Path)
    parser.add_argument('--new', required=True, type=pathlib.Path)
    parser.add_argument('--new-memory', required=True, type=int)
    args = parser.parse_args()
    Deployed.old, Deployed.new, Deployed.new_memory = args.old, args.new, args.new_memory
    loader = unittest.defaultTestLoader
    suite = unittest.TestSuite(loader.loadTestsFromTestCase(c) for c in (Deploy, RedirectedDeploy))
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    failed = len(result.failures) + len(result.errors)
    print(f'{result.testsRun - failed} passed, {failed} failed')
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
