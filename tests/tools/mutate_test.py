#!/usr/bin/env python3
"""The mutation script (tools/mutate.py), without building anything: each
row scans a snippet and expects its mutants, as (line, mutated line); the
worktree it runs in holds the checkout's uncommitted changes and leaves the
checkout alone; every target still finds its files and functions."""
import importlib.util
import pathlib
import subprocess
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
spec = importlib.util.spec_from_file_location('mutate', ROOT / 'tools/mutate.py')
mutate = importlib.util.module_from_spec(spec)
spec.loader.exec_module(mutate)

# name, language, code, function pattern, expected {(line, that line mutated)}
ROWS = [
    ('a call is deleted, a declaration and a returned value are not', 'cpp',
     'void f()\n{\n    int x = g();\n    h(x);\n    return x;\n}', None,
     {(4, '    ;')}),
    ('a comparison is negated and its if made always and never true', 'cpp',
     '    if (a == b)', None,
     {(1, '    if (a != b)'), (1, '    if (true)'), (1, '    if (false)')}),
    ('each operand of && is dropped, and a !', 'cpp',
     '    ok = !a && b;', None,
     {(1, '    ok = a && b;'), (1, '    ok = b;'), (1, '    ok = !a ;'), (1, '    ;')}),
    ('nothing inside a text or a comment: only the statement goes', 'cpp',
     '    s = "a == b && !c"; // x < y', None, {(1, '    ;')}),
    ("a one-line block's statement", 'js',
     "  button.addEventListener('click', () => { press(b); });", None,
     {(1, "  button.addEventListener('click', () => {});"), (1, '  ;')}),
    ('=== and !== in a script', 'js', '  while (x !== y) step();', None,
     {(1, '  while (x === y) step();'), (1, '  while (true) step();'),
      (1, '  while (false) step();')}),
    ('only inside the functions named', 'cpp',
     'void A::kept()\n{\n    a();\n}\nvoid A::other()\n{\n    b();\n}', r'A::kept\b',
     {(3, '    ;')}),
    ('a CMake command goes, and an argument or one ${} of a quoted one', 'cmake',
     'file(WRITE ${out} "v${a}")', None,
     {(1, ''), (1, 'file(WRITE  "v${a}")'), (1, 'file(WRITE ${out} )'),
      (1, 'file(WRITE ${out} "v")')}),
    ("nothing in CMake's texts", 'cmake',
     'execute_process(COMMAND python3 -c [=[\nprint(x)\n]=])', None, {(1, '')}),
]


def git(folder, *args):
    return subprocess.run(['git', '-C', str(folder), *args], check=True, capture_output=True,
                          text=True).stdout


class Mutate(unittest.TestCase):
    def test_operators(self):
        for name, lang, code, functions, expected in ROWS:
            with self.subTest(name):
                if lang == 'cmake':
                    found = mutate.cmake_mutants('x', code)
                else:
                    only = mutate.function_lines(code.split('\n'), functions, lang) \
                        if functions else None
                    found = mutate.code_mutants('x', code, lang, only)
                lines = {(m.line, m.text.split('\n')[m.line - 1]) for m in found}
                self.assertEqual(lines, expected)

    def test_worktree_has_the_changes_and_the_checkout_stays(self):
        with tempfile.TemporaryDirectory() as folder:
            checkout, tree = pathlib.Path(folder, 'checkout'), pathlib.Path(folder, 'tree')
            checkout.mkdir()
            git(checkout, 'init', '--quiet')
            (checkout / '.gitignore').write_text('build/\n')
            (checkout / 'a.cpp').write_text('committed\n')
            git(checkout, 'add', '.')
            git(checkout, '-c', 'user.name=t', '-c', 'user.email=t@t', 'commit', '--quiet',
                '-m', 'one')
            (checkout / 'a.cpp').write_text('changed\n')
            (checkout / 'new').mkdir()
            (checkout / 'new/b.cpp').write_text('untracked\n')
            (checkout / 'build').mkdir()
            (checkout / 'build/c').write_text('ignored\n')
            status = git(checkout, 'status', '--porcelain')

            mutate.ROOT = checkout
            try:
                mutate.make_worktree(tree)
                self.assertEqual((tree / 'a.cpp').read_text(), 'changed\n')
                self.assertEqual((tree / 'new/b.cpp').read_text(), 'untracked\n')
                self.assertFalse((tree / 'build').exists())
                (tree / 'a.cpp').write_text('mutated\n')
            finally:
                mutate.remove_worktree(tree)
                mutate.ROOT = ROOT

            self.assertFalse(tree.exists())
            self.assertEqual((checkout / 'a.cpp').read_text(), 'changed\n')
            self.assertEqual(git(checkout, 'status', '--porcelain'), status)
            self.assertEqual(len(git(checkout, 'worktree', 'list').splitlines()), 1)

    def test_every_target_finds_its_files_and_functions_and_has_its_commands(self):
        for name, target in mutate.TARGETS.items():
            with self.subTest(name):
                self.assertTrue(mutate.plan(ROOT, name))
                commands = [target.get('make') or '', *target['test']]
                if target['build']:
                    commands.append(mutate.CONFIGURE[target['build']])
                for command in commands:
                    command.format(build='b')  # no brace but {build}


if __name__ == '__main__':
    unittest.main()
