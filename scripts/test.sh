#!/usr/bin/env bash
# Builds Yorvane and runs every test: the ordinary build, then the generator
# under the fuzzer for a bounded time, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
jobs="$(nproc)"

# The tests keep to their own temporary folders: they run with a home of
# their own, which must stay empty (a font cache aside), so that a test that
# reaches for the runner's home or preferences fails here.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
run_tests() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME HOME="$home" "$@"
  left=$(find "$home" -mindepth 1 ! -path "$home/.cache" ! -path "$home/.cache/*")
  if [ -n "$left" ]; then
    printf 'The tests wrote into the home folder:\n%s\n' "$left" >&2
    exit 1
  fi
}

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
run_tests ctest --test-dir build --output-on-failure -j "$jobs"

fuzz/run.sh "${FUZZ_SECONDS:-60}"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYORVANE_BENCH=OFF \
  -DYORVANE_SANITIZE=address,undefined >/dev/null
cmake --build build-sanitize -j "$jobs"
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
  run_tests ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
