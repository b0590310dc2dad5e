#!/usr/bin/env bash
# Build driver for Kelp. Installs what is missing (apt), then builds.
#   ./kelp.sh start [FILE...]   build and start Kelp with the given files
#   ./kelp.sh test              build and run every test
#   ./kelp.sh sanitize          the same tests under AddressSanitizer and UBSan
#   ./kelp.sh bench [ARGS...]   build and run the benchmark program
# Works as root and through sudo; a second run only rebuilds what changed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

packages=(build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-declarative-dev libonig-dev libgtest-dev libgmock-dev
  fonts-ipafont-gothic libicu-dev)
bench_packages=(libbenchmark-dev libqscintilla2-qt6-dev)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Under sudo, build and run as the user who called it, so that the build tree
# and the program's settings belong to that user (when the tree is theirs).
as_user() {
  if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ] &&
    sudo -u "$SUDO_USER" test -w "$here"; then
    sudo -u "$SUDO_USER" env DISPLAY="${DISPLAY:-}" WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" \
      XAUTHORITY="${XAUTHORITY:-}" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-}" "$@"
  else
    "$@"
  fi
}

build() {  # build DIR [CMAKE ARGS...]
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    as_user cmake -S "$here" -B "$dir" -G Ninja "$@"
  fi
  as_user cmake --build "$dir"
}

jobs=$(nproc 2>/dev/null || echo 2)
cmd=${1:-}
[ $# -gt 0 ] && shift
case "$cmd" in
  start)
    install_missing "${packages[@]}"
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    as_user "$here/build/src/app/kelp" "$@"
    ;;
  test)
    install_missing "${packages[@]}"
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    as_user ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  sanitize)
    install_missing "${packages[@]}"
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DKELP_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1
    as_user env ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS="suppressions=$here/tools/lsan.supp" \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  bench)
    install_missing "${packages[@]}" "${bench_packages[@]}"
    build build-bench -DCMAKE_BUILD_TYPE=Release -DKELP_BUILD_BENCH=ON -DKELP_BUILD_TESTS=OFF
    as_user env QT_QPA_PLATFORM=offscreen "$here/build-bench/bench/kelp_bench" "$@"
    ;;
  *)
    sed -n '2,7p' "$0"
    exit 2
    ;;
esac
