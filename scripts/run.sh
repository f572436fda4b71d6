#!/usr/bin/env bash
# Fresh Debian 12 machine to a running program: installs, builds and starts it.
# When no meter is attached (no FTDI USB device, vendor 0403) the program is
# started against the meter simulator served on a pseudo-terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
BIN="$BUILD_DIR/bin"

meter_attached() {
    grep -qsi '^0403$' /sys/bus/usb/devices/*/idVendor
}

sim_pid=""
cleanup() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true; }
trap cleanup EXIT

if [ -z "${ZQM_DRIVER:-}" ] && ! meter_attached; then
    if [ -x "$BIN/metersim" ]; then
        sim_out=$(mktemp)
        "$BIN/metersim" >"$sim_out" &
        sim_pid=$!
        for _ in $(seq 50); do
            grep -q '^ZQM_SERIAL_PORTS=' "$sim_out" && break
            sleep 0.1
        done
        export ZQM_SERIAL_PORTS=$(sed -n 's/^ZQM_SERIAL_PORTS=//p' "$sim_out")
        export ZQM_DRIVER=serial
        echo "run: no meter attached; simulated meter on $ZQM_SERIAL_PORTS"
    else
        export ZQM_DRIVER=sim
        echo "run: no meter attached; using the in-process simulated meter"
    fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display; starting under xvfb-run"
    exec_prefix=(xvfb-run -a -s "-screen 0 1600x1000x24")
else
    exec_prefix=()
fi
"${exec_prefix[@]}" "$BIN/zqmm" "$@"
