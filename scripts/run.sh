#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator. Without a display it renders
# every window to PNG files instead and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/vaduvizu
fi
echo "No display available (neither DISPLAY nor WAYLAND_DISPLAY is set)."
echo "Rendering every window of the configurator to PNG files instead:"
# Qt wants a private runtime folder; a login without a session (ssh, a container) has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
QT_QPA_PLATFORM=offscreen timeout 120 build/bin/vaduvizu-screenshots build/screenshots
echo "The pictures are in $(pwd)/build/screenshots/"
