#!/usr/bin/env python3
"""Every C++ block of the guides in docs/ (README.md, the index, aside) is a
piece of the example host: its lines, indentation aside, stand one after
another in one of the example host's files, so the guides show code that
the package test builds and runs.  Usage: check-guide-code.py DOCS_DIR EXAMPLE_DIR"""
import pathlib
import re
import sys


def blocks(text):
    return re.findall(r'^```cpp\n(.*?)^```', text, re.M | re.S)


def lines(text):
    return [line.strip() for line in text.splitlines()]


def main(docs, example):
    sources = [lines(p.read_text()) for p in sorted(pathlib.Path(example).glob('*.[ch]*'))]
    failures, count = [], 0
    for guide in sorted(p for p in pathlib.Path(docs).glob('*.md') if p.name != 'README.md'):
        for block in blocks(guide.read_text()):
            count += 1
            wanted = lines(block)
            if not any(source[i:i + len(wanted)] == wanted
                       for source in sources for i in range(len(source) - len(wanted) + 1)):
                failures.append(f'{guide.name}: not in the example host: {wanted[0]}')
    print(f'{count} code blocks checked')
    for failure in failures:
        print(failure)
    return 1 if failures or count == 0 else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:]))
