#!/usr/bin/env bash
# Configures and builds into build/ (incremental after the first run): the targets named
# (for example `spindora`, the game with its pictures and help file), or everything.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/configure.sh" "$root" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=()
(($# == 0)) || targets=(--target "$@")
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
