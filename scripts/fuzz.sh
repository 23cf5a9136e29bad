#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in FUZZ_BUILD_DIR (default:
# build-fuzz), replays every kept regression input, then runs each target for
# FUZZ_SECONDS (default 20) on a copy of its seed corpus. FUZZ_TARGETS (a
# space-separated list) runs only some of them. New findings are left
# in the copy's folder and fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --test

build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
seconds="${FUZZ_SECONDS:-20}"
targets=(${FUZZ_TARGETS:-fuzz_receiverframes fuzz_eventmessage fuzz_datetext fuzz_panelfile fuzz_lzq fuzz_langfile fuzz_langresource})
# Longest input per target: panel data files hold images of up to 256 KiB.
max_len() { case "$1" in fuzz_panelfile) echo 270000 ;; *) echo 4096 ;; esac; }

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUORVEL_FUZZ=ON -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF \
    -DQUORVEL_WERROR="${QUORVEL_WERROR:-OFF}" \
    $(command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for target in "${targets[@]}"; do
    exe="$build_dir/fuzz/$target"
    regressions=(fuzz/regressions/"$target"/*)
    if [ -e "${regressions[0]}" ]; then
        echo "=== $target: replaying ${#regressions[@]} regression input(s)"
        "$exe" -timeout=10 -rss_limit_mb=2048 "${regressions[@]}"
    fi
    corpus="$work/$target"
    mkdir -p "$corpus" "$work/$target-findings"
    cp fuzz/corpus/"$target"/* "$corpus"/
    echo "=== $target: fuzzing for ${seconds} s"
    "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$target")" \
        -print_final_stats=1 -artifact_prefix="$work/$target-findings/" "$corpus" ||
        { echo "$target found a fault: $(ls "$work/$target-findings")"; \
          cp -r "$work/$target-findings" "$build_dir/" ; exit 1; }
done
echo "=== fuzzing finished without findings"
