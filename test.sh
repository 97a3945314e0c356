#!/usr/bin/env bash
# Builds everything and runs every test headless; fails when any test fails.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"
vorzo_install_missing_packages
vorzo_build
cd "$VORZO_ROOT"
ctest --preset default "$@"
