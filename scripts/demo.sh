#!/bin/sh
# The newcomer's first command: installs what is missing, builds both
# programs and the compiler, compiles the bundled example script and runs it
# (its message boxes appear on the desktop), then opens the bundled example
# rules file in ruleedit.
set -eu
cd "$(dirname "$0")/.."
top="$(pwd)"
sh scripts/setup-debian.sh
sh scripts/build.sh
./build/tools/quillanc/quillanc examples/hello.qs -o build/hello.exe
echo "Compiled examples/hello.qs to build/hello.exe; running it."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running unattended, the boxes are printed below."
  ./build/runtime/dialog/scriptrun --unattended build/hello.exe "${USER:-friend}"
  echo "ruleedit needs a display; on a desktop this command opens examples/rules/rules.ini in it."
  exit 0
fi
./build/runtime/dialog/scriptrun build/hello.exe "${USER:-friend}"
# ruleedit keeps its working copy in the current directory: give it one of
# its own so the repository stays clean.
workdir="$(mktemp -d)"
echo "Opening examples/rules/rules.ini in ruleedit (working copy in $workdir)."
cd "$workdir"
"$top/build/editor/ruleedit" "$top/examples/rules/rules.ini"
rm -rf "$workdir"
