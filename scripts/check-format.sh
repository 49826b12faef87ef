#!/bin/sh
# Fails when a C++ source file of the tree is not as clang-format writes it
# (the style is .clang-format). `sh scripts/check-format.sh --fix` rewrites
# them instead.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ "${1:-}" = "--fix" ]; then
  # shellcheck disable=SC2086
  clang-format -i $files
  exit 0
fi
# shellcheck disable=SC2086
if ! clang-format --dry-run --Werror $files; then
  echo "check-format: files above are not formatted; run sh scripts/check-format.sh --fix" >&2
  exit 1
fi
