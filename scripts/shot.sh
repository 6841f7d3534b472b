#!/usr/bin/env bash
# Takes a screenshot of the program's main window under a fresh Wine prefix on a virtual display.
#   scripts/shot.sh EXE OUT.png
# Environment:
#   NEVRA_SHOT_DPI=144   the Windows scale to run at (LogPixels; default 96)
#   NEVRA_SHOT_FULL=1    keep the whole screen instead of cropping to the window
#   NEVRA_DISPLAY=:0     use that X display instead of a new Xvfb (see scripts/wine-env.sh)
# Waits for the window to appear and for its picture to settle (two equal captures in a row)
# rather than for a fixed time, then closes the program and cleans up.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 EXE OUT.png" >&2
  exit 2
fi
exe=$(realpath "$1")
out=$2
here=$(cd "$(dirname "$0")" && pwd)
title_pattern="Nevra Auto Clicker"
dpi=${NEVRA_SHOT_DPI:-96}

# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"
program_pid=""
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null || true; fi
  nevra_wine_down
}
trap cleanup EXIT
nevra_wine_up

if [ "$dpi" != 96 ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
fi

# Run from the executable's folder, as a user starting it from Explorer would.
(cd "$(dirname "$exe")" && exec wine "$exe") >/dev/null 2>&1 &
program_pid=$!

# Wait (up to 60 s) for the main window to be mapped.
window=""
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name "$title_pattern" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  kill -0 "$program_pid" 2>/dev/null || { echo "the program ended before its window appeared" >&2; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "no window titled '$title_pattern' appeared" >&2; exit 1; }

# Wait (up to 20 s) until two captures in a row are the same: the window has finished painting.
shots=$NEVRA_WINE_TMP/shots
mkdir -p "$shots"
previous=""
settled=""
for n in $(seq 100); do
  sleep 0.2
  import -window root "$shots/$n.png"
  if [ -n "$previous" ] && cmp -s <(convert "$previous" rgb:-) <(convert "$shots/$n.png" rgb:-); then
    settled="$shots/$n.png"
    break
  fi
  previous="$shots/$n.png"
done
[ -n "$settled" ] || { echo "the window did not settle; keeping the last capture" >&2; settled=$previous; }

if [ "${NEVRA_SHOT_FULL:-0}" = 1 ]; then
  convert "$settled" -strip "$out"
else
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # shellcheck disable=SC2153  # X, Y, WIDTH, HEIGHT come from xdotool
  convert "$settled" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$out"
fi
echo "wrote $out"

# Close the program as a user would: taskkill without /f sends WM_CLOSE to its window, so the
# close query runs and the settings are written. Give it 10 s to end; the trap stops whatever
# is left.
wine taskkill /im "$(basename "$exe")" >/dev/null 2>&1 || true
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then echo "the program did not end when asked to close" >&2; fi
