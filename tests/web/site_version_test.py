#!/usr/bin/python3
"""The site's version follows every file it ships: app/web/site.cmake is run
on copies of the page's sources, then once more after each input file has
one byte changed. Whenever a shipped file other than sw.js changed, the
version in sw.js must have changed too, or a returning player's offline copy
would never be replaced. sw.js must also name every file it is to store and
the page itself ('./'), and every file the page, its manifest and its
scripts refer to must be in the site.

usage: site_version_test.py [--cmake CMAKE]   (from anywhere; takes about 10 s)
"""

import argparse
import base64
import hashlib
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
VERSION = re.compile(r'''\bVERSION\s*=\s*['"]([^'"]+)['"]''')


def build(cmake, inputs, site):
    subprocess.run([cmake, f'-DSITE={site}', f'-DAPP={inputs / "app"}', f'-DWEB={inputs / "web"}',
                    f'-DICON={inputs / "icon.svg"}', f'-DMODULE_DIR={inputs / "module"}',
                    f'-DMARKUP_DIR={inputs / "markup"}',
                    '-P', str(ROOT / 'app/web/site.cmake')], check=True, capture_output=True,
                   cwd=site.parent)  # a broken script's stray files go there
    shipped = {p.relative_to(site).as_posix(): p.read_bytes()
               for p in sorted(site.rglob('*')) if p.is_file()}
    worker = shipped.get('sw.js')
    if worker is None:
        sys.exit('site.cmake wrote no sw.js')
    version = VERSION.search(worker.decode())
    if not version:
        sys.exit('sw.js names no VERSION')
    return version.group(1), shipped


# What the page, the manifest and the scripts load: href="x", src="x",
# "src": "x", import ... from './x'.
REFERENCE = re.compile(r'''(?:\b(?:href|src)=|"src":\s*|\bfrom\s+|\bimport\s*\(\s*)["']([^"'#?:]+)["']''')


def missing_references(shipped):
    missing = []
    for name, data in shipped.items():
        if not name.endswith(('.html', '.webmanifest', '.js', '.css')) or name == 'sw.js':
            continue
        for reference in REFERENCE.findall(data.decode(errors='replace')):
            target = (pathlib.PurePosixPath(name).parent / reference).as_posix()
            target = target[2:] if target.startswith('./') else target
            if target not in shipped:
                missing.append(f'{name} refers to {reference}, which the site lacks')
    return missing


# An entry of the worker's list: ['file', 'sha256-<base64>'].
INTEGRITY = re.compile(r"""\[\s*'([^']+)'\s*,\s*'sha256-([A-Za-z0-9+/=]+)'\s*\]""")


def wrong_integrity(shipped):
    """The files whose hash in sw.js is not the browser's (Subresource
    Integrity: the SHA-256 of the file's bytes, in base64)."""
    listed = dict(INTEGRITY.findall(shipped['sw.js'].decode()))
    wrong = []
    for name, data in shipped.items():
        if name == 'sw.js':
            continue
        expected = base64.b64encode(hashlib.sha256(data).digest()).decode()
        if listed.get(name) != expected:
            wrong.append(f'sw.js checks {name} against {listed.get(name)}, not {expected}')
    if listed.get('./') != listed.get('index.html'):
        wrong.append("sw.js checks './' against another hash than index.html")
    return wrong


PRELOADS = re.compile(r'<link rel="modulepreload" href="[^"]+">\n')


def missing_window(shipped, inputs):
    """The page and its sheet as the build wrote them, the page preloading
    every script of the site that it does not run itself."""
    missing = []
    page = shipped['index.html'].decode()
    written = (inputs / 'markup/index.html').read_text()
    if PRELOADS.sub('', page) != written.replace('@TARUK_PRELOADS@\n', ''):
        missing.append("index.html is not the page the build wrote")
    for name in shipped:
        if name.endswith('.js') and name != 'sw.js' and f'src="{name}"' not in page \
                and f'<link rel="modulepreload" href="{name}">\n' not in page:
            missing.append(f'index.html does not preload {name}')
    if shipped.get('calculator.css') != (inputs / 'markup/calculator.css').read_bytes():
        missing.append("calculator.css is not the sheet the build wrote")
    return missing


def flip_last_byte(path):
    data = bytearray(path.read_bytes())
    data[-1] ^= 1  # the same length: a version made of sizes would not see it
    path.write_bytes(bytes(data))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--cmake', default='cmake')
    cmake = parser.parse_args().cmake
    failures = []
    with tempfile.TemporaryDirectory() as temporary:
        inputs = pathlib.Path(temporary, 'in')
        site = pathlib.Path(temporary, 'site')
        shutil.copytree(ROOT / 'app/web', inputs / 'app')
        shutil.copytree(ROOT / 'ui/web', inputs / 'web')
        shutil.copyfile(next((ROOT / 'data').glob('*.svg')), inputs / 'icon.svg')
        (inputs / 'module').mkdir()
        (inputs / 'module/taruk.js').write_text('export default function TarukModule() {}\n')
        (inputs / 'module/taruk.wasm').write_bytes(b'\0asm\1\0\0\0')
        # The page and its sheet, as the build writes them.
        (inputs / 'markup').mkdir()
        (inputs / 'markup/index.html').write_text(
            '<script type="module" src="calculator.js"></script>\n@TARUK_PRELOADS@\n'
            '<main id="CalculatorForm"></main>\n')
        (inputs / 'markup/calculator.css').write_text(':where(#CalculatorForm) { width: 386px; }\n')

        version, shipped = build(cmake, inputs, site)
        again, _ = build(cmake, inputs, site)
        if again != version:
            failures.append(f'two builds of the same files differ in version: {version}, {again}')
        worker = shipped['sw.js'].decode()
        failures += missing_references(shipped)
        failures += wrong_integrity(shipped)
        failures += missing_window(shipped, inputs)
        for name in ('index.html', 'taruk.js', 'taruk.wasm'):
            if name not in shipped:
                failures.append(f'the site lacks {name}')
        if "'./'" not in worker and '"./"' not in worker:
            failures.append("sw.js does not store the page itself, './'")
        for name in shipped:
            if name != 'sw.js' and f"'{name}'" not in worker and f'"{name}"' not in worker:
                failures.append(f'sw.js does not store {name}')

        changed_any = False
        for source in sorted(p for p in inputs.rglob('*') if p.is_file()):
            original = source.read_bytes()
            if not original:
                continue
            flip_last_byte(source)
            new_version, new_shipped = build(cmake, inputs, site)
            source.write_bytes(original)
            differs = [n for n in set(shipped) | set(new_shipped)
                       if n != 'sw.js' and shipped.get(n) != new_shipped.get(n)]
            if source.name == 'sw.js.in' and new_version == version:
                # The worker alone changed: a returning player must get it.
                failures.append(f'sw.js.in changed but the version stayed {version}')
            if not differs:
                continue  # not shipped (site.cmake, CMakeLists.txt, ...)
            changed_any = True
            if new_version == version:
                failures.append(f'{source.relative_to(inputs)} changed {", ".join(sorted(differs))}'
                                f' but the version stayed {version}')
        if not changed_any:
            failures.append('no input file changed the site: the test is not testing')

    for failure in failures:
        print(f'FAIL: {failure}')
    if failures:
        return 1
    print(f'the version followed every shipped file ({len(shipped) - 1} files)')
    return 0


if __name__ == '__main__':
    sys.exit(main())
