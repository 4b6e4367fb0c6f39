#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test headless.
# Usage: ./test.sh [build-folder [extra CMake options...]]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
kestov_install_deps
dir=${1:-build}; shift || true
kestov_build "$dir" "$@"
scripts/test_scripts.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
