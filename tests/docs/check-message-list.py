#!/usr/bin/env python3
"""The user guide's list of messages and the texts the library can show agree, both ways.

Every text the guide lists under "Alle Meldungen" is made of pieces that the library's sources hold
(a piece is what stands between placeholders such as `<Kennung>`); and every German sentence piece
the library's sources hold stands somewhere in the guide.
usage: check-message-list.py <source dir> <guide.md>
"""
import pathlib
import re
import sys

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Pieces that are no message: statements, connection strings, file names, fonts, the console's
# progress line (a terminal's, not a dialog's).
TECHNICAL = re.compile(r'(^|\s)(select|from|where|update|set|pragma)\s|=|\.DBF|Tahoma|MS Shell Dlg|%[sd]|'
                       r'^[\w./]+$|noch ca\.|beendet nach|Strg\+C|^\[Fenster', re.IGNORECASE)


def unescape(text):
    return (text.replace('\\r\\n', '\n').replace('\\n', '\n').replace('\\"', '"')
            .replace("\\'", "'").replace('\\\\', '\\'))


def source_literals(root):
    literals = set()
    for path in sorted(pathlib.Path(root).rglob('*')):
        if path.suffix not in ('.cpp', '.h') or 'contract' in path.parts:
            continue
        code = path.read_text(encoding='utf-8')
        code = re.sub(r'//[^\n]*|^#include[^\n]*|static_assert\([^;]*;', '', code, flags=re.MULTILINE)
        code = re.sub(r"'(\\.|[^'\\])'", '', code)  # character literals, '"' among them
        for literal in LITERAL.findall(code):
            literal = ' '.join(unescape(literal).replace('\n', ' \n ').split(' '))
            if not TECHNICAL.search(literal):
                literals.add(literal)
    return literals


def sentence_pieces(literals):
    """The pieces of the literals a reader would take for words of a message."""
    pieces = set()
    for literal in literals:
        for piece in literal.split('\n'):
            piece = piece.strip()
            if len(re.findall(r'[A-Za-zÄÖÜäöüß]{2,}', piece)) >= 2:
                pieces.add(piece)
    return pieces


def composed(text, literals):
    """Whether the text can be put together from the literals, as code concatenates them: the end
    of one, whole ones, the start of another, with anything the code inserts between them."""
    def rest_from(position):
        if position == len(text):
            return True
        for literal in literals:
            if literal.startswith(text[position:]):
                return True
            if literal and text.startswith(literal, position) and rest_from(position + len(literal)):
                return True
        return False
    return any(text in literal or any(text.startswith(literal[j:]) and rest_from(len(literal) - j)
                                      for j in range(len(literal)) if literal[j:])
               for literal in literals)


def guide_messages(guide):
    section = guide.split('## 7.', 1)[1]
    messages = []
    for line in section.splitlines():
        cells = [cell.strip() for cell in line.strip().strip('|').split('|')]
        if len(cells) == 3 and cells[0] in ('Fehler', 'Warnung', 'Meldung'):
            messages.append(cells[1])
    # Reasons listed as „…“ items below the tables.
    messages += re.findall(r'^- „(.+?)“', section, re.MULTILINE)
    return messages


def plain(text):
    """The guide's markdown as the user reads it."""
    return re.sub(r'`([^`]*)`', r'\1', text.replace('<br>', '\n')).replace('\\|', '|')


def main():
    root, guide_path = sys.argv[1], sys.argv[2]
    guide = pathlib.Path(guide_path).read_text(encoding='utf-8')
    literals = source_literals(root)
    pieces = sentence_pieces(literals)
    failures = []
    for message in guide_messages(guide):
        for part in re.split(r'`?<[^>`]+>[^`]*`?|<br>', message):
            part = ' '.join(plain(part).split())
            if len(part) >= 3 and re.search(r'[A-Za-z]{2,}', part) and not composed(part, literals):
                failures.append(f'the guide lists a text the library never shows: "{part}" (in "{message}")')
    text = ' '.join(plain(guide).split())
    for piece in sorted(pieces):
        if ' '.join(piece.split()) not in text:
            failures.append(f'the library can show a text the guide does not list: "{piece}"')
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
