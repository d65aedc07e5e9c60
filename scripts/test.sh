#!/usr/bin/env bash
# Sets up, builds and runs every test: the Release build (core, scripted runs,
# window), the sanitizer build, the short fuzz runs, the real-display tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAVERSE_SANITIZE=ON \
  -DTRAVERSE_GUI=OFF -DTRAVERSE_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

for extra in fuzz/ci.sh tests/display/ci.sh tests/install/ci.sh; do
  if [ -f "$extra" ]; then
    echo "== $extra"
    bash "$extra"
  fi
done
echo "All tests passed."
