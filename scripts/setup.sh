#!/usr/bin/env bash
# Installs what building and testing Zentik needs on Debian 12, as root.
# Only missing packages are installed, so a second run takes seconds.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev valgrind
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 zip
  wine wine64 wine32:i386 fonts-wine
  fonts-dejavu-core fonts-liberation2 fonts-ipafont-gothic fonts-monapo fonts-inter
  xvfb x11-utils xdotool imagemagick locales sox
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Without the generated locale LANG=ja_JP.UTF-8 is ignored and Wine keeps code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
