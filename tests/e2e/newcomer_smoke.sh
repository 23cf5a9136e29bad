#!/usr/bin/env bash
# A newcomer's first run: the README's run command, offscreen, on a fresh copy
# of the program. It must listen on its port, take one event frame from the
# receiver simulator, store it, and stop when asked.
# Usage: newcomer_smoke.sh <source dir> <build dir> <quorvel-rxsim>
set -euo pipefail
source_dir="$1"
build_dir="$2"
rxsim="$3"

work="$(mktemp -d)"
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- program output:"
    cat "$work/run.log" || true
    exit 1
}

port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
mkdir -p "$work/config"
printf '[Communication]\nPort=%s\n' "$port" >"$work/config/Quorvel.ini"

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work/config"
export BUILD_DIR="$build_dir"
export QUORVEL_PROGRAM_COPY="$work/Quorvel"
bash "$source_dir/scripts/run.sh" >"$work/run.log" 2>&1 &
pid=$!

# The run command may first bring the build up to date.
listening=0
for _ in $(seq 1 3000); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before it listened"
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        listening=1
        break
    fi
    sleep 0.2
done
[ "$listening" = 1 ] || fail "nothing listens on port $port"

# It builds only what it runs: the program and the simulator, no tests or
# benchmarks (minutes on a fresh machine before the window shows).
if grep -E "Built target (tst_|bench_|fuzz_)" "$work/run.log"; then
    fail "the run command built tests or benchmarks"
fi
grep -q "Built target quorvel-monitor" "$work/run.log" || fail "the run command did not build the program"

frame="5011 181234E13001015"
"$rxsim" --port "$port" --frame "$frame" --ack-timeout 4000 --quiet >"$work/rxsim.log" 2>&1 ||
    { cat "$work/rxsim.log"; fail "the frame was not acknowledged"; }

db="$work/Quorvel/data/quorvel.db"
[ -f "$db" ] || fail "no store at $db"
stored="$(sqlite3 -cmd '.timeout 5000' "$db" 'SELECT Data FROM Comms')"
[ "$stored" = "181234E13001015" ] || fail "stored '$stored' instead of the frame's event"

kill -TERM "$pid"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    fail "the program did not stop within 10 s of SIGTERM"
fi
pid=""
echo "newcomer smoke test passed: listened on $port, stored '$stored', stopped"
