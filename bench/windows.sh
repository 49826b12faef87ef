#!/bin/sh
# WINEXISTS among 200 client windows and WINDOW SEND of 1,000 characters,
# against xdotool on the same virtual display (with openbox).
set -eu
build="${1:-build}"
xvfb-run -a -s '-screen 0 1280x1024x24' "$build/bench/window_automation"
