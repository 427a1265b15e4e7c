#!/usr/bin/env bash
# Builds the whole test suite a second time, into build-asan/, under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer, and runs it. The first fault ends its test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-asan
# -O1 keeps the instrumented tests quick without hiding the stack traces. Line tables
# (-g1) are all a sanitizer report needs to name files and lines, and compile in a good
# part less time than full debug information.
"$root/scripts/configure.sh" "$root" "$build" -DSPINDORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1"
cmake --build "$build" -j"$(nproc)"
# No strict_string_checks: it takes strndup(s, n) to read all n bytes, and the X keyboard
# library legally hands it names that are bounded by n, not by a terminating zero.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0
cd "$build"
ctest --output-on-failure -j"$(nproc)"
