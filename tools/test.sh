#!/usr/bin/env bash
# Builds everything and runs every test: the native tests, then the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

echo "== Native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

echo "== Native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan -j2
build/native-asan/tests/core/core_tests --gtest_brief=1

echo "== Fuzz targets, 20 s each, from the seeds in tests/fuzz/seeds"
bash tests/fuzz/build.sh 20

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
source tools/wine-env.sh
trap ravix_wine_cleanup EXIT
ctest --preset windows

echo "== The installer in a fresh Wine prefix"
bash tools/test-installer.sh
