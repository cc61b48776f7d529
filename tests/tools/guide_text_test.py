#!/usr/bin/env python3
"""The player's guide as plain text (tools/guide-text.py): each row renders a
piece of markdown and expects the text lines, worked out by hand. The file
it writes is checked in the release zip (tests/win/check-zip.sh)."""
import importlib.util
import pathlib
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
spec = importlib.util.spec_from_file_location('guide_text', ROOT / 'tools/guide-text.py')
guide_text = importlib.util.module_from_spec(spec)
spec.loader.exec_module(guide_text)

LONG = '长' * 45  # 90 columns
# name, markdown, the lines after the title and version
ROWS = [
    ('Chinese runs on across a line break, other words get a blank',
     '正常\n杀伤，Linux\nand Wine\n中测试',
     ['正常杀伤，Linux and Wine 中测试']),
    ('markup keeps its text, the blank after emphasis ending in 。 goes',
     '**别用。** 按 `计算` 见[说明](docs/a.md)', ['别用。按 计算 见说明']),
    ('wrapped at 78 columns, a Chinese character two',
     LONG, ['长' * 39, '长' * 6]),
    ('closing punctuation never starts a line',
     '长' * 38 + 'ab，长', ['长' * 38, 'ab，长']),
    ('a word is never split', '长' * 36 + ' abcdefgh', ['长' * 36, 'abcdefgh']),
    ('items follow each other, continued lines indented under the text',
     '- 一\n- ' + LONG + '\n  续\n\n正文\n\n1. 二\n2. 三',
     ['- 一', '- ' + '长' * 38, '  ' + '长' * 7 + '续', '', '正文', '', '1. 二', '2. 三']),
    ('headings', '## 获取\n\n### Windows\n\n正文', ['【获取】', '', '◆ Windows', '', '正文']),
    ('a code block is indented and never wrapped', '```sh\n./x  # ' + LONG + '\n```',
     ['    ./x  # ' + LONG]),
    ('a table row is a block, each cell after its heading, empty cells left out',
     '| 框 | 位置 | 含义 |\n| --- | --- | --- |\n| 原始杀伤 | 顶行 | |\n| 五行修正 | | 系数 |',
     ['- 原始杀伤', '  位置：顶行', '- 五行修正', '  含义：系数']),
    ('a table of two columns has a line a row',
     '| 版本 | 文件 |\n| --- | --- |\n| Linux | `a.deb` |', ['- Linux：a.deb']),
    ('pictures go, with what they leave empty and their caption',
     '前\n\n![图](a.png)\n\n| 甲 | 乙 |\n| --- | --- |\n| ![a](a.png) | ![b](b.png) |\n\n'
     '（截图来自别处。）\n\n（这一段留下。）\n\n看 ![图](a.png) 这里',
     ['前', '', '（这一段留下。）', '', '看 这里']),
]


class GuideText(unittest.TestCase):
    def test_rows(self):
        for name, markdown, expected in ROWS:
            with self.subTest(name):
                lines = guide_text.render(f'# 说明\n\n{markdown}\n', '9.87')
                self.assertEqual(lines[:3], ['说明', '版本 9.87', ''])
                self.assertEqual(lines[3:], expected)

    def test_file_is_notepad_text(self):
        with tempfile.TemporaryDirectory() as folder:
            source, target = pathlib.Path(folder, 'a.md'), pathlib.Path(folder, 'a.txt')
            source.write_text('# 说明\n\n正文\n', encoding='utf-8')
            guide_text.main(['guide-text.py', str(source), str(target), '1.5'])
            self.assertEqual(target.read_bytes(),
                             '\ufeff说明\r\n版本 1.5\r\n\r\n正文\r\n'.encode('utf-8'))


if __name__ == '__main__':
    unittest.main()
