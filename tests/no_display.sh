#!/usr/bin/env bash
# Without a usable display the game says so in one line and ends with status 1, instead of
# the toolkit's abort with a core dump; --help and --version still answer.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "no display: $*" >&2; exit 1; }
expect_one_line() {  # $1 = what the parenthesis says, then the environment to run with
  local reason=$1; shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" --config "$work/c.conf" \
    >"$work/out" 2>"$work/err" || status=$?
  [[ $status -eq 1 ]] || fail "status $status, not 1, with $*: $(cat "$work/err")"
  [[ ! -s $work/out ]] || fail "standard output not empty with $*"
  local expected="spindora: no graphical display found ($reason); start it from a desktop session"
  [[ $(cat "$work/err") == "$expected" ]] || fail "with $* standard error says: $(cat "$work/err")"
  compgen -G "$work/core*" >/dev/null && fail "core file left with $*"
  return 0
}
expect_one_line "DISPLAY is not set"
# A display number with no server behind it (no socket, nothing listening).
n=99
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
expect_one_line "cannot open display :$n" DISPLAY=:$n
[[ $(env -u DISPLAY "$program" --version) == "Spindora V1.3" ]] || fail "--version needs a display"
env -u DISPLAY "$program" --help | grep -q -- --seed || fail "--help needs a display"

# With a display, the check must not stand in the game's way. A server that has no other
# client resets when the last one leaves, so a check that let go of its connection before
# the toolkit connected would make the toolkit fail here. Needs Xvfb (scripts/deps.sh
# --with-display); without it this part is left out.
if command -v Xvfb >/dev/null; then
  n=140
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  Xvfb :$n -nolisten tcp -screen 0 640x480x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 50); do [[ -S /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
  for run in 1 2; do
    status=0
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:$n SDL_AUDIODRIVER=dummy \
      timeout 2 "$program" --config "$work/c.conf" >"$work/err" 2>&1 || status=$?
    [[ $status -eq 124 ]] || fail "with a display the game ended with status $status: $(cat "$work/err")"
  done
fi
