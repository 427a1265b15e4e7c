#!/usr/bin/env bash
# Prints this machine's figures for Spindora beside those of a peer puzzle game from Debian
# (sgt-twiddle, from sgt-puzzles), measured in the same run under a private X server:
# start-up to the first painted board, peak memory, CPU while idle, and each puzzle's
# frame and paint costs. Installs what it needs with apt-get, sgt-puzzles included.
# BENCH_RUNS (default 3) sets the measured runs per program; BENCH_SCALE=2 puts Spindora
# on a screen of twice the density (QT_SCALE_FACTOR), where it shows its dense pictures.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
runs=${BENCH_RUNS:-3}
scale=${BENCH_SCALE:-1}
idle=10

"$root/scripts/deps.sh" --with-display
"$root/scripts/build.sh" spindora spindora_bench >/dev/null
peer=/usr/games/sgt-twiddle
if [[ ! -x $peer ]]; then
  echo "Installing sgt-puzzles for the comparison"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends sgt-puzzles
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A settings file with the language chosen, so that no question stands before the board.
printf '[common]\ntongue=0\nmode=0\nmusic=0\n' >"$work/quiet.conf"
printf '[common]\ntongue=0\nmode=0\nmusic=1\n' >"$work/music.conf"
# The game plays the *.mid files beside it: a copy of it with a piece of four parts and
# drums, about five seconds long, which it repeats while it is measured.
mkdir "$work/game"
cp "$root/build/spindora" "$root"/build/b[1-4]*.{bmp,png} "$root/build/spdr.chm" "$work/game/"
python3 - "$work/game/tune.mid" <<'PIECE'
import struct, sys
events = [(0, bytes([0xC0, 0])), (0, bytes([0xC1, 33])), (0, bytes([0xC2, 48])), (0, bytes([0xC3, 73]))]
for bar in range(4):
    for beat in range(4):
        t = (bar * 4 + beat) * 96
        for channel, note in ((0, 60 + 4 * (beat % 2)), (1, 36 + bar), (2, 67), (3, 72 + beat), (9, 36 + beat % 2 * 2)):
            events += [(t, bytes([0x90 | channel, note, 90])), (t + 90, bytes([0x80 | channel, note, 64]))]
events.sort(key=lambda e: e[0])
track, now = b"", 0
for t, message in events:
    delta, now = t - now, t
    varlen = bytes([delta & 0x7F])
    while delta > 0x7F:
        delta >>= 7
        varlen = bytes([0x80 | (delta & 0x7F)]) + varlen
    track += varlen + message
track += b"\x00\xFF\x2F\x00"
with open(sys.argv[1], "wb") as out:
    out.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + track)
PIECE

echo "== Start-up, peak memory and idle CPU over ${idle} s, 4 s after the window (median of $runs runs, Spindora at ${scale}x)"
echo "   window/paint: ms to the first window / first painted board; peakRSS: MiB; idleCPU: ms"
echo "   spindora-music plays the piece through SDL's disk driver, so its idle CPU is the synthesiser's"
"$root/scripts/desktop-cost.sh" --runs "$runs" --idle "$idle" --settle 4 \
  "spindora=SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=$scale $root/build/spindora --seed 1 --config $work/quiet.conf" \
  "spindora-music=SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw QT_SCALE_FACTOR=$scale $work/game/spindora --seed 1 --config $work/music.conf" \
  "sgt-twiddle=$peer"

echo
echo "== The window zoomed, on a screen of 3840 x 2160: peak memory at 100, 200 and 400 % and full"
echo "   screen (the pictures for the zoom read or painted aside once, in the warm-up run)"
for zoom in 100 200 400; do printf '[common]\ntongue=0\nmode=0\nmusic=0\nzoom=%s\n' $zoom >"$work/zoom$zoom.conf"; done
printf '[common]\ntongue=0\nmode=0\nmusic=0\nfullscreen=1\n' >"$work/full.conf"
"$root/scripts/desktop-cost.sh" --runs "$runs" --idle 1 --settle 4 --screen 3840x2160x24 \
  "zoom100=SDL_AUDIODRIVER=dummy $root/build/spindora --seed 1 --config $work/zoom100.conf" \
  "zoom200=SDL_AUDIODRIVER=dummy $root/build/spindora --seed 1 --config $work/zoom200.conf" \
  "zoom400=SDL_AUDIODRIVER=dummy $root/build/spindora --seed 1 --config $work/zoom400.conf" \
  "fullscreen=SDL_AUDIODRIVER=dummy $root/build/spindora --seed 1 --config $work/full.conf"

echo
echo "== The first paint after a change of size, from 100 %, with the 1:1 pictures scaled while"
echo "   those for the new density are made aside; and the time until those show"
"$root/build/bench/spindora_bench" --benchmark_filter='Zoom'

echo
echo "== Frame and paint costs per puzzle, and a search step through its rules (build/bench/spindora_bench)"
"$root/build/bench/spindora_bench" --benchmark_min_time=0.2 \
  --benchmark_filter='Frame|PaintBoard|DrawPlate|PressRedraw|ApplyHash'

echo
echo "== A hint's search over 20 seeded deals per level: median and worst (the first at a level"
echo "   builds what the puzzle keeps per level); peak_MiB: the rise of peak memory while hinting"
"$root/build/bench/spindora_bench" --benchmark_filter='Hint' | grep -E '^Benchmark|_(median|worst) '

echo
echo "== MURVO's level 1 hint over 1,000 seeded deals (some minutes): the worst rise of peak memory,"
echo "   the most its exact search held, the deals left to the beam search, median and worst time"
"$root/build/bench/spindora_bench" --benchmark_filter='MurvoLevelOneMemory' | grep -E '^Benchmark|^BM_'
