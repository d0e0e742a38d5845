#!/usr/bin/env bash
# Installs what the build and the tests need; quiet and idempotent.
set -euo pipefail
packages=(cmake ccache g++ make googletest mingw-w64 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth libpng-dev libjpeg62-turbo-dev python3 xdotool libx11-6 clang libclang-rt-14-dev doxygen)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
