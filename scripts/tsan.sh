#!/usr/bin/env bash
# Builds the rules library and its tests once more, into build-tsan/, under ThreadSanitizer,
# and runs the tests that run more than one thread: there the hint searches and their worker
# thread are asked, cancelled and answered from several threads at once. The first race
# reported ends the run. The other rules tests search on one thread, where ThreadSanitizer
# has nothing to find and runs them many times slower; the other two builds run them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-tsan
"$root/scripts/configure.sh" "$root" "$build" -DSPINDORA_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target spindora_rules_tests
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
"$build/tests/spindora_rules_tests" --gtest_brief=1 --gtest_filter='SearchWorker.*:*Thread*'
