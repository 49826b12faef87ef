#!/bin/sh
# Installs the Debian packages Quillan needs to build, test and run.
# Uses sudo when not run as root; installs nothing that is already there.
set -eu

PACKAGES="cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libsqlite3-dev libgtest-dev googletest
  xvfb xauth dbus xdg-utils xclip desktop-file-utils
  libx11-dev libxtst-dev openbox x11-utils tk xdotool
  vim dpkg-dev file scdoc lintian shared-mime-info"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -z "$missing" ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
