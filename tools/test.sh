#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs the whole test suite and the checks of its
# desktop files and Debian package; then runs each fuzz target for a minute, and the same suite
# built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash tools/package-checks.sh build

echo "== Each fuzz target for ${VELMORA_FUZZ_SECONDS:-60} s (build-fuzz)"
bash tools/fuzz.sh "${VELMORA_FUZZ_SECONDS:-60}"

echo "== The test suite under the address and undefined-behaviour sanitizers (build-asan)"
bash tools/build.sh build-asan -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
