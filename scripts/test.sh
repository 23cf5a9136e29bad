#!/usr/bin/env bash
# Builds the monitor and its tests and runs the whole suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --test
bash scripts/build.sh

cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)"
