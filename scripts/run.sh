#!/usr/bin/env bash
# Sets up, builds (Release) and starts traverse-adjust.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target traverse-adjust
exec ./build/traverse-adjust
