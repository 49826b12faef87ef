#!/bin/sh
# The whole test suite: installs what is missing, builds, and runs every
# test (widget tests on Qt's offscreen platform, so no display is needed).
# With SANITIZE=1 it builds into build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the same suite there. With GUI=0 it
# builds only the interpreter, the platform layer and their tests, without
# Qt, into build-nogui. Every run first checks that the sources are formatted.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-debian.sh
sh scripts/check-format.sh
if [ "${SANITIZE:-0}" = 1 ]; then
  BUILD_DIR=build-asan sh scripts/build.sh -DQUILLAN_SANITIZE=ON
  dir=build-asan
elif [ "${GUI:-1}" = 0 ]; then
  BUILD_DIR=build-nogui sh scripts/build.sh -DQUILLAN_GUI=OFF
  dir=build-nogui
else
  sh scripts/build.sh
  dir=build
fi
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
