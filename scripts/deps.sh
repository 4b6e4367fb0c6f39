#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing. Sourced by run.sh and test.sh.
# Extra package names given as arguments are installed as well.
kestov_install_deps() {
  local packages=(cmake g++ make qt6-base-dev libgif-dev fonts-dejavu-core fonts-dejavu-extra "$@")
  local missing=()
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: root rights are needed to install ${missing[*]} (no sudo found)" >&2; return 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq || return 1
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# Configures and builds into the given folder with the given extra CMake options.
kestov_build() {
  local dir=$1; shift
  cmake -S "$(dirname "${BASH_SOURCE[0]}")/.." -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" || return 1
  cmake --build "$dir" -j"$(nproc)" || return 1
}
