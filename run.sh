#!/usr/bin/env bash
# Builds the editor and starts it from its program folder.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
vorzo_install_missing_packages
vorzo_build
cd "$VORZO_ROOT/build/dist"
exec ./VorzoDazorad "$@"
