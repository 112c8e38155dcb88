#!/usr/bin/env bash
# Installs the dependencies and builds Vantorel in release mode.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOREL_BENCHMARKS=OFF
cmake --build build-release -j "$(nproc)"
echo "Built the calculation library in build-release/bin; the program itself is not part of the tree yet."
