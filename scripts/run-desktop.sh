#!/usr/bin/env bash
# Installs what is missing, builds, lays out a device root in ./run-root, starts the
# power-board and Bluetooth module simulators on it and starts Rondix against it: in a
# window when a display is there, otherwise on Qt's VNC platform.
#   BUILD_DIR   build folder (default: build)
#   JOBS        parallel build jobs (default: all cores)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
# The program, the stand-ins it runs against and its translations; the tests are
# scripts/test.sh's business.
cmake --build "$build" -j"$jobs" --target Rondix exec_recorder seed_sequences powerboard_sim \
    btmodule_sim pc_client translations

root="$PWD/run-root"
mkdir -p "$root/mnt/data" "$root/mnt/update" "$root/dev/input" "$root/tmp" "$root/home/translations"
# Where the language screen looks for the translations.
cp "$build"/translations/*.qm "$root/home/translations/"
export INSTRUMENT_ROOT="$root"
export INSTRUMENT_EXEC="$PWD/$build/sim/exec_recorder"
export INSTRUMENT_EXEC_LOG="$root/exec.log"

# A sequence to run automatically, when the root holds none yet.
"$build/sim/seed_sequences"

sim_pid=""
if [ -x "$build/sim/powerboard_sim" ]; then
    # A link left by a run that was killed would pass the wait below at once.
    rm -f "$root/dev/ttyAPP1"
    # Further arguments of this script go to the simulator (see powerboard_sim --help).
    "$build/sim/powerboard_sim" --root "$root" "$@" &
    sim_pid=$!
    # The simulator links its line at dev/ttyAPP1 once it is ready.
    for _ in $(seq 50); do [ -e "$root/dev/ttyAPP1" ] && break; sleep 0.1; done
fi
bt_pid=""
# The module simulator's power line is a pipe; one left by a simulator that was killed
# would hold the program's next write to it.
rm -f "$root/sys/class/gpio/gpio22/value"
if [ -x "$build/sim/btmodule_sim" ]; then
    rm -f "$root/dev/ttyAPP3"
    # BT_SIM_ARGS go to the Bluetooth module simulator (see btmodule_sim --help).
    # shellcheck disable=SC2086
    "$build/sim/btmodule_sim" --root "$root" --scan PUMP-0815 --inbox "$root/bt-inbox" ${BT_SIM_ARGS:-} &
    bt_pid=$!
    for _ in $(seq 50); do [ -e "$root/dev/ttyAPP3" ] && break; sleep 0.1; done
fi
trap 'for p in $sim_pid $bt_pid; do kill "$p" 2>/dev/null || true; done' EXIT

platform=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    platform=(-platform vnc:size=320x240:port=5900)
    echo "No display: Rondix is on VNC, point a viewer at localhost:5900"
fi
"$build/app/Rondix" "${platform[@]}"
