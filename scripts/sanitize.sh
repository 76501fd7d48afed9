#!/usr/bin/env bash
# Builds Tolmora and its tests with clang under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer into build-asan/, and runs
# every CTest suite there: unit, window, end-to-end and install tests.
# The first report of any sanitizer ends the program that made it, so a
# fault fails its test. The benchmarks and fuzzers are not built.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/deps.sh tests

if ! command -v clang++ >/dev/null; then
  echo "sanitize.sh: clang++ is missing (scripts/deps.sh tests installs it)" >&2
  exit 1
fi

# Exported before the build, since the build runs our generators and lists
# the tests, and inherited by every program the test scripts start. Leaks
# that system libraries keep until exit are listed, with their reasons, in
# scripts/lsan.supp.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"

# The standard library's own bounds checks come along: an index past the end
# of a vector or string stops there, even within its capacity.
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS"
# Debug keeps our assertions; -O1 keeps the instrumented tests quick.
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS="$flags" \
  -DBUILD_TESTING=ON -DTOLMORA_BENCHMARKS=OFF -DTOLMORA_FUZZERS=OFF -DTOLMORA_WERROR="${TOLMORA_WERROR:-OFF}" >/dev/null
cmake --build build-asan -j"$(nproc)"
# The package is the plain build's product; instrumenting it tells nothing new.
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE package
