#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Game of Kestov.
set -euo pipefail
cd "$(dirname "$0")"
# Checked first: without a display there is no point in installing and building.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "error: no display. Game of Kestov is a desktop program: run it in a graphical session (DISPLAY or WAYLAND_DISPLAY must be set)." >&2
  exit 1
fi
source scripts/deps.sh
kestov_install_deps
kestov_build build
# The program writes its files into the folder it starts in: its own folder, not the source tree.
cd build
exec ./kestov "$@"
