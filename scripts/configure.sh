#!/usr/bin/env bash
# Configures a build folder for Ninja: configure.sh SOURCE BUILD [cmake options...].
# A folder that an older checkout configured for Make is configured afresh, as CMake
# refuses to switch the generator of an existing folder.
set -euo pipefail
source_dir=$1 build_dir=$2
shift 2
cache=$build_dir/CMakeCache.txt
if [[ -f $cache ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
  rm -rf "$cache" "$build_dir/CMakeFiles"
fi
cmake -S "$source_dir" -B "$build_dir" -G Ninja "$@" >/dev/null
