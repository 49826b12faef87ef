#!/bin/sh
# Runs every benchmark against the build in BUILD_DIR (default: build).
set -eu
cd "$(dirname "$0")/.."
BUILD="${BUILD_DIR:-build}"
echo "== straight assignment lines, message processing three ways"
"$BUILD/bench/line_throughput" 1000000
echo
echo "== one 10 MB line of references, and one of calls"
"$BUILD/bench/long_line" 10
echo
echo "== counting loop against other interpreters"
sh bench/counting_loop.sh "$BUILD"
echo
echo "== the counting loop with a shown dialog, and how soon scriptrun shows it"
sh bench/startup.sh "$BUILD"
echo
echo "== a value written and read back: registry and INI pairs against sqlite3 and crudini"
sh bench/settings_pairs.sh "$BUILD" 10000 200
echo
echo "== string lists"
sh bench/lists.sh "$BUILD"
echo
echo "== other windows: WINEXISTS among 200 windows and SEND, against xdotool"
sh bench/windows.sh "$BUILD"
echo
echo "== DDEITEM against the test peer, a raw QtDBus call and gdbus"
sh bench/dde_requests.sh "$BUILD"
echo
echo "== FILELIST's directory search against find, 20,000 files"
"$BUILD/bench/filelist" 20000
echo
echo "== ruleedit on a 1 MB rules file: Open plus Save, every form"
sh bench/rules_editor.sh "$BUILD"
