#!/usr/bin/env bash
# The reference of the public headers (Doxygen) in build/reference/html/, then
# the check that every public class and member of the chief headers is
# documented (fails with the list otherwise).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# Doxygen leaves files of earlier runs behind; the check reads every one.
rm -rf build/reference
mkdir -p build/reference
doxygen docs/Doxyfile
python3 docs/check-reference.py build/reference/xml
echo "reference: build/reference/html/index.html"
