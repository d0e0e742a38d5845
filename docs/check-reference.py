#!/usr/bin/env python3
"""Fails when a public class or member declared in a chief header (include/*.h
and the library headers they include) has no documentation in the reference
that Doxygen wrote as XML. Usage: check-reference.py XML_DIR"""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET


def chief_headers():
    files = set()
    for chief in glob.glob("include/*.h"):
        files.add(chief)
        with open(chief, encoding="utf-8") as f:
            for name in re.findall(r'^#include "([^"]+/[^"]+)"', f.read(), re.M):
                files.add(name)
    return files


def documented(node):
    return any("".join(node.find(part).itertext()).strip() for part in ("briefdescription", "detaileddescription"))


def main(xml_dir):
    chief = chief_headers()
    missing = []

    def check(node, what):
        location = node.find("location")
        if location is None or location.get("file") not in chief:
            return
        if not documented(node):
            missing.append(f"{location.get('file')}:{location.get('line')}: {what} is not documented")

    for path in glob.glob(os.path.join(xml_dir, "*.xml")):
        root = ET.parse(path).getroot()
        for compound in root.iter("compounddef"):
            kind = compound.get("kind")
            if kind in ("class", "struct", "union") and compound.get("prot", "public") == "public":
                name = compound.findtext("compoundname")
                check(compound, f"{kind} {name}")
            elif kind != "file":
                continue
            else:
                name = ""
            for member in compound.iter("memberdef"):
                if member.get("prot") != "public":
                    continue
                member_name = member.findtext("name")
                # A destructor, a default constructor and an override say
                # nothing of their own: the class and the base say it.
                args = member.findtext("argsstring")
                own = name.endswith("::" + member_name) or name == member_name
                usual = own and (args.startswith("()") or args.startswith(f"(const {member_name} &"))
                usual = usual or member_name == "operator="
                if member_name.startswith("~") or usual or member.find("reimplements") is not None:
                    continue
                check(member, f"{member.get('kind')} {name + '::' if name else ''}{member_name}")
    for line in sorted(set(missing)):
        print(line)
    if missing:
        print(f"{len(set(missing))} public declarations of the chief headers are not documented")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
