#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Spindora need,
# skipping the apt run when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xdg-utils
  fp-utils libmspack0 libmspack-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  desktop-file-utils appstream groff-base
  dpkg-dev
)
# The tests also play the installed game on a private X server, one of them under a
# window manager.
if [[ ${1:-} == --with-display || ${1:-} == --for-tests ]]; then
  packages+=(xvfb xauth xdotool imagemagick x11-utils openbox)
fi
# And they have lintian judge the Debian package, read the game as a screen reader does,
# over the accessibility bus in a private D-Bus session, and hear what Orca itself speaks
# through speech-dispatcher and espeak-ng into a silent audio driver.
if [[ ${1:-} == --for-tests ]]; then
  packages+=(lintian at-spi2-core python3-pyatspi dbus-daemon
             orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
