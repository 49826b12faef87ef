#!/bin/sh
# Pictures of the bundled example dialogs for docs/: each example runs in
# the real runtime under a virtual X server, and its window is drawn into
# docs/dialog-NAME.png when it first waits for the user.
#
# Usage: runtime/dialog/screenshots.sh [BUILD_DIR]   (default: build)
# or, from a build directory: cmake --build . --target dialog-screenshots
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
tool=${DIALOG_SCREENSHOTS:-"${1:-$root/build}/runtime/dialog/dialog_screenshots"}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
XDG_RUNTIME_DIR="$scratch" QUILLAN_REGISTRY="$scratch/registry.db" \
  xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$tool" "$root/docs" "$root/examples/order.qs" "$root/examples/colours.qs"
