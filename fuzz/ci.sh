#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a short budget with a
# fixed seed, on a scratch copy of its seed corpus so that the repository is
# left as it was. Any finding (a broken property, a sanitizer report, a crash,
# a hang, memory beyond the limit) fails the script; the input that caused it
# is kept under build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRAVERSE_FUZZ=ON -DTRAVERSE_GUI=OFF -DTRAVERSE_BENCH=OFF -DTRAVERSE_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target fuzz-number_text fuzz-run

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rm -rf "$build/findings"
mkdir -p "$build/findings"

# target, seed corpus, executions, cap in seconds: the cap keeps a slow
# machine inside the budget, the count keeps a fast one deterministic.
fuzz() {
  local target=$1 corpus=$2 runs=$3 seconds=$4
  mkdir -p "$scratch/$target"
  cp "fuzz/corpus/$corpus/"* "$scratch/$target/"
  echo "== fuzz-$target: up to $runs executions or $seconds s"
  # A run with N = 1,000,000 holds about 150 MB of arrays; the limits leave
  # room for that and for the sanitizer's quarantine, and still catch a leak
  # or a runaway allocation.
  local log="$build/findings/$target.log" status=0
  "./$build/fuzz-$target" -seed=1 -runs="$runs" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -dict="fuzz/$target.dict" -artifact_prefix="$build/findings/$target-" \
    -print_final_stats=1 "$scratch/$target" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    grep -v -E '^#[0-9]+|^"|Uses:|dictionary' "$log" | tail -60
    echo "fuzz-$target found a fault (exit $status); the input is in $build/findings/"
    exit 1
  fi
  grep -E '^Done|peak_rss' "$log"
}

fuzz number_text number 600000 30
fuzz run run 300000 40
echo "fuzz: no findings"
