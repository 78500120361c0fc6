#!/usr/bin/env bash
# Start-up time, memory and idle CPU of the viremo program on the demo set,
# measured from outside under Xvfb.
#
#   bench/viremo_process.sh [BUILD_DIR] [IDLE_SECONDS]
#
# start-up: from the process start to the window shown after the first
#           discovery pass (the "软件标示 " line of --debug), in ms;
# RSS:      VmRSS once the window is shown;
# idle CPU: user + system time over IDLE_SECONDS (default 60) with the window
#           idle, as a share of one core, from /proc/PID/stat: first while
#           the program drives the lights, then after another program asked
#           it to stop (the lighting request on the bus).
set -euo pipefail
build=${1:-build}
idle=${2:-60}
binary=$build/src/app/viremo
[ -x "$binary" ] || { echo "no $binary: build it first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (scripts/install-deps)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config

# Inside Xvfb: start, wait for the shown window, then measure.
command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing (package dbus)" >&2; exit 1; }

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  binary=$1; idle=$2; work=$3
  start=$(date +%s%N)
  "$binary" --demo --debug 2>"$work/log" &
  pid=$!
  until grep -q "软件标示 " "$work/log" 2>/dev/null; do
    kill -0 $pid 2>/dev/null || { echo "viremo ended early" >&2; exit 1; }
    sleep 0.002
  done
  shown=$(date +%s%N)
  echo "start-up to the shown window: $(( (shown - start) / 1000000 )) ms"
  sleep 1
  echo "RSS with four devices: $(awk "/VmRSS/ {print \$2 / 1024 \" MB\"}" /proc/$pid/status)"
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  hz=$(getconf CLK_TCK)
  measure() {
    local before after
    before=$(ticks)
    sleep "$idle"
    after=$(ticks)
    awk -v t=$((after - before)) -v hz=$hz -v s=$idle -v what="$1" \
      "BEGIN {printf \"idle CPU over %d s, %s: %.2f %% of a core\n\", s, what, 100 * t / hz / s}"
  }
  measure "lighting control on"
  dbus-send --session --type=signal /bench org.viremo.Viremo1.Message \
    string:"{4695579F-999A-41d4-9FAF-EFFCE93EBF17}" int64:1 int64:0
  sleep 1
  measure "lighting control off"
  kill $pid
  wait $pid 2>/dev/null || true
' _ "$binary" "$idle" "$work"
