#!/bin/sh
# The newcomer's first command: installs what is missing, builds both
# programs and the compiler, compiles the bundled example script and runs
# it, so that its message box appears on the desktop.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-debian.sh
sh scripts/build.sh
./build/tools/quillanc/quillanc examples/hello.qs -o build/hello.exe
echo "Compiled examples/hello.qs to build/hello.exe; running it."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running unattended, the boxes are printed below."
  exec ./build/runtime/dialog/scriptrun --unattended build/hello.exe "${USER:-friend}"
fi
exec ./build/runtime/dialog/scriptrun build/hello.exe "${USER:-friend}"
