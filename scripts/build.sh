#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). QUORVEL_SANITIZE=1
# builds with AddressSanitizer and UndefinedBehaviorSanitizer. QUORVEL_TARGETS
# (space-separated) builds only those targets; by default everything.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir="${BUILD_DIR:-build}"
sanitize="${QUORVEL_SANITIZE:-0}"
werror="${QUORVEL_WERROR:-OFF}"
build_type="${BUILD_TYPE:-RelWithDebInfo}"
bench="${QUORVEL_BENCH:-ON}"
# Reuse object files across build folders and checkouts when ccache is there.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" \
    -DQUORVEL_SANITIZE="$([ "$sanitize" = 1 ] && echo ON || echo OFF)" \
    -DQUORVEL_WERROR="$werror" -DQUORVEL_BUILD_BENCH="$bench" "${launcher[@]}" >/dev/null
targets=()
for t in ${QUORVEL_TARGETS:-}; do
    targets+=(--target "$t")
done
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
