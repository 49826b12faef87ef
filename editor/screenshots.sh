#!/bin/sh
# Pictures of the editor for docs/: the main window, the about box and each
# form, showing sections of the bundled example rules file. Runs the real
# program under a virtual X server, in a scratch directory so that its
# working copy lands there.
#
# Usage: editor/screenshots.sh [BUILD_DIR]   (default: build-editor)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-editor"}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/editor/ruleedit" --screenshot "$root/docs" "$root/examples/rules/rules.ini"
