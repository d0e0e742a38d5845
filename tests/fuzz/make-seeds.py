#!/usr/bin/env python3
"""Seed corpora for the fuzz targets from data/: make-seeds.py DATA OUT.

Seeds of the text formats are small (scripts/fuzz.sh caps inputs at a few
hundred bytes to 2 KiB): every kind of section, group and element of the
sample files is kept, but each word list only by its first few entries, and
shaders in pieces of a few lines.

The parse target's input is a 4-byte header (parser and copy bit, shader
version, start, units cut from the end), the keyword set, a zero byte and the
text; its seeds pair each piece of a sample shader with the words and
operators it contains, under each parser, with and without the copy, and a
spread of versions."""
import re
import shutil
import sys
from pathlib import Path

data, out = Path(sys.argv[1]), Path(sys.argv[2])


def folder(target):
    path = out / target
    path.mkdir(parents=True, exist_ok=True)
    return path


def copy(target, files):
    for f in files:
        shutil.copy(f, folder(target) / f.name)


def sections(text):
    """Top-level (name, body) pairs of a keyword file; braces inside strings
    belong to the strings."""
    found, start, depth, quoted = [], 0, 0, False
    for i, c in enumerate(text):
        if c == '"':
            quoted = not quoted
        elif not quoted and c == "{":
            depth += 1
        elif not quoted and c == "}":
            depth -= 1
            if depth == 0:
                found.append(text[start:i + 1].strip())
                start = i + 1
    return found


def shorter_keyword_section(section):
    """The section with its word list cut to two plain words and one of each
    kind of group that it holds."""
    head, words = section.split("Word", 1)
    strings = re.findall(r'"[^"]*"', words)
    kept, kinds = [s for s in strings if "{" not in s][:2], set()
    for s in strings:
        kind = re.search(r"\{\s*(\w+)", s)
        if kind and kind.group(1) not in kinds:
            kinds.add(kind.group(1))
            kept.append(s)
    return head + "Word : " + " ".join(kept) + "\n}\n"


for kwd in sorted((data / "keywords").glob("*.kwd")):
    parts = sections(kwd.read_text())
    for n, part in enumerate(parts):
        if part.split()[0].startswith("Keywords") or "\nKeywords" in part:
            part = shorter_keyword_section(part)
        (folder("fuzz_keyword_loader") / f"{kwd.stem}-{n}.kwd").write_text(part + "\n")

for xml in sorted((data / "syntax").glob("*.xml")):
    text = xml.read_text()
    short = re.sub(r"(<words[^>]*>)(.*?)(</words>)",
                   lambda m: m.group(1) + " ".join(m.group(2).split()[:4]) + m.group(3), text, flags=re.S)
    (folder("fuzz_syntax_settings") / xml.name).write_text(short)

copy("fuzz_dds", sorted((data / "textures").glob("*.dds")))
copy("fuzz_texture", sorted((data / "textures").iterdir()))

versions = [2, 1, 5, 7, 12, 14, 0, 16, 0x80]
n = 0
for shader in sorted((data / "shaders").iterdir()):
    lines = shader.read_bytes().replace(b"\0", b"").splitlines(keepends=True)
    pieces, piece = [], b""
    for line in lines:
        if len(piece) + len(line) > 240 and piece:
            pieces.append(piece)
            piece = b""
        piece += line
    pieces.append(piece)
    for k, text in enumerate(pieces):
        words = sorted(set(re.findall(rb"[A-Za-z_][A-Za-z0-9_]*|[-+*/=<>!&|]+", text)))
        for parser in range(4):
            header = bytes([parser | 4 * ((n + parser) % 2), versions[(n + parser) % len(versions)], 0, 0])
            (folder("fuzz_parse") / f"{shader.stem}-{k}-{parser}").write_bytes(header + b" ".join(words) + b"\0" + text)
        n += 1
