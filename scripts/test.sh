#!/usr/bin/env bash
# Installs the dependencies, builds everything and runs every test: once in
# an optimised build that treats warnings as errors, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then fuzzes the file
# readers and the geometry, half a minute each.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# The Debian package, built from the same build and checked for every part.
rm -f build/vantorel_*.deb
(cd build && cpack -G DEB >/dev/null)
packaging/check-package.sh build/vantorel_*.deb

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_WERROR=ON \
  -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The file readers and the geometry under libFuzzer (clang, ASan + UBSan), 30 s each, on a
# scratch copy of the seed corpus so that the repository's stays as it is.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTOREL_FUZZ=ON -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCHMARKS=OFF
cmake --build build-fuzz -j "$jobs" --target load_fuzzer loadcross_fuzzer landxml_fuzzer geometry_fuzzer \
  survey_fuzzer
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for fuzzer in load loadcross landxml geometry survey; do
  cp -r "tests/fuzz/corpus/$fuzzer" "$corpus/$fuzzer"
  dict=()
  [ -f "tests/fuzz/$fuzzer.dict" ] && dict=(-dict="tests/fuzz/$fuzzer.dict")
  "build-fuzz/bin/${fuzzer}_fuzzer" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 \
    "${dict[@]}" -artifact_prefix=build-fuzz/ "$corpus/$fuzzer"
done
