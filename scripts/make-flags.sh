#!/usr/bin/env bash
# Redraws the flag pictures of the shipped language files into src/texts/languages/.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
g++ -std=c++20 -fPIC scripts/make-flags.cpp -o "$tool/make-flags" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tool/make-flags" src/texts/languages
