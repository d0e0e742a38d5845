#!/usr/bin/env bash
# The main job. Until the demo host exists: count the instruction slots of the
# sample shaders with the shipped assembly keywords.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target gvshader
for f in data/shaders/*.asm; do
  build/native/bin/gvshader count --keywords data/keywords/asm.kwd --model "$(head -c 40 "$f" | grep -oE '(vs|ps)_[0-9]_(sw|[0-9x])' | head -1)" "$f"
done
