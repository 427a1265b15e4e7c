#!/usr/bin/env bash
# Installs what is missing, builds, and starts Spindora. Arguments go to the game
# (for example: ./play.sh --seed 42).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/deps.sh"
# Only what the game needs: the program, its pictures and its help file, not the tests.
"$root/scripts/build.sh" spindora
exec "$root/build/spindora" "$@"
