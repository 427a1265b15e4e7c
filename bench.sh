#!/usr/bin/env bash
# Prints this machine's figures for Spindora beside those of a peer puzzle game from Debian
# (sgt-twiddle, from sgt-puzzles), measured in the same run under a private X server:
# start-up to the first painted board, peak memory, CPU while idle, and each puzzle's
# frame and paint costs. Installs what it needs with apt-get, sgt-puzzles included.
# BENCH_RUNS (default 3) sets the measured runs per program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
runs=${BENCH_RUNS:-3}
idle=10

"$root/scripts/deps.sh" --with-display
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build" --target spindora_bench >/dev/null
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

echo "== Start-up, peak memory and idle CPU over ${idle} s (median of $runs runs; ratios: peer / spindora)"
echo "   window/paint: ms to the first window / first painted board; peakRSS: MiB; idleCPU: ms"
"$root/scripts/desktop-cost.sh" --runs "$runs" --idle "$idle" \
  "spindora=SDL_AUDIODRIVER=dummy $root/build/spindora --seed 1 --config $work/quiet.conf" \
  "sgt-twiddle=$peer"

echo
echo "== Music on and off"
# The music player is not built yet; its figures (idle CPU and peak memory with a *.mid
# beside the program and music=1) belong here, as a second desktop-cost label.
echo "   (no music player in this build)"

echo
echo "== Frame and paint costs per puzzle (build/bench/spindora_bench)"
"$root/build/bench/spindora_bench" --benchmark_min_time=0.2 \
  --benchmark_filter='Frame|PaintBoard|DrawPlate|PressRedraw'
