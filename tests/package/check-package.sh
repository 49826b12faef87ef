#!/bin/sh
# Checks of what the package installs, one per call:
#   check-package.sh desktop FILE      the desktop entry passes desktop-file-validate, silently
#   check-package.sh mime XML ROOT     update-mime-database builds ROOT/mime from the system's types and XML, silently
#   check-package.sh contents DEB      every file a user needs is in the package, and nothing else
set -eu
check="$1"
shift

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# desktop-file-validate exits 0 after hints and warnings; either is a fault here.
desktop() {
  out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate rejects $1: $out"
  [ -z "$out" ] || fail "desktop-file-validate complains about $1: $out"
}

# The database as the package's trigger builds it: the system's types and
# ours in one cache (readers do not weigh magic across two databases).
# update-mime-database exits 0 even when it cannot parse a package file:
# its complaints on standard error are the verdict.
mime() {
  root="$2"
  rm -rf "$root"
  mkdir -p "$root/mime/packages" "$root/home"
  cp /usr/share/mime/packages/*.xml "$root/mime/packages/"
  cp "$1" "$root/mime/packages/"
  err=$(XDG_DATA_DIRS="$root" update-mime-database "$root/mime" 2>&1 >/dev/null) || fail "update-mime-database failed: $err"
  [ -z "$err" ] || fail "update-mime-database complains: $err"
  [ -s "$root/mime/mime.cache" ] || fail "no mime.cache was written"
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
/usr/share/applications/org.quillan.ruleedit.desktop
/usr/share/applications/org.quillan.scriptrun.desktop
/usr/share/mime/packages/quillan.xml
/usr/share/icons/hicolor/scalable/apps/org.quillan.ruleedit.svg
/usr/share/icons/hicolor/scalable/apps/org.quillan.scriptrun.svg
/usr/share/man/man1/scriptrun.1.gz
/usr/share/man/man1/quillanc.1.gz
/usr/share/man/man1/quillanreg.1.gz
/usr/share/man/man1/ruleedit.1.gz
/usr/share/man/man1/quillan-progman.1.gz
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
  desktop | mime | contents) "$check" "$@" ;;
  *) fail "unknown check $check" ;;
esac
echo "ok: $check $1"
