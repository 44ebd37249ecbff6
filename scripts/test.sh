#!/usr/bin/env bash
# Builds Yorvane and runs every test: the ordinary build, then the generator
# under the fuzzer for a bounded time, then everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

fuzz/run.sh "${FUZZ_SECONDS:-60}"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DYORVANE_BENCH=OFF \
  -DYORVANE_SANITIZE=address,undefined >/dev/null
cmake --build build-sanitize -j "$jobs"
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
