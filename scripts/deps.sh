#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing. Sourced by run.sh and test.sh.
# Extra package names given as arguments are installed as well.
kestov_install_deps() {
  # fonts-dejavu-extra: the picture generator draws with the italic and condensed faces as well.
  local packages=(cmake g++ make qt6-base-dev libgif-dev libjpeg62-turbo-dev fonts-dejavu-core fonts-dejavu-extra "$@")
  local missing=()
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  # sudo drops the caller's environment, so the variable goes on its command line.
  local as_root=(env)
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: root rights are needed to install ${missing[*]} (no sudo found)" >&2; return 1; }
    as_root=(sudo)
  fi
  "${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get update -qq || return 1
  "${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# Configures and builds into the given folder with the given extra CMake options.
kestov_build() {
  local dir=$1; shift
  cmake -S "$(dirname "${BASH_SOURCE[0]}")/.." -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" || return 1
  cmake --build "$dir" -j"$(nproc)" || return 1
}
