#!/usr/bin/env bash
# Installs into a scratch root and checks what a package would hold, where Debian puts a
# game: the command in /usr/games, the program in /usr/lib/games/spindora/ beside links to
# its board pictures and help in /usr/share/games/spindora/, a command that finds them from
# anywhere, the menu entry, the software-centre description, the icons and the manual page.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }
program=$root/usr/lib/games/spindora/spindora
[[ -f $program && ! -L $program && -x $program ]] || fail "no program in /usr/lib/games/spindora/"
for picture in b1.bmp b2.bmp b3.bmp b4.bmp b1@2x.png b2@2x.png b3@2x.png b4@2x.png spdr.chm; do
  data=$root/usr/share/games/spindora/$picture
  [[ -f $data && ! -L $data ]] || fail "$picture is not in /usr/share/games/spindora/"
  beside=$(dirname "$program")/$picture
  # Relative, so that the tree works wherever it is unpacked.
  [[ -L $beside && $(readlink "$beside") != /* ]] || fail "$picture beside the program is no relative link"
  [[ $beside -ef $data ]] || fail "$picture beside the program does not lead to the data folder"
done
[[ -z $(find "$root/usr/lib" -type f ! -path "$program") ]] || fail "more than the program in /usr/lib: $(find "$root/usr/lib" -type f)"
[[ ! -e $root/usr/bin ]] || fail "a game's command belongs in /usr/games, not /usr/bin"
[[ -L $root/usr/games/spindora && $(readlink "$root/usr/games/spindora") != /* ]] || fail "no relative command link in /usr/games"
[[ $("$root/usr/games/spindora" --version) == "Spindora V1.3" ]] || fail "the command link does not run the game"
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
manual=$root/usr/share/man/man6/spindora.6.gz
[[ -f $manual ]] || fail "compressed manual page missing"
[[ $(gzip -dc "$manual" | head -c 200) == *'.TH SPINDORA 6'* ]] || fail "the manual page does not unpack to spindora(6)"
docs=$root/usr/share/doc/spindora
grep -q '^License: MIT$' "$docs/copyright" || fail "no MIT licence in the copyright file"
[[ $(gzip -dc "$docs/changelog.gz" | head -n1) == 'spindora (1.3) '* ]] || fail "the changelog does not begin with this release"

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
starts_up "$root/usr/games/spindora"
starts_up ../../../../../../../../../.."$root/usr/games/spindora"
PATH=$root/usr/games:$PATH starts_up spindora
# And the check itself sees a missing picture.
rm "$root/usr/share/games/spindora/b1.bmp"
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/games/spindora" \
   --config "$elsewhere/settings.conf" >"$elsewhere/log" 2>&1) || true
grep -q 'cannot load.*/lib/games/spindora/b1.bmp' "$elsewhere/log" || fail "a missing picture went unnoticed"
