#!/usr/bin/python3
"""Mutation testing of the wiring: plants one simple fault at a time in the
shared behaviour rules (ui/form), the three windows' stores, notifiers and
event glue, and the site's versioning, rebuilds, runs the suite that covers
the file, and says which faults no test caught. docs/mutation.md has more.

    tools/mutate.py [options] TARGET...      TARGET: form qt win web site
    tools/mutate.py --list TARGET...         the mutants, nothing run

A run works in a temporary git worktree of HEAD with the checkout's
uncommitted changes, configures there the builds it needs, and removes it at
the end: the checkout is never written to. Exit status 0 when every mutant
ran (survivors or not), 2 on the script's own errors: an unchanged suite
that fails, a file or function of TARGETS that is gone.
"""

import argparse
import dataclasses
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
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

# How each kind of build is configured in the worktree (Debug compiles
# fastest). The Windows tests run the 32-bit program where this machine
# runs 32-bit programs, else an x86_64 build under 64-bit Wine.
CONFIGURE = {
    'native': 'cmake -S . -B {build} -DCMAKE_BUILD_TYPE=Debug -DTARUK_BUILD_BENCHMARKS=OFF',
    'win': '. tools/wine-choice.sh && choose_wine . '
           '&& cpu=$([ "$wine_bits" = 32 ] && echo i686 || echo x86_64) '
           '&& cmake -S . -B {build} -DCMAKE_TOOLCHAIN_FILE=$PWD/cmake/$cpu-w64-mingw32.cmake '
           '-DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_BUILD_TESTS=ON',
    'wasm': 'EM_FROZEN_CACHE=1 cmake -S . -B {build} '
            '-DCMAKE_TOOLCHAIN_FILE=$PWD/cmake/wasm32-emscripten.cmake '
            '-DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_BUILD_TESTS=ON -DTARUK_WEB_SITE_DIR={build}/site',
}
WIN_SUITE = ('. tools/headless.sh && . tools/wine-choice.sh && export WINEPREFIX={build}/wineprefix '
             'WINEARCH=$(wine_arch_of {build}/tests/win/win_tests.exe) '
             '&& trap stop_wine_desktop EXIT && start_wine_desktop '
             '&& cd {build} && ctest --output-on-failure '
             '-R "^(win_window|win_scenarios|win_system_texts_C)$"')
# A suite per target: the files it mutates (every pattern must match), the
# build it needs, how to build and test. `functions` limits a file to the
# bodies of the functions whose first line matches.
TARGETS = {
    'form': {
        'files': ['ui/form/*.cpp', 'ui/form/*.h'],
        # The layout and the font lists are data that the compiler checks.
        'exclude': ['ui/form/FormLayout.h', 'ui/form/PhoneLayout.h', 'ui/form/FontFaces.h'],
        'build': 'native',
        'make': 'cmake --build {build} --target form_tests',
        'test': ['{build}/tests/form_tests --gtest_brief=1'],
        'timeout': 300,
    },
    'qt': {
        'files': ['ui/qt/WidgetFieldStore.cpp', 'ui/qt/MessageBoxNotifier.cpp',
                  'ui/qt/CalculatorForm.cpp', 'ui/qt/TextBox.cpp', 'ui/qt/CommandButton.cpp'],
        'functions': {'ui/qt/CalculatorForm.cpp': r'CalculatorForm::(CalculatorForm|connectControls)\b'},
        'build': 'native',
        'make': 'cmake --build {build} --target ui_tests',
        'test': ['env QT_QPA_PLATFORM=offscreen LANG=C LC_ALL=C {build}/tests/qt/ui_tests '
                 '--gtest_brief=1 --gtest_filter=-DecimalComma.*',
                 'env QT_QPA_PLATFORM=offscreen LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 '
                 '{build}/tests/qt/ui_tests --gtest_brief=1 --gtest_filter=DecimalComma.*'],
        'timeout': 600,
    },
    'win': {
        'files': ['ui/win/EditFieldStore.cpp', 'ui/win/MessageBoxNotifier.cpp',
                  'ui/win/ChineseMessageBox.cpp', 'ui/win/CalculatorForm.cpp',
                  'ui/win/TextBoxSubclass.cpp', 'ui/win/ButtonSubclass.cpp'],
        'functions': {'ui/win/CalculatorForm.cpp':
                      r'CalculatorForm::(onCommand|preTranslateMessage|buttonOf)\b'},
        'build': 'win',
        'make': 'cmake --build {build} --target win_tests',
        'test': [WIN_SUITE],
        'timeout': 900,
        'sample': 8,
    },
    'web': {
        'files': ['ui/web/InputFieldStore.cpp', 'ui/web/DialogNotifier.cpp',
                  'ui/web/CalculatorPage.cpp', 'ui/web/*.js', 'app/web/sw.js.in'],
        # In the page's scripts: the notice, the call queue's methods and the
        # listeners that call the module.
        'functions': {
            'ui/web/*.js': r'\bshowNotice\(|^\s*(async\s+)?#?(send|report|queue|drain|replaceModule)\(|'
                           r"addEventListener\('(click|input|composition\w*|keydown)'",
        },
        'build': 'wasm',
        'make': 'cmake --build {build} --target taruk_site scenario_export',
        'test': ['cd {build} && ctest --output-on-failure -R "^web_page$"'],
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
    finds anything, a build that cannot be configured."""


@dataclasses.dataclass
class Mutant:
    path: str  # relative to the tree
    line: int  # 1-based
    operator: str
    before: str
    after: str
    text: str  # the whole mutated file

    def label(self):
        return f'{self.path}:{self.line} {self.operator}: {self.before!r} -> {self.after!r}'


# ---------------------------------------------------------------- scanning

QUOTES = {'js': '"\'`', 'cpp': '"\'', 'cmake': '"'}


def mask(code, lang):
    """`code` with the insides of its string and character literals (and of
    CMake's bracket arguments) blanked, the same length, so that no operator
    is found inside a text. A literal left open runs to the end."""
    literal = rf'(?P<q>[{QUOTES[lang]}])(?:\\.|(?!(?P=q))[^\\])*(?:(?P=q)|$)'
    if lang == 'cmake':
        literal = r'\[(?P<eq>=*)\[.*?\](?P=eq)\]|' + literal

    def blank(match):
        text = match.group(0)
        closed = len(text) > 1 and text[-1] in (text[0], ']')
        return text[0] + '_' * (len(text) - 1 - closed) + text[-1] * closed
    return re.sub(literal, blank, code, flags=re.S)


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

    def line_of(offset):
        return text.count('\n', 0, offset) + 1

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


def mutants_of(tree, path, pattern):
    text = (tree / path).read_text(encoding='utf-8')
    lang = language(path)
    if lang == 'cmake':
        return cmake_mutants(path, text)
    only = function_lines(text.split('\n'), pattern, lang) if pattern else None
    unique = {}
    for mutant in code_mutants(path, text, lang, only):
        unique.setdefault(mutant.text, mutant)
    return list(unique.values())


def plan(tree, name):
    """Every mutant of the target in `tree`; Fatal when one of its file
    patterns matches nothing or one of its functions is not found."""
    target = TARGETS[name]
    found = []
    functions_seen = set()
    for pattern in target['files']:
        paths = [p for p in sorted(glob.glob(pattern, root_dir=tree))
                 if not any(fnmatch.fnmatch(p, x) for x in target.get('exclude', []))]
        if not paths:
            raise Fatal(f'{name}: no file matches {pattern}: update TARGETS in {__file__}')
        for path in paths:
            key = next((k for k in target.get('functions', {}) if fnmatch.fnmatch(path, k)), None)
            mutants = mutants_of(tree, path, target['functions'][key] if key else None)
            if mutants:
                functions_seen.add(key)
            found += mutants
    for key, functions in target.get('functions', {}).items():
        if key not in functions_seen:
            raise Fatal(f'{name}: no function {functions!r} in {key}: update TARGETS in {__file__}')
    return found


# ---------------------------------------------------------------- running


def git(*args, **kwargs):
    return subprocess.run(['git', '-C', str(ROOT), *args], check=True, capture_output=True,
                          **kwargs).stdout


def make_worktree(folder):
    """A worktree of HEAD at `folder` with the checkout's uncommitted changes:
    the tracked files as they are now, and the untracked ones git does not
    ignore."""
    git('worktree', 'add', '--detach', '--quiet', str(folder), 'HEAD')
    changes = git('diff', '--binary', 'HEAD')
    if changes:
        subprocess.run(['git', '-C', str(folder), 'apply', '--binary', '--whitespace=nowarn'],
                       input=changes, check=True, capture_output=True)
    for name in git('ls-files', '-z', '--others', '--exclude-standard').decode().split('\0'):
        if name:
            (folder / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / name, folder / name)


def remove_worktree(folder):
    subprocess.run(['git', '-C', str(ROOT), 'worktree', 'remove', '--force', str(folder)],
                   capture_output=True)
    shutil.rmtree(folder, ignore_errors=True)


class Interrupted(Exception):
    pass


def on_signal(number, _frame):
    raise Interrupted(signal.Signals(number).name)


def run(command, tree, build, timeout, log):
    """Runs a shell command in the worktree in its own process group; True
    when it passed, False when it failed, None when it ran out of time."""
    command = command.format(build=build)
    log.write(f'$ {command}\n')
    log.flush()
    process = subprocess.Popen(['nice', 'bash', '-c', command], cwd=tree, stdout=log,
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


def suite(target, tree, build, log, test_timeout=None):
    """'passed', 'failed', 'timeout' or 'nobuild'; the seconds the tests took."""
    if target.get('make'):
        built = run(target['make'], tree, build, target['timeout'], log)
        if not built:
            return ('nobuild' if built is False else 'timeout'), 0
    started = time.monotonic()
    deadline = started + (test_timeout or target['timeout'])
    for command in target['test']:
        left = deadline - time.monotonic()
        passed = run(command, tree, build, max(left, 1), log) if left > 0 else None
        if not passed:
            return ('failed' if passed is False else 'timeout'), 0
    return 'passed', time.monotonic() - started


def mutate(tree, name, chosen, log, args):
    """Runs the target's mutants in `tree`; yields (verdict, mutant)."""
    target = TARGETS[name]
    build = tree / f'build-{target["build"]}' if target['build'] else tree
    if target['build'] and not (build / 'CMakeCache.txt').exists():
        log.write(f'=== configuring {build}\n')
        if not run(CONFIGURE[target['build']], tree, build, 600, log):
            raise Fatal(f'{name}: cannot configure {build}; see {args.log}')
    started = time.monotonic()
    log.write(f'=== {name}: baseline\n')
    baseline, tested = suite(target, tree, build, log)
    if baseline != 'passed':
        raise Fatal(f'{name}: the unchanged suite {baseline}; see {args.log}')
    # A mutant that loops for ever is caught by its time: several times the
    # unchanged tests', as the machine may be busy.
    test_timeout = args.timeout or min(target['timeout'], max(60, 5 * tested))
    print(f'{name}: baseline passed in {time.monotonic() - started:.0f} s (tests {tested:.0f} s); '
          f'{len(chosen)} mutants, each tested for at most {test_timeout:.0f} s')
    for number, mutant in enumerate(chosen, 1):
        log.write(f'=== {name} {number}: {mutant.label()}\n')
        started = time.monotonic()
        file = tree / mutant.path
        original = file.read_bytes()
        file.write_text(mutant.text, encoding='utf-8')
        try:
            outcome, _ = suite(target, tree, build, log, test_timeout)
        finally:
            file.write_bytes(original)
        verdict = {'passed': 'SURVIVED', 'failed': 'KILLED', 'timeout': 'KILLED',
                   'nobuild': 'NO-BUILD'}[outcome]
        note = ' (timed out)' if outcome == 'timeout' else ''
        print(f'[{name} {number}/{len(chosen)}] {verdict:8} {mutant.label()}{note} '
              f'({time.monotonic() - started:.0f} s)')
        yield verdict, mutant


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
    parser.add_argument('--log', default=ROOT / 'build-mut' / 'mutate.log',
                        help='build and test output (default build-mut/mutate.log)')
    args = parser.parse_args()
    sys.stdout.reconfigure(line_buffering=True)
    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)

    tree = ROOT if args.list else pathlib.Path(tempfile.mkdtemp(prefix='taruk-mutate-'))
    try:
        if not args.list:
            make_worktree(tree)
        plans = []
        for name in args.targets:
            chosen = plan(tree, name)
            if args.only:
                chosen = [m for m in chosen if re.search(args.only, m.label())]
            limit = None if args.all else args.sample or TARGETS[name].get('sample')
            if limit is not None and len(chosen) > limit:
                print(f'{name}: a sample of {limit} of {len(chosen)} mutants (seed {args.seed})')
                chosen = sorted(random.Random(args.seed).sample(chosen, limit),
                                key=lambda m: (m.path, m.line))
            if not chosen:
                raise Fatal(f'{name}: no mutant found')
            plans.append((name, chosen))
        if args.list:
            for name, chosen in plans:
                print('\n'.join(f'{name}  {mutant.label()}' for mutant in chosen))
            return 0

        pathlib.Path(args.log).parent.mkdir(parents=True, exist_ok=True)
        results = []
        with open(args.log, 'w', encoding='utf-8') as log:
            for name, chosen in plans:
                results += [(name, *result) for result in mutate(tree, name, chosen, log, args)]
    finally:
        if not args.list:
            remove_worktree(tree)

    for name, _ in plans:
        verdicts = [verdict for n, verdict, _ in results if n == name]
        print(f'{name}: {len(verdicts)} mutants: {verdicts.count("KILLED")} killed, '
              f'{verdicts.count("SURVIVED")} survived, {verdicts.count("NO-BUILD")} did not build')
    survivors = [(name, mutant) for name, verdict, mutant in results if verdict == 'SURVIVED']
    print(f'{len(survivors)} survivors' + (':' if survivors else ''))
    for name, mutant in survivors:
        print(f'  {name}  {mutant.label()}')
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main())
    except Fatal as error:
        print(f'mutate: {error}', file=sys.stderr)
        sys.exit(2)
    except Interrupted as interruption:
        print(f'mutate: interrupted ({interruption}); the worktree is removed', file=sys.stderr)
        sys.exit(2)
