#!/bin/sh
# ruleedit on a 1 MB rules file made from the bundled example: Open plus
# Save, every form shown, OK on each form; medians of RUNS runs on Qt's
# offscreen platform, with the machine's load before and after.
#
#   sh bench/rules_editor.sh [BUILD_DIR] [MEGABYTES] [RUNS]
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
chmod 700 "$WORK"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK" TMPDIR="$WORK"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$BUILD/bench/rules_editor" examples/rules/rules.ini "${2:-1}" "${3:-15}"
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
