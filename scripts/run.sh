#!/usr/bin/env bash
# Installs what is missing, builds, and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
echo "vaduvizu-cli, the command-line tool of the configurator:"
build/bin/vaduvizu-cli --help
