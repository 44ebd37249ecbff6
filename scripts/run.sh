#!/usr/bin/env bash
# Builds Yorvane and starts it. "makebookmark.jsx" is written in the folder
# this is run from.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --run-only
cmake -S "$root" -B "$root/build-run" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DYORVANE_TESTS=OFF -DYORVANE_BENCH=OFF >/dev/null
cmake --build "$root/build-run" --target yorvane
exec "$root/build-run/app/yorvane"
