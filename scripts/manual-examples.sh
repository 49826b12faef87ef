#!/bin/sh
# Runs the manual's examples by hand, for writers: every page, or the pages
# named (e.g. "sh scripts/manual-examples.sh language.md commands-lists").
# A failure names page:line of the example and shows a diff of the
# transcript (-shown +actual). BUILD_DIR defaults to build.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR" --target manual_tests -j2 >/dev/null
QUILLAN_MANUAL_PAGES="$*" exec "$BUILD_DIR/tests/manual/manual_tests" --gtest_filter='ManualExamples.*'
