#!/usr/bin/env bash
# Installs into a scratch root and checks what a package would hold: the program beside
# its board picture, a working command on PATH, the menu entry and the icon.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }
program=$(find "$root/usr/lib" -path '*/spindora/spindora' -type f)
[[ -x $program ]] || fail "no program under /usr/lib/.../spindora/"
for picture in b1.bmp b2.bmp b3.bmp b4.bmp spdr.chm; do
  [[ -f $(dirname "$program")/$picture ]] || fail "$picture is not beside the program"
done
[[ -L $root/usr/bin/spindora ]] || fail "no command link in /usr/bin"
[[ $("$root/usr/bin/spindora" --version) == "Spindora V1.3" ]] || fail "the command link does not run the game"
grep -q '^Exec=spindora$' "$root/usr/share/applications/spindora.desktop" || fail "menu entry missing"
for size in 16 22 24 32 48 64 128; do
  [[ -f $root/usr/share/icons/hicolor/${size}x${size}/apps/spindora.png ]] || fail "icon ${size}x${size} missing"
done
