#!/usr/bin/env python3
"""Gives every user-visible text in src/ a text position.

A call L10n::text("English") without a position becomes text(N, "English"): the same English
text keeps the position it already has elsewhere, a new text gets the next free position from
904 upward. A position found with two different texts stays with the first one found; the other
text is numbered as a new one. Run from the repository root (or pass it): scripts/number-texts.py [ROOT]
With --list it only prints "position<TAB>English" for every text in use, sorted by position.
"""

import os
import re
import sys

FIRST_NEW_POSITION = 904
CALL = re.compile(r'\btext\(\s*(?:(\d+)\s*,\s*)?((?:"(?:[^"\\\n]|\\.)*"\s*)+)\)')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def source_files(root):
    for folder, _, files in os.walk(os.path.join(root, 'src')):
        for name in sorted(files):
            if name.endswith(('.cpp', '.h')):
                yield os.path.join(folder, name)


def calls(source):
    """(match, position or None, English as written) of every text call in source."""
    for match in CALL.finditer(source):
        english = ''.join(LITERAL.findall(match.group(2)))
        yield match, (int(match.group(1)) if match.group(1) else None), english


def scan(root):
    """{position: English} of the numbered texts and the files' sources."""
    sources = {path: open(path, encoding='utf-8').read() for path in sorted(source_files(root))}
    numbered = {}
    for source in sources.values():
        for _, position, english in calls(source):
            if position is not None:
                numbered.setdefault(position, english)
    return numbered, sources


def number(root):
    numbered, sources = scan(root)
    by_english = {}
    for position, english in sorted(numbered.items()):
        by_english.setdefault(english, position)
    next_position = FIRST_NEW_POSITION
    added = 0
    for path, source in sources.items():
        pieces, last = [], 0
        for match, position, english in calls(source):
            # A position names one text: another text found under it gets a position of its own.
            if position is not None and numbered.get(position) == english:
                continue
            if english not in by_english:
                while next_position in numbered:
                    next_position += 1
                by_english[english] = next_position
                numbered[next_position] = english
                added += 1
            if position is None:
                start = match.start() + len('text(')
                pieces.append(source[last:start] + '%d, ' % by_english[english])
                last = start
            else:
                pieces.append(source[last:match.start(1)] + '%d' % by_english[english])
                last = match.end(1)
        if pieces:
            with open(path, 'w', encoding='utf-8') as out:
                out.write(''.join(pieces) + source[last:])
    return added


def main(argv):
    args = [a for a in argv[1:] if not a.startswith('--')]
    root = args[0] if args else '.'
    if '--list' in argv:
        numbered, _ = scan(root)
        for position, english in sorted(numbered.items()):
            print('%d\t%s' % (position, english))
        return 0
    print('%d new text position(s)' % number(root), file=sys.stderr)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
