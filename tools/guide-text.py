#!/usr/bin/env python3
"""Writes the player's guide (docs/使用说明.md) as the plain text that goes
into the Windows zip: UTF-8 with a byte order mark and CRLF line ends, so
that Notepad on any Windows shows it, wrapped to 78 columns (a Chinese
character takes two), with the version under the title.

usage: guide-text.py GUIDE.md GUIDE.txt VERSION

What the guide's markdown becomes: the title and the version on the first
two lines; a section heading in 【】, a subsection's after ◆; emphasis, code
and links keep their text; a code block is indented; a table becomes one
block per row, its first cell and then each other cell after its column's
heading (a table of two columns: one line per row). Pictures are dropped,
with the paragraph or table they leave empty and the caption that follows
them (a paragraph in （）).
"""
import re
import sys
import unicodedata

WIDTH = 78
# Never at the start of a line, and never at its end.
CLOSING = set('，。、；：？！）》」』】〉”’,.;:?!)%')
OPENING = set('（《「『【〈“‘(')

PICTURE = re.compile(r'!\[[^\]]*\]\([^)]*\)')
LINK = re.compile(r'\[([^\]]*)\]\([^)]*\)')
STRONG = re.compile(r'\*\*(.+?)\*\*')
CODE = re.compile(r'`([^`]*)`')
HEADING = re.compile(r'(#{1,6})\s+(.*)')
ITEM = re.compile(r'([-*]|\d+\.)\s+(.*)')


def wide(character):
    """Two columns wide: Chinese, and the quotes and signs a Chinese font
    draws as wide as Chinese."""
    return unicodedata.east_asian_width(character) in 'WFA'


def wide_punctuation(character):
    return wide(character) and unicodedata.category(character).startswith('P')


def columns(text):
    return sum(2 if wide(c) else 1 for c in text)


def inline(text):
    """The text of a line of markdown, without pictures or markup."""
    text = PICTURE.sub('', text)
    text = LINK.sub(r'\1', text)
    text = STRONG.sub(r'\1', text)
    text = CODE.sub(r'\1', text)
    # Markdown wants a blank after emphasis that ends in punctuation;
    # Chinese has none after its own.
    return re.sub(r'(?<=[\u3000-\u303f\uff01-\uff0f\uff1a-\uff20])\s+', '', text).strip()


def join(lines):
    """A paragraph's lines, without markup, as one: a line break is a space
    unless Chinese is on both sides of it or Chinese punctuation on one."""
    text = ''
    for line in (inline(line) for line in lines):
        a, b = text[-1:], line[:1]
        if a and b and not (wide(a) and wide(b)) and not (wide_punctuation(a) or wide_punctuation(b)):
            text += ' '
        text += line
    return text


def units(text):
    """The pieces a line may break between: words of narrow characters, wide
    characters one by one, and blanks; punctuation stays with its neighbour."""
    pieces = re.findall(r'\s+|[^\s]', text)
    merged = []
    for piece in pieces:
        narrow_run = (merged and not piece.isspace() and not wide(piece)
                      and not merged[-1].isspace() and not wide(merged[-1][-1]))
        if merged and (narrow_run or piece in CLOSING or merged[-1][-1] in OPENING):
            merged[-1] += piece
        else:
            merged.append(piece)
    return merged


def wrap(text, first, rest):
    """`text` in lines of at most WIDTH columns, the first after the prefix
    `first` and the others after `rest`."""
    lines, line, blank = [], first, False
    for unit in units(text):
        if unit.isspace():
            blank = line not in (first, rest)
            continue
        gap = ' ' if blank else ''
        blank = False
        if line not in (first, rest) and columns(line + gap + unit) > WIDTH:
            lines.append(line)
            line = rest + unit
        else:
            line += gap + unit
    lines.append(line)
    return lines


def table(rows):
    """One block per row of a table: its first cell, then `heading：cell`."""
    cells = [[inline(c) for c in row.strip().strip('|').split('|')] for row in rows]
    headings, body = cells[0], cells[2:]
    out = []
    for row in body:
        if not any(row):
            continue
        if len(row) == 2:  # a name and what it is: one line
            out += wrap(f'{row[0]}：{row[1]}', '- ', '  ')
            continue
        out += wrap(row[0], '- ', '  ')
        for heading, cell in zip(headings[1:], row[1:]):
            if cell:
                out += wrap(f'{heading}：{cell}', '  ', '    ')
    return out


def blocks(markdown):
    """The guide as (kind, lines) blocks: heading, paragraph, item, code,
    table."""
    lines = markdown.split('\n')
    i = 0
    while i < len(lines):
        line = lines[i]
        stripped = line.strip()
        if not stripped:
            i += 1
        elif stripped.startswith('```'):
            end = next(j for j in range(i + 1, len(lines)) if lines[j].strip().startswith('```'))
            yield 'code', lines[i + 1:end]
            i = end + 1
        elif HEADING.match(stripped) or stripped.startswith('|'):
            kind = 'heading' if stripped.startswith('#') else 'table'
            end = i + 1
            while kind == 'table' and end < len(lines) and lines[end].strip().startswith('|'):
                end += 1
            yield kind, lines[i:end]
            i = end
        else:
            kind = 'item' if ITEM.match(stripped) else 'paragraph'
            end = i + 1
            while end < len(lines):
                following = lines[end].strip()
                if (not following or ITEM.match(following) or HEADING.match(following)
                        or following.startswith(('|', '```'))):
                    break
                end += 1
            yield kind, lines[i:end]
            i = end


def render(markdown, version):
    out = []
    previous = None
    for kind, lines in blocks(markdown):
        if kind == 'heading':
            level, text = HEADING.match(lines[0].strip()).groups()
            text = inline(text)
            lines = [text, f'版本 {version}'] if level == '#' else \
                [f'【{text}】' if level == '##' else f'◆ {text}']
        elif kind == 'code':
            lines = ['    ' + line for line in lines]
        elif kind == 'table':
            lines = table(lines)
        else:
            text = join(lines)
            if kind == 'paragraph' and previous == 'picture' and re.fullmatch(r'（.*）', text):
                previous = 'caption'  # of pictures that are gone
                continue
            if kind == 'item':
                marker, text = ITEM.match(text).groups()
                lines = wrap(text, marker + ' ', ' ' * (len(marker) + 1))
            else:
                lines = wrap(text, '', '') if text else []
        if not lines:
            previous = 'picture'
            continue
        # Items of one list follow each other; every other block stands apart.
        if out and not (kind == 'item' and previous == 'item'):
            out.append('')
        out += lines
        previous = kind
    return out


def main(argv):
    if len(argv) != 4:
        sys.exit(re.search(r'usage: .*', __doc__).group(0))
    source, target, version = argv[1:]
    with open(source, encoding='utf-8') as guide:
        lines = render(guide.read(), version)
    with open(target, 'w', encoding='utf-8-sig', newline='\r\n') as text:
        text.write('\n'.join(line.rstrip() for line in lines) + '\n')


if __name__ == '__main__':
    main(sys.argv)
