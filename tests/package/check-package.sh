#!/bin/sh
# Checks of what the package installs, one per call:
#   check-package.sh desktop FILE      the desktop entry passes desktop-file-validate, silently
#   check-package.sh mime XML ROOT     update-mime-database builds ROOT/mime from the system's types and XML, silently
#   check-package.sh contents DEB [PATH...]  every file a user needs (and each PATH) is in the package, and nothing else
#   check-package.sh lintian DEB       lintian finds no error (its warnings are shown)
#   check-package.sh unpacked DEB      the programs as unpacked from DEB compile and run a script
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
  shift
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
/usr/share/doc/quillan/copyright
/usr/share/doc/quillan/changelog.Debian.gz
PATHS
  for path in "$@"; do
    printf '%s\n' "$listing" | grep -qxF "$path" || missing="$missing $path"
  done
  [ -z "$missing" ] || fail "not in $deb:$missing"
  # Nothing of the build tree's own: no tests, benchmarks or fuzz targets.
  stray=$(printf '%s\n' "$listing" | grep -E '_tests$|/bench|fuzz|screenshots' || true)
  [ -z "$stray" ] || fail "build-only files in $deb: $stray"
  # The bus starts the peer where the package puts it.
  dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/dbus-1/services/org.quillan.Dde.progman.service |
    grep -qx 'Exec=/usr/bin/quillan-progman' || fail "the D-Bus service does not start /usr/bin/quillan-progman"
}

lintian_check() {
  command -v lintian >/dev/null || fail "lintian is not installed (sh scripts/setup-debian.sh installs it)"
  report=$(lintian --tag-display-limit 0 "$1" 2>&1) || true
  [ -z "$report" ] || printf '%s\n' "$report"
  errors=$(printf '%s\n' "$report" | grep '^E: ' || true)
  [ -z "$errors" ] || fail "lintian reports errors"
}

# The unpacked root stands in for /: nothing of the build tree may be needed.
unpacked() {
  root=$(mktemp -d)
  trap 'rm -rf "$root"' EXIT
  dpkg-deb -x "$1" "$root"
  bin="$root/usr/bin"
  for program in scriptrun quillanc quillanreg ruleedit quillan-progman; do
    if readelf -d "$bin/$program" | grep -qE 'RPATH|RUNPATH'; then fail "$program keeps a library path of the build"; fi
    if readelf -S "$bin/$program" | grep -q '\.debug_info'; then fail "$program is not stripped"; fi
  done
  work="$root/work"
  mkdir -p "$work/config"
  # MCI opens the sound module, which scriptrun looks for beside itself in
  # the unpacked root; a module it cannot load is told on standard error.
  printf '%s\n' 'TITLE Packaged' '%M = @mci(close all)' '%A = @upper(hello)' 'INFO %A %1' >"$work/hello.qs"
  "$bin/quillanc" "$work/hello.qs" || fail "the unpacked quillanc cannot compile"
  # Started as a user starts it: the file's launcher finds the runtime.
  transcript=$(cd "$work" && env -u QUILLAN_MODULE_DIR QT_QPA_PLATFORM=offscreen QUILLAN_UNATTENDED= \
    XDG_CONFIG_HOME="$work/config" QUILLAN_REGISTRY="$work/registry.db" QUILLAN_SCRIPTRUN="$bin/scriptrun" \
    ./hello.exe world 2>"$work/stderr") || fail "the unpacked scriptrun failed with status $?: $(cat "$work/stderr")"
  expected=$(printf 'box\tinformation\tOK\tPackaged\tHELLO world\tOK')
  [ "$transcript" = "$expected" ] || fail "transcript: '$transcript', expected '$expected'"
  [ ! -s "$work/stderr" ] || fail "the unpacked scriptrun wrote to standard error: $(cat "$work/stderr")"
}

case "$check" in
  lintian) lintian_check "$@" ;;
  desktop | mime | contents | unpacked) "$check" "$@" ;;
  *) fail "unknown check $check" ;;
esac
echo "ok: $check $1"
