#!/usr/bin/env bash
# Builds every libFuzzer target into build-fuzz with clang and runs each one
# for about 30 seconds; FUZZ_SECONDS sets another time per target, and names
# given as arguments (theme, wave, ...) run only those targets:
#   FUZZ_SECONDS=900 nice -n 19 scripts/fuzz.sh theme wave
# A target named fuzz_<name> or tolmora_fuzz_<name> starts from its seeds in
# fuzz/corpus/<name>/ if there are any. A crash leaves its input and log in
# build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (scripts/deps.sh tests installs it)" >&2
  exit 1
fi

# Every library is instrumented for coverage and checked by the sanitizers;
# the fuzzer executables add libFuzzer's own main.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" -DTOLMORA_FUZZERS=ON -DBUILD_TESTING=OFF -DTOLMORA_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target tolmora_fuzzers -j"$(nproc)"

status=0
found=0
for fuzzer in build-fuzz/fuzzers/*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  found=$((found + 1))
  name="${fuzzer##*/}"
  name="${name#tolmora_}"
  name="${name#fuzz_}"
  if [ "$#" -gt 0 ] && [[ " $* " != *" $name "* ]]; then
    continue
  fi
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus" "build-fuzz/crashes/$name"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  log="build-fuzz/fuzz_$name.log"
  echo "Fuzzing $name for ${seconds} s"
  if "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
       -artifact_prefix="build-fuzz/crashes/$name/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    grep -E '^(Done|#[0-9]+.*DONE)' "$log" | tail -n 1 || true
  else
    echo "fuzz.sh: $name failed; the end of $log:" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done

if [ "$found" -eq 0 ]; then
  echo "fuzz.sh: no fuzz targets were built" >&2
  exit 1
fi
exit "$status"
