#!/usr/bin/env bash
# Installs the dependencies, builds Vantorel in release mode and starts it
# from its build directory, where translations/ and importers/ lie beside it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOREL_BENCHMARKS=OFF
cmake --build build-release -j "$(nproc)" --target vantorel Obrinex vantorel-stakeout
cd build-release/bin
exec ./vantorel
