#!/usr/bin/env bash
# Installs into a scratch root and checks what a package would hold: the program beside
# its board pictures, a working command on PATH that finds them from anywhere, the menu
# entry, the software-centre description, the icons and the manual page.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }
program=$(find "$root/usr/lib" -path '*/spindora/spindora' -type f)
[[ -x $program ]] || fail "no program under /usr/lib/.../spindora/"
for picture in b1.bmp b2.bmp b3.bmp b4.bmp b1@2x.bmp b2@2x.bmp b3@2x.bmp b4@2x.bmp \
               b1@3x.bmp b2@3x.bmp b3@3x.bmp b4@3x.bmp spdr.chm; do
  [[ -f $(dirname "$program")/$picture ]] || fail "$picture is not beside the program"
done
[[ -L $root/usr/bin/spindora ]] || fail "no command link in /usr/bin"
[[ $("$root/usr/bin/spindora" --version) == "Spindora V1.3" ]] || fail "the command link does not run the game"
grep -q '^Exec=spindora$' "$root/usr/share/applications/spindora.desktop" || fail "menu entry missing"
desktop-file-validate "$root/usr/share/applications/spindora.desktop" || fail "menu entry does not validate"
grep -q '^Categories=Game;LogicGame;$' "$root/usr/share/applications/spindora.desktop" || fail "menu entry not under Game;LogicGame;"
metainfo=$root/usr/share/metainfo/org.example.spindora.metainfo.xml
[[ -f $metainfo ]] || fail "metainfo missing"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo does not validate: $(appstreamcli validate --no-net "$metainfo")"
grep -q '<screenshot' "$metainfo" || fail "metainfo without a screenshot"
grep -q '<release ' "$metainfo" || fail "metainfo without release notes"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/spindora.png
  [[ -f $icon ]] || fail "no ${size}x${size} icon"
  [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "$icon is not ${size}x${size}"
done
[[ -f $root/usr/share/man/man6/spindora.6 ]] || fail "manual page missing"

# Started through the link, by path and through PATH, from a folder that holds no pictures:
# it must still find its own. A game that cannot load a picture names it on standard error
# (then waits on its message box); one that found them plays until the time-out ends it.
elsewhere=$(mktemp -d)
trap 'rm -rf "$root" "$elsewhere"' EXIT
starts_up() {
  local status=0
  (cd "$elsewhere" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
     timeout 3 "$@" --config "$elsewhere/settings.conf" >"$elsewhere/log" 2>&1) || status=$?
  [[ $status -eq 124 ]] || fail "$* ended with status $status: $(cat "$elsewhere/log")"
  ! grep -q 'cannot load' "$elsewhere/log" || fail "$* did not find its pictures: $(cat "$elsewhere/log")"
}
starts_up "$root/usr/bin/spindora"
starts_up ../../../../../../../../../.."$root/usr/bin/spindora"
PATH=$root/usr/bin:$PATH starts_up spindora
# And the check itself sees a missing picture.
rm "$(dirname "$program")/b1.bmp"
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/spindora" \
   --config "$elsewhere/settings.conf" >"$elsewhere/log" 2>&1) || true
grep -q 'cannot load.*/lib/spindora/b1.bmp' "$elsewhere/log" || fail "a missing picture went unnoticed"
