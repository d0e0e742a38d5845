#!/usr/bin/env python3
"""Seed corpora for the fuzz targets from data/: make-seeds.py DATA OUT.

The parse target's input is a 4-byte header (parser, shader version, start,
units cut from the end), the keyword set, a zero byte and the text; its seeds
pair each sample shader with the words and operators it contains, under each
parser and a spread of versions."""
import re
import shutil
import sys
from pathlib import Path

data, out = Path(sys.argv[1]), Path(sys.argv[2])


def fill(target, files):
    folder = out / target
    folder.mkdir(parents=True, exist_ok=True)
    for f in files:
        shutil.copy(f, folder / f.name)


fill("fuzz_keyword_loader", sorted((data / "keywords").glob("*.kwd")))
fill("fuzz_dds", sorted((data / "textures").glob("*.dds")))
fill("fuzz_texture", sorted((data / "textures").iterdir()))
fill("fuzz_syntax_settings", sorted((data / "syntax").glob("*.xml")))

folder = out / "fuzz_parse"
folder.mkdir(parents=True, exist_ok=True)
versions = [2, 1, 5, 7, 12, 14, 0, 16, 0x80]
for n, shader in enumerate(sorted((data / "shaders").iterdir())):
    text = shader.read_bytes().replace(b"\0", b"")
    words = sorted(set(re.findall(rb"[A-Za-z_][A-Za-z0-9_]*|[-+*/=<>!&|]+", text)))
    for parser in range(4):
        header = bytes([parser, versions[(n + parser) % len(versions)], 0, 0])
        (folder / f"{shader.stem}-{parser}").write_bytes(header + b" ".join(words) + b"\0" + text)
