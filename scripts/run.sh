#!/usr/bin/env bash
# Builds the monitor and runs it. On the first start it creates its empty
# store in data/ beside the program. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
bash scripts/build.sh

program="${BUILD_DIR:-build}/app/quorvel-monitor"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
