#!/usr/bin/env python3
"""Writes data/syntax/{asm,hlsl,glsl}.xml, the editor's syntax files, from the
keyword definition files in data/keywords, so both colour the same words."""
import os
import re

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def expand(word):
    """A keyword file's word with its {modifier ...}, {range a..b},
    {opt_range a..b} or {matrix RxC} suffix, as the plain words it stands for."""
    m = re.fullmatch(r"([A-Za-z_0-9]+)(?:\{(\w+)\s*([^}]*)\})?", word)
    if not m:
        return []
    base, kind, arg = m.groups()
    if not kind:
        return [base]
    if kind == "modifier":
        return [base] + [base + x for x in arg.split()]
    r = re.fullmatch(r"(\d+)\.\.(\d+)", arg.strip())
    if kind in ("range", "opt_range") and r:
        a, b = map(int, r.groups())
        return ([base] if kind == "opt_range" else []) + [base + str(i) for i in range(a, b + 1)]
    r = re.fullmatch(r"(\d+)x(\d+)", arg.strip())
    if kind == "matrix" and r:
        rows, cols = map(int, r.groups())
        return [f"{base}{i}x{j}" for i in range(1, rows + 1) for j in range(1, cols + 1)]
    return []


def categories(path):
    text = re.sub(r"//[^\n]*", "", open(path).read())
    for m in re.finditer(r'Keywords\s*:\s*"([^"]*)"\s*\{(.*?)\n\}', text, re.S):
        name, body = m.groups()
        rgb = tuple(map(int, re.search(r"Color\s*:\s*\((\d+),\s*(\d+),\s*(\d+)\)", body).groups()))
        words = []
        for w in re.findall(r'"([^"]*)"', body):
            words += [x for x in expand(w) if x not in words]
        yield name, "#%02X%02X%02X" % rgb, words


def wrapped(words):
    lines, line = [], "   "
    for w in words:
        if len(line) + len(w) + 1 > 100:
            lines.append(line)
            line = "   "
        line += " " + w
    return lines + [line]


def write(name, keywords, blocks, case_sensitive, title):
    out = ['<?xml version="1.0" encoding="utf-8"?>', f"<!-- {title} -->", f'<syntax name="{name}">',
           '  <editor text="#000000" background="#FFFFFF" selectiontext="#FFFFFF" selectionbackground="#3399FF"',
           '          tabsize="4" indentsize="4" keeptabs="false"/>']
    out += [f"  {b}" for b in blocks]
    for category, color, words in categories(os.path.join(ROOT, "data/keywords", keywords)):
        if words:
            out += [f"  <!-- {category} -->", f'  <words color="{color}" casesensitive="{case_sensitive}">']
            out += wrapped(words) + ["  </words>"]
    out.append("</syntax>")
    with open(os.path.join(ROOT, "data/syntax", name.lower() + ".xml"), "w") as f:
        f.write("\n".join(out) + "\n")


C_BLOCKS = ['<block open="/*" close="*/" color="#008000"/>', '<block open="//" color="#008000"/>',
            '<block open="&quot;" close="&quot;" escape="\\" color="#A31515"/>']
write("HLSL", "hlsl.kwd", C_BLOCKS, "true", "HLSL and effect files.")
write("GLSL", "glsl.kwd", C_BLOCKS, "true", "OpenGL Shading Language.")
write("ASM", "asm.kwd", ['<block open=";" color="#008000"/>', '<block open="//" color="#008000"/>'], "false",
      "Assembly shaders: instructions and registers in any case.")
