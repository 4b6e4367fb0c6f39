#!/usr/bin/env bash
# Checks run.sh and scripts/deps.sh against stand-ins for apt, dpkg, sudo, cmake and the program,
# in a scratch copy, so nothing is installed or built.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/bin"
cp "$src/run.sh" "$work/tree/"
cp "$src/scripts/deps.sh" "$work/tree/scripts/"
log=$work/calls
# Every stand-in records its name, its arguments and DEBIAN_FRONTEND as it sees it.
for tool in apt-get dpkg-query cmake sudo id; do
  cat >"$work/bin/$tool" <<STUB
#!/usr/bin/env bash
echo "$tool \$* [DEBIAN_FRONTEND=\${DEBIAN_FRONTEND:-}]" >>"$log"
case $tool in
  dpkg-query) exit 1 ;;                        # nothing is installed
  id) echo "\${FAKE_UID:-0}" ;;
  sudo) env -i PATH="\$PATH" "\$@" ;;          # drops the environment, as sudo does
  cmake) [ "\${1:-}" = --build ] && { mkdir -p "\$2"; printf '#!/bin/sh\\npwd >"%s"\\n' "$work/started-in" >"\$2/kestov"; chmod +x "\$2/kestov"; } ; exit 0 ;;
esac
exit 0
STUB
  chmod +x "$work/bin/$tool"
done
fail() { echo "test_scripts: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u DEBIAN_FRONTEND PATH="$work/bin:$PATH" "$@"; }

# Without a display run.sh stops before it installs or builds anything.
if run "$work/tree/run.sh" 2>"$work/err"; then fail "run.sh without a display succeeded"; fi
grep -q "no display" "$work/err" || fail "run.sh without a display gave no reason"
[ ! -e "$log" ] || fail "run.sh without a display still ran: $(cat "$log")"

# As root: apt-get is called directly, non-interactively; the program starts in its own folder.
(cd "$work" && run DISPLAY=:0 "$work/tree/run.sh" >/dev/null) || fail "run.sh with a display failed"
grep -q "^apt-get install .*fonts-dejavu-extra.* \[DEBIAN_FRONTEND=noninteractive\]" "$log" \
  || fail "no non-interactive install as root: $(cat "$log")"
! grep -q "^sudo" "$log" || fail "sudo used as root"
[ "$(cat "$work/started-in")" = "$work/tree/build" ] \
  || fail "program started in $(cat "$work/started-in"), not in build/"

# As another user: through sudo, and the variable survives it.
rm -f "$log"
(unset DEBIAN_FRONTEND && source "$work/tree/scripts/deps.sh" && PATH="$work/bin:$PATH" FAKE_UID=1000 kestov_install_deps >/dev/null) \
  || fail "kestov_install_deps through sudo failed"
grep -q "^apt-get install .* \[DEBIAN_FRONTEND=noninteractive\]" "$log" \
  || fail "DEBIAN_FRONTEND lost through sudo: $(cat "$log")"
echo "test_scripts: all passed"
