#!/usr/bin/env bash
# Benchmarks of the real NevraAutoClicker.exe under Wine on a virtual X display. Builds nothing.
# - Click rate: the program clicks a ClickTarget.exe window at 100, 10 and 1 ms intervals; beside
#   each, xdotool clicks the same window on the same display at the same delay. For each run:
#   requested and achieved clicks per second and the spread of the intervals between the presses
#   the target received.
# - Macro playback, sparse: a macro of 1,000 presses and releases 8 ms apart, played three times
#   onto a target window; dense: 2,000 presses and releases with 9 mouse moves between each two,
#   an event every 0.5 ms (20,000 events in 10 s, as a 1,000 Hz mouse records), played twice. The
#   recorded against the played duration of each pass. The sparse macro is played once more at
#   four times the speed: a pass should take a quarter of the recorded time.
# - Runs for a time: a run "For" the run length at 100 and 10 ms ends by itself; how far its last
#   click fell from the set end.
# - Start-up: from starting the program until its window answers, with no macros, 5,000 macro
#   files and one 200 MB macro.
#   bench/run.sh [WINDOWS_BUILD_DIR]   (default build/windows)
# NEVRA_BENCH_SECONDS sets the length of each click run (default 4), NEVRA_BENCH_INTERVALS the
# intervals (default "100 10 1"); NEVRA_BENCH_CLICKS_ONLY=1 leaves out playback and start-up.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tools/wine-tools.sh"

BUILD=$(nevra_build_dir "${1:-}")
TARGET_EXE="$BUILD/tools/ClickTarget.exe"
DRIVER_EXE="$BUILD/tools/NevraBenchDriver.exe"
nevra_require "$TARGET_EXE" "$DRIVER_EXE" "$BUILD/product.env"
# The product's name and version, as the build gives them to the program.
# shellcheck source=/dev/null
source "$BUILD/product.env"
PROGRAM=$(nevra_find_program "$BUILD")
RUN_SECONDS=${NEVRA_BENCH_SECONDS:-4}
read -r -a INTERVALS_MS <<<"${NEVRA_BENCH_INTERVALS:-100 10 1}"
CLICKS_ONLY=${NEVRA_BENCH_CLICKS_ONLY:-0}
# events, microseconds between events, moves between presses and releases, passes
SPARSE_MACRO=(1000 8000 0 3)
DENSE_MACRO=(2000 500 9 2)
# Where the program clicks and xdotool points: inside the target window (top-left 400 x 300),
# away from the program's centred window and its compact strip in the bottom-right corner.
CLICK_X=200
CLICK_Y=150
TARGET_CAPTION="Nevra Click Target"
# The main window's caption while no run is under way.
MAIN_CAPTION="  $NEVRA_PRODUCT_NAME $NEVRA_VERSION"

trap nevra_wine_down EXIT
trap 'exit 130' INT TERM
nevra_wine_up
WORK="$NEVRA_WINE_TMP/bench"
mkdir -p "$WORK"

driver() { wine "$DRIVER_EXE" "$@"; }

TARGET_PID=""
start_target() {
  wine "$TARGET_EXE" "$(winepath -w "$1")" &
  TARGET_PID=$!
  driver wait-window "$TARGET_CAPTION"
}
stop_target() {
  driver close-window "$TARGET_CAPTION"
  wait "$TARGET_PID"
}

# field KEY FILE: a value of the target's summary line.
field() { sed -n "s/^summary .*\b$1=\([^ ]*\).*/\1/p" "$2"; }

RESULTS=()
report() {  # report LABEL INTERVAL_MS LOG [PROGRAM_COUNT]
  local Log=$3
  RESULTS+=("$(printf '%-9s %6s %10.1f %10s %8s %8s %8s %8s %8s %8s' "$1" "$2" "$(awk -v Ms="$2" 'BEGIN { print 1000 / Ms }')" \
    "$(field per_second "$Log")" "$(field presses "$Log")" "${4:--}" "$(field median_ms "$Log")" \
    "$(field p5_ms "$Log")" "$(field p95_ms "$Log")" "$(field max_ms "$Log")")")
}

wine "$PROGRAM" &
PROGRAM_PID=$!
driver wait-window "$MAIN_CAPTION"

for Interval in "${INTERVALS_MS[@]}"; do
  echo "interval $Interval ms: program" >&2
  start_target "$WORK/program-$Interval.log"
  Clicks=$(driver click-run "$CLICK_X" "$CLICK_Y" "$Interval" "$RUN_SECONDS" | tr -d '\r' | sed -n 's/^clicks_done=//p')
  stop_target
  report program "$Interval" "$WORK/program-$Interval.log" "$Clicks"

  echo "interval $Interval ms: xdotool" >&2
  start_target "$WORK/xdotool-$Interval.log"
  xdotool mousemove "$CLICK_X" "$CLICK_Y"
  xdotool click --repeat $((RUN_SECONDS * 1000 / Interval)) --delay "$Interval" 1
  stop_target
  report xdotool "$Interval" "$WORK/xdotool-$Interval.log"
done

# Runs for a time: the first press comes one interval after the start, the last at the end, so
# the end fell (span - (seconds - interval)) from its set moment.
TIMED=()
for Interval in 100 10; do
  echo "timed run of ${RUN_SECONDS} s at $Interval ms" >&2
  start_target "$WORK/timed-$Interval.log"
  Clicks=$(driver timed-run "$CLICK_X" "$CLICK_Y" "$Interval" "$RUN_SECONDS" | tr -d '\r' | sed -n 's/^clicks_done=//p')
  stop_target
  Span=$(field span_ms "$WORK/timed-$Interval.log")
  TIMED+=("$(printf '%6s %8s %8s %12s %14s' "$Interval" "$Clicks" "$(field presses "$WORK/timed-$Interval.log")" "$Span" \
    "$(awk -v S="$Span" -v T="$RUN_SECONDS" -v I="$Interval" 'BEGIN { printf "%+.2f", S - (T * 1000 - I) }')")")
done

# The playback starts a program of its own, with the macro in its own settings folder.
driver close-window "$MAIN_CAPTION"
wait "$PROGRAM_PID"

playback() {  # playback SPEED_PERCENT EVENTS INTERVAL_US MOVES PASSES
  local Speed=$1
  shift
  driver macro-playback "$(winepath -w "$PROGRAM")" "$@" "$CLICK_X" "$CLICK_Y" "$Speed" | tr -d '\r'
}
PLAYBACK=""
if [ "$CLICKS_ONLY" != 1 ]; then
  echo "macro playback, sparse: ${SPARSE_MACRO[*]}" >&2
  PLAYBACK=$(playback 100 "${SPARSE_MACRO[@]}")
  echo "macro playback, dense: ${DENSE_MACRO[*]}" >&2
  PLAYBACK+=$'\n\n'$(playback 100 "${DENSE_MACRO[@]}")
  echo "macro playback, sparse at 4x: ${SPARSE_MACRO[*]}" >&2
  PLAYBACK+=$'\n\n'$(playback 400 "${SPARSE_MACRO[@]}")
fi

echo
echo "Clicks received by the target window, ${RUN_SECONDS} s per run (intervals between presses in ms)"
printf '%-9s %6s %10s %10s %8s %8s %8s %8s %8s %8s\n' source ms requested/s achieved/s presses counted median p5 p95 max
printf '%s\n' "${RESULTS[@]}"
echo
echo "Runs for a time of ${RUN_SECONDS} s: how far the end (the last press) fell from its set moment"
printf '%6s %8s %8s %12s %14s\n' ms counted presses span_ms end_error_ms
printf '%s\n' "${TIMED[@]}"
[ "$CLICKS_ONLY" = 1 ] && exit 0
echo "start-up with macro folders of three sizes" >&2
STARTUP=$(driver start-up "$(winepath -w "$PROGRAM")" | tr -d '\r')

echo
echo "$PLAYBACK"
echo
echo "$STARTUP"
