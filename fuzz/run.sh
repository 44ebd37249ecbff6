#!/bin/sh
# Builds generation_fuzz with clang in build-fuzz and runs it for a while:
#   fuzz/run.sh [seconds]      (default 60)
# Runs on a copy of fuzz/corpus in a temporary folder, so the starting inputs stay as
# they are; a crashing input is kept in build-fuzz/artifacts/. Exits non-zero
# when the fuzzer finds a fault.
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DYORVANE_FUZZ=ON -DYORVANE_GUI=OFF -DYORVANE_TESTS=OFF -DYORVANE_BENCH=OFF >/dev/null
ninja -C "$build" generation_fuzz

corpus=$(mktemp -d "${TMPDIR:-/tmp}/yorvane-fuzz.XXXXXX")
trap 'rm -rf "$corpus"' EXIT
cp "$root"/fuzz/corpus/* "$corpus"/
mkdir -p "$build/artifacts"

"$build/fuzz/generation_fuzz" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$corpus"
