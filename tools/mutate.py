#!/usr/bin/python3
"""Mutation testing of the wiring: plants one simple fault at a time in the
shared behaviour rules (ui/form), the three windows' stores, notifiers and
event glue, and the web site's versioning, rebuilds, runs the suite that
covers the file, and says which faults no test caught.

    tools/mutate.py [options] TARGET...      TARGET: form qt win web site
    tools/mutate.py --list TARGET...         the mutants, without running them

Operators, applied one at a time:
  C++ and JavaScript: delete a statement (also the one statement of a
    one-line block, such as a lambda's); drop a condition (an `if` made
    always or never true; one operand of && or || removed; a `!` removed);
    negate a comparison (== and !=, < and >=, > and <=, === and !==).
  CMake: delete a command; drop one argument, or one ${...} inside a quoted
    argument.

Mutation points are found by pattern in whatever the files hold now, so the
script needs no change when code moves; for the windows' larger files only
the functions named in TARGETS below are mutated. Each target first builds
and runs its suite unchanged, and stops with an error if that fails.
Every mutated file is restored afterwards, on failure and on Ctrl+C too; a
copy of it waits in build-mutate-backup/ meanwhile, and a run killed outright
restores it at its next start.

Each mutant ends as KILLED (a test failed, or the suite timed out), SURVIVED
(every test passed) or NO-BUILD (it did not compile). Survivors are listed
with file:line and the mutation at the end, and written to --report.
Exit status: 0 when every mutant ran (survivors included, unless
--fail-on-survivors), 2 on the script's own errors.

Builds (configure them first; see docs/mutation.md):
  form, qt: a native build, $TARUK_MUTATE_NATIVE (build-mut/);
  win:      a mingw build with tests, $TARUK_MUTATE_WIN (build-mut-win/),
            run under Wine on a private display;
  web:      an emscripten build with tests, $TARUK_MUTATE_WASM
            (build-mut-wasm/), the page's tests in headless Chromium;
  site:     no build: tests/web/site_version_test.py runs site.cmake.
"""

import argparse
import dataclasses
import fcntl
import fnmatch
import glob
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BACKUP = ROOT / 'build-mutate-backup'

# A suite per target: the files it covers, how to build and test them.
# `functions` limits a file to the bodies of the functions whose names match
# (a regular expression searched in the line that starts the definition).
WIN_SUITE = ('. tools/headless.sh && export WINEPREFIX={win}/wineprefix '
             '&& trap stop_wine_desktop EXIT && start_wine_desktop '
             '&& cd {win} && ctest --output-on-failure '
             '-R "^(win_window|win_scenarios|win_system_texts_C)$"')
TARGETS = {
    'form': {
        'files': ['ui/form/*.cpp', 'ui/form/*.h'],
        # The scenarios are test data; the layout and font lists are data that
        # the compiler checks.
        'exclude': ['ui/form/FormLayout.h', 'ui/form/PhoneLayout.h', 'ui/form/FontFaces.h'],
        'build': 'cmake --build {native} --target core_tests',
        # Without the core's long property tests: ui/form cannot change them.
        'test': ['{native}/tests/core_tests --gtest_brief=1 '
                 '--gtest_filter=-FormatAgainstPrintf.*:RoundTrip.*'],
        'timeout': 300,
    },
    'qt': {
        'files': ['ui/qt/WidgetFieldStore.cpp', 'ui/qt/MessageBoxNotifier.cpp',
                  'ui/qt/CalculatorForm.cpp', 'ui/qt/TextBox.cpp', 'ui/qt/CommandButton.cpp'],
        'functions': {'ui/qt/CalculatorForm.cpp': r'CalculatorForm::(CalculatorForm|connectControls)\b'},
        'build': 'cmake --build {native} --target ui_tests',
        'test': ['env LANG=C LC_ALL=C {native}/tests/qt/ui_tests --gtest_brief=1 '
                 '--gtest_filter=-DecimalComma.*',
                 'env LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 {native}/tests/qt/ui_tests '
                 '--gtest_brief=1 --gtest_filter=DecimalComma.*'],
        'timeout': 600,
    },
    'win': {
        'files': ['ui/win/EditFieldStore.cpp', 'ui/win/MessageBoxNotifier.cpp',
                  'ui/win/ChineseMessageBox.cpp', 'ui/win/CalculatorForm.cpp',
                  'ui/win/TextBoxSubclass.cpp', 'ui/win/ButtonSubclass.cpp'],
        'functions': {'ui/win/CalculatorForm.cpp':
                      r'CalculatorForm::(onCommand|preTranslateMessage|buttonOf)\b'},
        'build': 'cmake --build {win} --target win_tests',
        'test': [WIN_SUITE],
        'timeout': 900,
        'sample': 8,
    },
    'web': {
        'files': ['ui/web/InputFieldStore.cpp', 'ui/web/DialogNotifier.cpp',
                  'ui/web/CalculatorPage.cpp', 'ui/web/*.js', 'ui/web/*/*.js', 'app/web/sw.js.in'],
        # In the page's scripts: the notice, the call queue's methods and the listeners
        # that call the module.
        'functions': {
            'ui/web/*.js': r'\bshowNotice\(|^\s*(async\s+)?#?(send|report|queue|drain|replaceModule)\(|'
                           r"addEventListener\('(click|input|composition\w*|keydown)'",
        },
        'build': 'cmake --build {wasm} --target taruk_site scenario_export',
        'test': ['cd {wasm} && ctest --output-on-failure -R "^web_page$"'],
        'timeout': 1200,
        'sample': 8,
    },
    'site': {
        'files': ['app/web/site.cmake'],
        'build': None,
        'test': ['/usr/bin/python3 tests/web/site_version_test.py'],
        'timeout': 300,
    },
}


class Fatal(Exception):
    """The script's own failure: a broken baseline, a pattern that no longer
    finds anything, a build directory that is missing."""


@dataclasses.dataclass
class Mutant:
    path: str  # relative to ROOT
    line: int  # 1-based
    operator: str
    before: str
    after: str
    text: str  # the whole mutated file

    def label(self):
        return f'{self.path}:{self.line} {self.operator}: {self.before!r} -> {self.after!r}'


# ---------------------------------------------------------------- scanning


def mask(code, lang):
    """`code` with the insides of string and character literals blanked,
    the same length, so that operators are never found inside a text."""
    quotes = {'js': '"\'`', 'cpp': '"\'', 'cmake': '"'}[lang]
    out = []
    quote = None
    escaped = False
    for c in code:
        if quote:
            if escaped:
                escaped = False
                out.append('_')
            elif c == '\\':
                escaped = True
                out.append('_')
            elif c == quote:
                quote = None
                out.append(c)
            else:
                out.append('_')
        else:
            if c in quotes:
                quote = c
            out.append(c)
    return ''.join(out)


def code_of(line, lang):
    """The line without its comment, masked; None for a comment or
    preprocessor line."""
    stripped = line.strip()
    if not stripped or stripped.startswith(('//', '/*', '*', '#')):
        return None
    masked = mask(line, lang)
    cut = masked.find('//')
    if cut >= 0:
        masked = masked[:cut]
    return masked.rstrip()


def function_lines(lines, pattern, lang):
    """The line numbers (0-based) inside the definitions whose first line
    matches `pattern`: from that line to the brace that closes the body.
    In C++ a definition starts in the first column; in a script anywhere."""
    chosen = set()
    regex = re.compile(pattern)
    index = 0
    while index < len(lines):
        if (lang == 'js' or not lines[index].startswith((' ', '\t'))) and regex.search(lines[index]):
            depth = 0
            opened = False
            end = index
            while end < len(lines):
                code = code_of(lines[end], lang) or ''
                depth += code.count('{') - code.count('}')
                opened = opened or '{' in code
                chosen.add(end)
                if opened and depth <= 0:
                    break
                end += 1
            index = end
        index += 1
    return chosen


DECLARATION = re.compile(
    r'^(?:(?:inline|const|static|constexpr|let|var)\s+)*'
    r'(?:auto|[A-Za-z_][\w:]*(?:<[^;=]*>)?)\s*[*&]*\s+[*&]*\[?[A-Za-z_][\w, ]*\]?\s*(?:=|\(|\{|;|\[)')
NOT_DECLARATION = ('emit ', 'return', 'delete ', 'throw ', 'else', 'goto ', 'await ', 'yield ')
STARTS_ELSEWHERE = ('if ', 'if(', 'for ', 'for(', 'while ', 'switch ', 'case ', 'default:',
                    'namespace ', 'using ', 'template', 'class ', 'struct ', 'enum ', 'public:',
                    'private:', 'protected:', 'import ', 'export ', '}', ':', ',', '?', '.',
                    '&&', '||', '+', '-', '<<', '>>', ')')


def statement_spans(lines, codes, lang):
    """(first, last) line pairs of statements that may be deleted whole."""
    spans = []
    previous = '{'
    for index, code in enumerate(codes):
        if code is None:
            continue
        stripped = code.strip()
        starts = previous.endswith((';', '{', '}', ')')) or previous in ('else',) \
            or re.search(r'\b(case [^:]+|default):$', previous)
        previous = stripped
        if not starts or stripped.startswith(STARTS_ELSEWHERE) or stripped.startswith('{'):
            continue
        if re.match(r'return\s+[^;]', stripped) and lang == 'cpp':
            continue  # a function without its value does not build
        if DECLARATION.match(stripped) and not stripped.startswith(NOT_DECLARATION):
            continue
        if re.search(r'=\s*(delete|default);$', stripped):
            continue
        if lang == 'js' and re.match(r'(const|let|var|function|async function)\b', stripped):
            continue
        parens = braces = 0
        for end in range(index, min(index + 15, len(codes))):
            part = codes[end] or ''
            parens += part.count('(') - part.count(')')
            braces += part.count('{') - part.count('}')
            if parens < 0 or braces < 0:
                break
            if parens == 0 and braces == 0:
                if part.rstrip().endswith(';'):
                    spans.append((index, end))
                break  # a statement ends on the line its brackets close
    return spans


def group_bounds(masked, position):
    """The innermost (...) group, or statement part, around `position`."""
    depth = 0
    start = 0
    for i in range(position - 1, -1, -1):
        c = masked[i]
        if c == ')':
            depth += 1
        elif c == '(':
            if depth == 0:
                start = i + 1
                break
            depth -= 1
        elif depth == 0 and (c in ';{?,' or (c == ':' and ':' not in masked[i - 1:i + 2:2])
                             or (c == '=' and masked[i - 1] not in '=!<>' and masked[i + 1] != '=')):
            start = i + 1
            break
    keyword = re.match(r'\s*return\b', masked[start:])
    if keyword:
        start += keyword.end()
    depth = 0
    end = len(masked)
    for i in range(position, len(masked)):
        c = masked[i]
        if c == '(':
            depth += 1
        elif c == ')':
            if depth == 0:
                end = i
                break
            depth -= 1
        elif depth == 0 and (c in ';{?,' or (c == ':' and ':' not in masked[i - 1:i + 2:2])):
            end = i
            break
    return start, end


def operands(masked, start, end):
    """The operands of the top-level && and || between start and end, as
    (from, to) pairs, each with the operator that joins it to the rest."""
    depth = 0
    cuts = []
    i = start
    while i < end - 1:
        c = masked[i]
        if c in '([':
            depth += 1
        elif c in ')]':
            depth -= 1
        elif depth == 0 and masked[i:i + 2] in ('&&', '||'):
            cuts.append(i)
            i += 1
        i += 1
    if not cuts:
        return []
    bounds = [start] + cuts + [end]
    pieces = []
    for n in range(len(bounds) - 1):
        left = bounds[n] if n == 0 else bounds[n] + 2
        right = bounds[n + 1]
        # Removed with the operator before it (or, for the first, after it).
        remove = (bounds[n], right) if n > 0 else (left, bounds[1] + 2)
        pieces.append(((left, right), remove))
    return pieces


NEGATED = {'==': '!=', '!=': '==', '===': '!==', '!==': '===', '<': '>=', '>=': '<', '>': '<=',
           '<=': '>'}
COMPARISON = re.compile(r'(?<=\s)(===|!==|==|!=|<=|>=|<|>)(?=\s)')


def code_mutants(path, text, lang, only_lines):
    lines = text.split('\n')
    codes = [code_of(line, lang) for line in lines]
    if only_lines is not None:
        codes = [c if i in only_lines else None for i, c in enumerate(codes)]
    found = []

    def add(index, operator, new_line, before, after):
        mutated = lines[:index] + [new_line] + lines[index + 1:]
        found.append(Mutant(path, index + 1, operator, before.strip(), after.strip(),
                            '\n'.join(mutated)))

    for first, last in statement_spans(lines, codes, lang):
        # An empty statement, so that `if (c) x; else y;` still parses.
        indent = lines[first][:len(lines[first]) - len(lines[first].lstrip())]
        mutated = lines[:first] + [indent + ';'] + [''] * (last - first) + lines[last + 1:]
        before = ' '.join(line.strip() for line in lines[first:last + 1])
        found.append(Mutant(path, first + 1, 'delete statement', before, '', '\n'.join(mutated)))

    for index, code in enumerate(codes):
        if code is None:
            continue
        line = lines[index]
        # The one statement of a one-line block: `{ router.press(b); }`.
        for match in re.finditer(r'\{ ([^{}]*;) \}', code):
            add(index, 'delete statement', line[:match.start()] + '{}' + line[match.end():],
                line[match.start():match.end()], '{}')
        for match in COMPARISON.finditer(code):
            op = match.group(1)
            add(index, 'negate comparison',
                line[:match.start()] + NEGATED[op] + line[match.end():], op, NEGATED[op])
        for match in re.finditer(r'\b(if|while) \(', code):
            open_at = match.end() - 1
            depth = 0
            for close_at in range(open_at, len(code)):
                depth += {'(': 1, ')': -1}.get(code[close_at], 0)
                if depth == 0:
                    break
            else:
                continue  # a condition over several lines: its operands are still mutated
            condition = line[open_at + 1:close_at]
            if DECLARATION.match(condition):
                continue  # `if (auto x = f())`: without it, x is undeclared
            for value in ('true', 'false'):
                add(index, 'drop condition', line[:open_at + 1] + value + line[close_at:],
                    condition, value)
        for match in re.finditer(r'(?<![\w)\]!])!(?!=)', code):
            add(index, 'drop negation', line[:match.start()] + line[match.end():],
                line[match.start():match.start() + 12], line[match.end():match.end() + 11])
        seen = set()
        for match in re.finditer(r'&&|\|\|', code):
            start, end = group_bounds(code, match.start())
            if (start, end) in seen:
                continue
            seen.add((start, end))
            for (left, right), (cut_from, cut_to) in operands(code, start, end):
                new_line = line[:cut_from] + line[cut_to:]
                add(index, 'drop condition', re.sub(r'\(\s+', '(', new_line),
                    line[left:right], '')
    return found


CMAKE_CONTROL = {'if', 'elseif', 'else', 'endif', 'foreach', 'endforeach', 'while', 'endwhile',
                 'function', 'endfunction', 'macro', 'endmacro', 'return', 'break', 'continue'}


def cmake_arguments(masked, start, end):
    """(from, to) of each argument between the command's parentheses."""
    spans = []
    i = start
    while i < end:
        if masked[i].isspace():
            i += 1
            continue
        j = i
        depth = 0
        while j < end and (depth > 0 or not masked[j].isspace()):
            depth += {'(': 1, ')': -1}.get(masked[j], 0)
            j += 1
        spans.append((i, j))
        i = j
    return spans


def cmake_mutants(path, text):
    found = []
    # Character offsets of each line's start, to report line numbers.
    starts = [0]
    for line in text.split('\n'):
        starts.append(starts[-1] + len(line) + 1)

    def line_of(offset):
        return next(n for n in range(len(starts)) if starts[n + 1] > offset) + 1

    masked = mask(text, 'cmake')
    masked = re.sub(r'#[^\n]*', lambda m: ' ' * len(m.group(0)), masked)
    for match in re.finditer(r'^[ \t]*(\w+)\(', masked, re.M):
        name = match.group(1)
        if name.lower() in CMAKE_CONTROL:
            continue
        open_at = match.end() - 1
        depth = 0
        for close_at in range(open_at, len(masked)):
            depth += {'(': 1, ')': -1}.get(masked[close_at], 0)
            if depth == 0:
                break
        command = text[match.start():close_at + 1].strip()
        line = line_of(match.start())
        found.append(Mutant(path, line, 'delete command', command, '',
                            text[:match.start(1)] + text[close_at + 1:]))
        arguments = cmake_arguments(masked, open_at + 1, close_at)
        for n, (a, b) in enumerate(arguments):
            argument = text[a:b]
            if n == 0 or not ('${' in argument or argument.startswith('"')):
                continue
            found.append(Mutant(path, line_of(a), 'drop argument', argument, '',
                                text[:a] + text[b:]))
            if argument.startswith('"'):
                for ref in re.finditer(r'\$\{\w+\}', argument):
                    inner = argument[:ref.start()] + argument[ref.end():]
                    found.append(Mutant(path, line_of(a), 'drop reference', argument, inner,
                                        text[:a] + inner + text[b:]))
    return found


def language(path):
    if path.endswith(('.js', '.js.in', '.mjs')):
        return 'js'
    if path.endswith('.cmake') or path.endswith('CMakeLists.txt'):
        return 'cmake'
    return 'cpp'


def mutants_of(path, pattern):
    text = (ROOT / path).read_text(encoding='utf-8')
    lang = language(path)
    if lang == 'cmake':
        return cmake_mutants(path, text)
    only = None
    if pattern:
        only = function_lines(text.split('\n'), pattern, lang)
    unique = {}
    for mutant in code_mutants(path, text, lang, only):
        unique.setdefault(mutant.text, mutant)
    return list(unique.values())


def functions_for(name, path):
    for pattern, functions in TARGETS[name].get('functions', {}).items():
        if fnmatch.fnmatch(path, pattern):
            return pattern, functions
    return None, None


def target_files(name):
    target = TARGETS[name]
    paths = []
    for pattern in target['files']:
        matched = sorted(glob.glob(pattern, root_dir=ROOT))
        if not matched and '*' not in pattern:
            raise Fatal(f'{name}: {pattern} does not exist: update TARGETS in {__file__}')
        paths += [p for p in matched
                  if not any(fnmatch.fnmatch(p, x) for x in target.get('exclude', []))]
    if not paths:
        raise Fatal(f'{name}: no file matches {target["files"]}')
    return paths


# ---------------------------------------------------------------- running


class Interrupted(Exception):
    pass


def on_signal(number, _frame):
    raise Interrupted(signal.Signals(number).name)


def run(command, dirs, timeout, log):
    """Runs a shell command in its own process group; True when it passed,
    False when it failed, None when it ran out of time."""
    command = command.format(**dirs)
    log.write(f'$ {command}\n')
    log.flush()
    process = subprocess.Popen(['nice', 'bash', '-c', command], cwd=ROOT, stdout=log,
                               stderr=subprocess.STDOUT, start_new_session=True)
    try:
        return process.wait(timeout=timeout) == 0
    except subprocess.TimeoutExpired:
        return None
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


def suite(target, dirs, log, test_timeout=None):
    """'passed', 'failed', 'timeout' or 'nobuild'; the seconds the tests took."""
    if target['build']:
        built = run(target['build'], dirs, target['timeout'], log)
        if built is None:
            return 'timeout', 0
        if not built:
            return 'nobuild', 0
    started = time.monotonic()
    deadline = started + (test_timeout or target['timeout'])
    for command in target['test']:
        left = deadline - time.monotonic()
        passed = run(command, dirs, max(left, 1), log) if left > 0 else None
        if passed is None:
            return 'timeout', 0
        if not passed:
            return 'failed', 0
    return 'passed', time.monotonic() - started


class signals_held:
    """Ctrl+C waits while a file is being written or restored."""

    def __enter__(self):
        signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM})

    def __exit__(self, *_):
        signal.pthread_sigmask(signal.SIG_UNBLOCK, {signal.SIGINT, signal.SIGTERM})


# Runs that may not overlap: every build compiles ui/form, so a form run
# excludes all others; the web build runs site.cmake. Others (qt and win,
# say) may run side by side.
PAIRED = {'site': {'web'}, 'web': {'site'}}


def lock_targets(names):
    """Locks the targets for this process's life, then puts back what a
    killed run of them left mutated."""
    folder = ROOT / 'build-mutate-locks'
    folder.mkdir(exist_ok=True)

    def take(lock_name, mode, what):
        lock = os.open(folder / lock_name, os.O_RDWR | os.O_CREAT)
        try:
            fcntl.flock(lock, mode | fcntl.LOCK_NB)
        except OSError:
            raise Fatal(f'a mutation run of {what} is going on in this checkout') from None

    take('every-target', fcntl.LOCK_EX if 'form' in names else fcntl.LOCK_SH,
         'form' if 'form' not in names else 'some target')
    wanted = set(names)
    for name in names:
        wanted |= PAIRED.get(name, set())
    for name in sorted(wanted):
        take(name, fcntl.LOCK_EX, name)
        restore_backups(name)


def restore_backups(name):
    """Puts back files a run killed outright left mutated."""
    folder = BACKUP / name
    if not folder.exists():
        return
    for copy in sorted(p for p in folder.rglob('*') if p.is_file()):
        original = ROOT / copy.relative_to(folder)
        shutil.copyfile(copy, original)
        print(f'mutate: restored {original.relative_to(ROOT)} from an interrupted run',
              file=sys.stderr)
    shutil.rmtree(folder)


def apply(name, mutant):
    """Writes the mutant; returns the function that restores the file."""
    original = ROOT / mutant.path
    saved = original.read_bytes()
    copy = BACKUP / name / mutant.path
    copy.parent.mkdir(parents=True, exist_ok=True)
    copy.write_bytes(saved)
    original.write_text(mutant.text, encoding='utf-8')

    def restore():
        original.write_bytes(saved)
        shutil.rmtree(BACKUP / name, ignore_errors=True)
    return restore


def build_dirs(args):
    dirs = {'native': args.native, 'win': args.win, 'wasm': args.wasm}
    return {k: str(pathlib.Path(v).resolve()) for k, v in dirs.items()}


def needed_dir(name, dirs):
    target = TARGETS[name]
    for key in ('native', 'win', 'wasm'):
        used = '{' + key + '}'
        if used in (target['build'] or '') or any(used in t for t in target['test']):
            if not (pathlib.Path(dirs[key]) / 'CMakeCache.txt').exists():
                raise Fatal(f'{name}: {dirs[key]} is not a configured build (docs/mutation.md)')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('targets', nargs='+', choices=sorted(TARGETS))
    parser.add_argument('--list', action='store_true', help='list the mutants and stop')
    parser.add_argument('--sample', type=int, help='at most this many mutants a target '
                        '(win and web default to 8)')
    parser.add_argument('--all', action='store_true', help='every mutant, even for win and web')
    parser.add_argument('--seed', type=int, default=19, help='of the sample (default 19)')
    parser.add_argument('--only', help='only mutants whose label matches this regex')
    parser.add_argument('--timeout', type=int, help="seconds a mutant's tests may take (default: "
                        "five times the unchanged tests', at least 60)")
    parser.add_argument('--native', default=os.environ.get('TARUK_MUTATE_NATIVE', ROOT / 'build-mut'))
    parser.add_argument('--win', default=os.environ.get('TARUK_MUTATE_WIN', ROOT / 'build-mut-win'))
    parser.add_argument('--wasm', default=os.environ.get('TARUK_MUTATE_WASM', ROOT / 'build-mut-wasm'))
    parser.add_argument('--log', default=ROOT / 'build-mut' / 'mutate.log',
                        help='build and test output (default build-mut/mutate.log)')
    parser.add_argument('--report', help='also write the results to this file')
    parser.add_argument('--fail-on-survivors', action='store_true')
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)
    # Two runs of one target would restore each other's files. A listing only
    # reads, but may then see a file another run has mutated.
    if not args.list:
        lock_targets(args.targets)
    dirs = build_dirs(args)

    plan = []
    for name in args.targets:
        chosen = []
        matched = set()
        for path in target_files(name):
            key, functions = functions_for(name, path)
            found = mutants_of(path, functions)
            if found:
                matched.add(key)
            chosen += found
        for key, functions in TARGETS[name].get('functions', {}).items():
            if key not in matched:
                raise Fatal(f'{name}: no function {functions!r} in {key}: update TARGETS in '
                            f'{__file__}')
        if args.only:
            chosen = [m for m in chosen if re.search(args.only, m.label())]
        limit = None if args.all else args.sample or TARGETS[name].get('sample')
        if limit is not None and len(chosen) > limit:
            total = len(chosen)
            chosen = sorted(random.Random(args.seed).sample(chosen, limit),
                            key=lambda m: (m.path, m.line))
            print(f'{name}: a sample of {limit} of {total} mutants (seed {args.seed})')
        if not chosen:
            raise Fatal(f'{name}: no mutant found')
        plan.append((name, chosen))

    if args.list:
        for name, chosen in plan:
            for mutant in chosen:
                print(f'{name}  {mutant.label()}')
        return 0

    log_path = pathlib.Path(args.log)
    log_path.parent.mkdir(parents=True, exist_ok=True)
    results = []
    with open(log_path, 'w', encoding='utf-8') as log:
        for name, chosen in plan:
            target = TARGETS[name]
            needed_dir(name, dirs)
            started = time.monotonic()
            log.write(f'=== {name}: baseline\n')
            baseline, tested = suite(target, dirs, log)
            if baseline != 'passed':
                raise Fatal(f'{name}: the unchanged suite {baseline}; see {log_path}')
            # A mutant that loops forever is caught by its time: several times
            # the unchanged tests', as the machine may be busy.
            test_timeout = args.timeout or min(target['timeout'], max(60, 5 * tested))
            spent = time.monotonic() - started
            print(f'{name}: baseline passed in {spent:.0f} s (tests {tested:.0f} s); '
                  f'{len(chosen)} mutants, each tested for at most {test_timeout:.0f} s')
            for number, mutant in enumerate(chosen, 1):
                log.write(f'=== {name} {number}: {mutant.label()}\n')
                started = time.monotonic()
                with signals_held():
                    restore = apply(name, mutant)
                try:
                    outcome, _ = suite(target, dirs, log, test_timeout)
                finally:
                    with signals_held():
                        restore()
                verdict = {'passed': 'SURVIVED', 'failed': 'KILLED', 'timeout': 'KILLED',
                           'nobuild': 'NO-BUILD'}[outcome]
                note = ' (timed out)' if outcome == 'timeout' else ''
                print(f'[{name} {number}/{len(chosen)}] {verdict:8} {mutant.label()}{note} '
                      f'({time.monotonic() - started:.0f} s)', flush=True)
                results.append((name, verdict, mutant))
            # The build directory back to the unchanged sources.
            if target['build']:
                run(target['build'], dirs, target['timeout'], log)

    lines = []
    for name, _ in plan:
        mine = [r for r in results if r[0] == name]
        counts = {v: sum(1 for r in mine if r[1] == v) for v in ('KILLED', 'SURVIVED', 'NO-BUILD')}
        lines.append(f'{name}: {len(mine)} mutants: {counts["KILLED"]} killed, '
                     f'{counts["SURVIVED"]} survived, {counts["NO-BUILD"]} did not build')
    survivors = [r for r in results if r[1] == 'SURVIVED']
    lines.append(f'{len(survivors)} survivors' + (':' if survivors else ''))
    lines += [f'  {name}  {mutant.label()}' for name, _, mutant in survivors]
    print('\n'.join(lines))
    if args.report:
        pathlib.Path(args.report).write_text('\n'.join(lines) + '\n', encoding='utf-8')
    return 1 if survivors and args.fail_on_survivors else 0


if __name__ == '__main__':
    try:
        sys.exit(main())
    except Fatal as error:
        print(f'mutate: {error}', file=sys.stderr)
        sys.exit(2)
    except Interrupted as interruption:
        print(f'mutate: interrupted ({interruption}); every file restored', file=sys.stderr)
        sys.exit(2)
