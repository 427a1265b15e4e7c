#!/usr/bin/env bash
# Builds the Debian packages with CPack (the game, and the data it reads, which is the same
# on every architecture), checks their control fields, file lists and installed sizes, has
# lintian judge them where lintian is installed (any error or warning fails), unpacks them
# into a scratch root and starts the unpacked game offscreen through its command link.
#
# The game has no switch to end itself, so the start is judged from the outside: Qt's
# widget-painting log (qt.widgets.painting) names every widget it draws, and the first
# "Drawing" line of the board widget "box" is the first painted board. The game is then
# ended with SIGTERM. The wait is bounded (15 s); only the first paint decides.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "${2:-$(dirname "$0")/..}" && pwd)
work=$(mktemp -d)
game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "debian package: $*" >&2; exit 1; }

command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-shlibdeps missing (dpkg-dev)"; exit 77; }
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/spindora_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "no single spindora_*.deb made"
deb=${debs[0]}
datas=("$work"/out/spindora-data_*_all.deb)
[[ ${#datas[@]} == 1 && -f ${datas[0]} ]] || fail "no single spindora-data_*_all.deb made"
data=${datas[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == spindora ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == 1.3 ]] || fail "Version is '$(field Version)'"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)'"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
for needed in 'spindora-data' 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'libsdl2-mixer-2.0-0' 'libfluidsynth3' \
              'libmspack0' 'timgm6mb-soundfont' 'fonts-liberation2' 'fonts-dejavu-core' 'libc6'; do
  [[ ",$depends," == *[\ ,]"$needed"[\ ,\(]* ]] || fail "Depends lacks $needed: $depends"
done
[[ $depends != *libchm* ]] || fail "Depends still names chmlib, which the game no longer reads: $depends"
description=$(field Description)
[[ $(head -n1 <<<"$description") == *puzzle* ]] || fail "no synopsis: $description"
(($(wc -l <<<"$description") >= 5)) || fail "the description has no body"
grep -q 'ZIBBO' <<<"$description" || fail "the description does not name the puzzles"
(($(grep -c 'four logic puzzles' <<<"$description") == 1)) || fail "the synopsis is repeated in the body"
[[ $(dpkg-deb -f "$data" Package) == spindora-data && $(dpkg-deb -f "$data" Version) == 1.3 ]] ||
  fail "the data package is '$(dpkg-deb -f "$data" Package)' $(dpkg-deb -f "$data" Version)"
[[ $(dpkg-deb -f "$data" Description) == *Spindora* ]] || fail "the data package's synopsis names no game"
# No maintainer scripts: nothing in the control archives but control and md5sums.
scripts=$(for package in "$deb" "$data"; do dpkg-deb --ctrl-tarfile "$package" | tar -t; done |
            grep -Ev '^\./$|^\./(control|md5sums)$' || true)
[[ -z $scripts ]] || fail "unexpected control files: $scripts"

contents=$(dpkg-deb -c "$deb")
listing=$(awk '{print $6}' <<<"$contents")
has() { grep -Eq "^\./usr/$1\$" <<<"$listing" || fail "the package lacks /usr/$1"; }
has 'lib/games/spindora/spindora'
data_listing=$(dpkg-deb -c "$data" | awk '{print $6}')
for file in b1.bmp b2.bmp b3.bmp b4.bmp b1@2x.png b2@2x.png b3@2x.png b4@2x.png spdr.chm; do
  grep -q "^\./usr/share/games/spindora/$file\$" <<<"$data_listing" || fail "spindora-data lacks $file"
  grep -q "^l.* \./usr/lib/games/spindora/$file -> " <<<"$contents" || fail "$file beside the program is no link"
done
has 'games/spindora'
has 'share/doc/spindora/copyright'
grep -q '^\./usr/share/doc/spindora-data/copyright$' <<<"$data_listing" || fail "spindora-data has no copyright file"
[[ -z $(grep -v '^\./usr/share/' <<<"$data_listing" | grep -Ev '^\./(usr/)?$') ]] ||
  fail "spindora-data holds more than /usr/share: $data_listing"
has 'share/doc/spindora/changelog\.gz'
has 'share/applications/spindora\.desktop'
for size in 16 22 24 32 48 64 128; do has "share/icons/hicolor/${size}x${size}/apps/spindora\.png"; done
# The AppStream metainfo and the manual page travel with the package once the tree has them.
in_tree() { [[ -n $(find "$source" -path "$source/build*" -prune -o -path "$source/.git" -prune -o -name "$1" -print -quit) ]]; }
if in_tree '*.metainfo.xml'; then has 'share/metainfo/.*\.metainfo\.xml'; fi
if in_tree 'spindora.6'; then has 'share/man/man6/spindora\.6\.gz'; fi
grep -q '^l.* \./usr/games/spindora -> ' <<<"$contents" || fail "/usr/games/spindora is no link"
dpkg-deb -c "$data" | awk '$2 != "root/root" {exit 1}' && awk '$2 != "root/root" {exit 1}' <<<"$contents" ||
  fail "files not owned by root"

if command -v lintian >/dev/null; then
  # lintian frowns on being run as root but judges the same; that note is no finding.
  status=0
  lintian --fail-on error,warning "$deb" "$data" >"$work/lintian.log" 2>&1 || status=$?
  findings=$(grep -E '^[EW]: ' "$work/lintian.log" || true)
  [[ -z $findings && $status == 0 ]] || fail "lintian: $(cat "$work/lintian.log")"
else
  echo "debian package: lintian is not installed, the package went unjudged"
fi

# Each Installed-Size is what the package's unpacked files take, a link counting as a link,
# not as a copy of its file: their bytes, and at most one KiB more for each file, folder and
# link, which dpkg rounds up to whole KiB.
root=$work/root
total=0
for package in "$deb" "$data"; do
  rm -rf "$work/tree"
  dpkg-deb -x "$package" "$work/tree"
  installed=$(dpkg-deb -f "$package" Installed-Size)
  bytes=$(find "$work/tree" -type f -printf '%s\n' | awk '{sum += $1} END {print sum}')
  entries=$(find "$work/tree" -mindepth 1 | wc -l)
  ((installed * 1024 >= bytes && installed <= bytes / 1024 + entries)) ||
    fail "$(basename "$package"): Installed-Size is $installed KiB, yet its files take $((bytes / 1024)) KiB in $entries entries"
  total=$((total + installed))
  dpkg-deb -x "$package" "$root"
done
((total <= 11550)) || fail "the game installs $total KiB, more than sgt-puzzles' 11,550 KiB for 40 games"
[[ $(gzip -dc "$root/usr/share/doc/spindora/changelog.gz" | head -n1) == 'spindora (1.3) '* ]] ||
  fail "the changelog does not begin with this release"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
[[ $("$root/usr/games/spindora" --version) == "Spindora V1.3" ]] || fail "--version through the link"
"$root/usr/games/spindora" --help | grep -q -- '--config' || fail "--help through the link"

# A first start from another folder, with the language stored so that only the splash waits.
mkdir "$work/elsewhere"
printf '[common]\ntongue=0\nmode=1\n' >"$work/V1.conf"
cd "$work/elsewhere"
QT_LOGGING_RULES='qt.widgets.painting=true' XDG_RUNTIME_DIR=$work \
  "$root/usr/games/spindora" --config "$work/V1.conf" --seed 5 >"$work/out.log" 2>"$work/err.log" &
game_pid=$!
for ((i = 0; i < 300; ++i)); do
  grep -qs 'Drawing .*BoardWidget.*name="box"' "$work/err.log" && break
  kill -0 "$game_pid" 2>/dev/null || { cat "$work/err.log" >&2; fail "the game ended before painting its board"; }
  sleep 0.05
done
grep -qs 'Drawing .*BoardWidget.*name="box"' "$work/err.log" || { tail "$work/err.log" >&2; fail "no board painted within 15 s"; }
grep -q 'cannot load' "$work/err.log" && fail "the game missed a file: $(grep 'cannot load' "$work/err.log")"
kill -TERM "$game_pid"
wait "$game_pid" || true
game_pid=
echo "debian package: $(basename "$deb") and $(basename "$data") ok, $total KiB installed"
