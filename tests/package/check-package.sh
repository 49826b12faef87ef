#!/bin/sh
# Checks of what the package installs, one per call:
#   check-package.sh contents DEB      every file a user needs is in the package, and nothing else
set -eu
check="$1"
shift

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

contents() {
  deb="$1"
  listing=$(dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
  missing=""
  # One path a line; each must be a file in the package.
  while read -r path; do
    [ -n "$path" ] || continue
    printf '%s\n' "$listing" | grep -qxF "$path" || missing="$missing $path"
  done <<PATHS
/usr/bin/scriptrun
/usr/bin/quillanc
/usr/bin/quillanreg
/usr/bin/ruleedit
/usr/bin/quillan-progman
/usr/share/dbus-1/services/org.quillan.Dde.progman.service
PATHS
  [ -z "$missing" ] || fail "not in $deb:$missing"
  # Nothing of the build tree's own: no tests, benchmarks or fuzz targets.
  stray=$(printf '%s\n' "$listing" | grep -E '_tests$|/bench|fuzz|screenshots' || true)
  [ -z "$stray" ] || fail "build-only files in $deb: $stray"
  # The bus starts the peer where the package puts it.
  dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/dbus-1/services/org.quillan.Dde.progman.service |
    grep -qx 'Exec=/usr/bin/quillan-progman' || fail "the D-Bus service does not start /usr/bin/quillan-progman"
}

case "$check" in
  contents) "$check" "$@" ;;
  *) fail "unknown check $check" ;;
esac
echo "ok: $check $1"
