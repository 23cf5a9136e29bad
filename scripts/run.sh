#!/usr/bin/env bash
# Builds the monitor and runs it. On the first start it creates its empty
# store in data/ beside the program. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

# QUORVEL_SKIP_BUILD=1: the program is built already; just run it.
if [ "${QUORVEL_SKIP_BUILD:-0}" != 1 ]; then
    bash scripts/deps.sh
    # Only what a first run needs: the monitor, and the receiver simulator
    # for trying it. The test command builds everything.
    QUORVEL_TARGETS="quorvel-monitor quorvel-rxsim" bash scripts/build.sh
fi

program="${BUILD_DIR:-build}/app/quorvel-monitor"
# QUORVEL_PROGRAM_COPY=<folder>: run a fresh copy from that folder instead,
# with its own data folder beside it.
if [ -n "${QUORVEL_PROGRAM_COPY:-}" ]; then
    mkdir -p "$QUORVEL_PROGRAM_COPY"
    cp "$program" "$QUORVEL_PROGRAM_COPY/quorvel-monitor"
    program="$QUORVEL_PROGRAM_COPY/quorvel-monitor"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
