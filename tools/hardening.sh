#!/bin/sh
# The hardening runs of CI, each in a build folder of its own:
#   build-asan  the whole suite under AddressSanitizer + UBSan (the first finding fails it), and
#               the benchmarks, which are built here only to keep them compiling
#   build-tsan  the clone, link-widget and main-window suites under ThreadSanitizer
#   build-fuzz  every fuzz target for FUZZ_SECONDS (default 30) each under ASan + UBSan
# Optimized lightly (-O1) with line tables only, to keep the builds short on two cores.
set -e
cd "$(dirname "$0")/.."
FLAGS="-O1 -g1"
export QT_QPA_PLATFORM=offscreen

# Qt and fontconfig keep caches for the life of the process: their allocations are not leaks.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=$FLAGS" \
    -DDUOBAND_SANITIZE=address,undefined -DDUOBAND_EXTRAS=OFF -DDUOBAND_BENCH=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2

# The distribution's Qt is not instrumented: what happens inside it is not checked (its locks
# are invisible to the sanitizer), ours is. Tests start helper processes from threads.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:die_after_fork=0"
TSAN_SUITES="tst_clone tst_link_widgets tst_main_window"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=$FLAGS" \
    -DDUOBAND_SANITIZE=thread -DDUOBAND_EXTRAS=OFF
cmake --build build-tsan -j2 --target $TSAN_SUITES duoband-cli
ctest --test-dir build-tsan --output-on-failure -R "^($(echo $TSAN_SUITES | tr ' ' '|'))\$"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=$FLAGS" \
    -DDUOBAND_FUZZ=ON
cmake --build build-fuzz -j2
tools/fuzz.sh build-fuzz "${FUZZ_SECONDS:-30}"
