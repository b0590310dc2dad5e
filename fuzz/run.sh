#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds
# (default 10), seeded with the sample files of the tests. Installs clang and
# its runtime when they are missing. Fails on the first crash or sanitizer
# report; the reproducer is left in build-fuzz/artifacts/.
#   fuzz/run.sh [SECONDS]
set -euo pipefail

seconds=${1:-10}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build="$root/build-fuzz"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null |
  grep -q 'install ok installed'; then
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y clang libclang-rt-14-dev
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++
fi
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
for target in fuzz_detect fuzz_decode fuzz_euc fuzz_jis fuzz_code_page; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target ($seconds s)"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "$root/tests/data/encoding"
done
echo "fuzz: all targets ran ${seconds}s without a finding"
