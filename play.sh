#!/usr/bin/env bash
# Installs what is missing, builds, and starts Spindora. Arguments go to the game
# (for example: ./play.sh --seed 42).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "$root/build/spindora" "$@"
