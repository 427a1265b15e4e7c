#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$root/scripts/deps.sh" --for-tests
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Qt wants a private runtime folder; CI shells often have none.
if [[ -z ${XDG_RUNTIME_DIR:-} || ! -d ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
(cd "$root/build" && ctest --output-on-failure -j"$(nproc)")
# The same suite again under the sanitizers, in its own build folder.
"$root/scripts/sanitize.sh"
# The rules and the hint searches with their worker thread under ThreadSanitizer.
"$root/scripts/tsan.sh"
