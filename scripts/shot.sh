#!/usr/bin/env bash
# Takes a screenshot of the program's main window under a fresh Wine prefix on a virtual display.
#   scripts/shot.sh EXE OUT.png
# Environment:
#   NEVRA_SHOT_DPI=144   the Windows scale to run at (LogPixels; default 96)
#   NEVRA_SHOT_FULL=1    keep the whole screen instead of cropping to the window
#   NEVRA_SHOT_PAD=40    keep that many pixels of the screen around the window (default 0)
#   NEVRA_SHOT_KEYS="Tab Tab space"
#                        keys to press (xdotool key names, one after the other) once the window
#                        has settled, to show another state of it
#   NEVRA_SHOT_CLICK="X Y"
#                        after the keys, a left click at that point of the window (pixels from
#                        its top left corner, as in the screenshot)
#   NEVRA_SHOT_MOVE="X Y" then the pointer moved to that point of the screen
#   NEVRA_SHOT_WINDOW=RE crop to the visible window whose caption matches this extended regular
#                        expression (a dialog the keys or the click opened) instead of the main one
#   NEVRA_SHOT_TITLE=RE  after the keys, wait until the window's caption matches this extended
#                        regular expression (for example "Running" for the compact strip)
#   NEVRA_SHOT_ARGS="/x" the program's command-line arguments (split at blanks)
#   NEVRA_SHOT_SETUP=CMD a shell command run once the prefix exists, before the program starts
#                        (WINEPREFIX is set), for example to put files in the user's profile
#   NEVRA_DISPLAY=:0     use that X display instead of a new Xvfb (see scripts/wine-env.sh)
# Waits for the window to appear and for its picture to settle (two equal captures in a row)
# rather than for a fixed time, then closes the program and cleans up.
#
# The screenshots in docs/:
#   scripts/shot.sh EXE docs/screenshot.png
#   NEVRA_SHOT_DPI=144 scripts/shot.sh EXE docs/screenshot-144dpi.png
#   # the compact strip of a run: a one-hour interval typed into Hours, then Start by keyboard
#   NEVRA_SHOT_PAD=96 NEVRA_SHOT_TITLE=Running \
#   NEVRA_SHOT_KEYS="Tab Tab End BackSpace 1 shift+Tab shift+Tab Return" \
#     scripts/shot.sh EXE docs/screenshot-strip.png
#   # target "Macros:" chosen by keyboard, with four macros in the profile
#   NEVRA_SHOT_KEYS="Tab Down Down space" NEVRA_SHOT_SETUP='d="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Nevra Auto Clicker/Macros"; mkdir -p "$d"; for n in "Daily login" "Fill the order form" "Refresh dashboard" "Close pop-ups"; do printf "Name=%s\r\nDurationMs=1500\r\n" "$n" >"$d/$n.nevramac"; done' \
#     scripts/shot.sh EXE docs/screenshot-disabled.png
#   # the compact strip of a recording that takes in keys too: target "Macros:" by keyboard, then
#   # Create clicked; the countdown runs out before the caption matches
#   NEVRA_SHOT_PAD=96 NEVRA_SHOT_KEYS="Tab Down Down space" NEVRA_SHOT_CLICK="73 229" \
#   NEVRA_SHOT_TITLE="Recording keys" scripts/shot.sh EXE docs/screenshot-recording.png
#   # picking a point: the crosshair button clicked, the pointer moved away
#   NEVRA_SHOT_CLICK="216 169" NEVRA_SHOT_MOVE="700 420" scripts/shot.sh EXE docs/screenshot-picking.png
#   # a key as the click: "Key" chosen in settings.ini, then the key button clicked, which waits
#   # for a key
#   NEVRA_SHOT_SETUP='d="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Nevra Auto Clicker"; mkdir -p "$d"; printf "[Click]\r\nbutton=3\r\nkeyVk=116\r\nkeyMod=6\r\n" >"$d/settings.ini"' \
#   NEVRA_SHOT_CLICK="441 249" scripts/shot.sh EXE docs/screenshot-key.png
#   # a run for a time in the compact strip: For (h:m:s) 1:30:00 in settings.ini, a one-hour
#   # interval typed into Hours, then Start by keyboard
#   NEVRA_SHOT_PAD=96 NEVRA_SHOT_TITLE=left NEVRA_SHOT_SETUP='d="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Nevra Auto Clicker"; mkdir -p "$d"; printf "[Repeat]\r\nuntilStopped=0\r\nforTime=1\r\nforSeconds=5400\r\n" >"$d/settings.ini"' \
#   NEVRA_SHOT_KEYS="Tab Tab End BackSpace 1 shift+Tab shift+Tab Return" scripts/shot.sh EXE docs/screenshot-time-left.png
#   # the Hotkeys dialog, in English and (with CurrentLanguage=de set as below) in German
#   NEVRA_SHOT_CLICK="373 629" NEVRA_SHOT_WINDOW="^Hotkeys$" scripts/shot.sh EXE docs/screenshot-hotkeys.png
#   NEVRA_SHOT_SETUP="wine reg add 'HKCU\\Software\\Nevra Auto Clicker' /v CurrentLanguage /d de /f" \
#   NEVRA_SHOT_CLICK="373 629" NEVRA_SHOT_WINDOW="^Tastenk" scripts/shot.sh EXE docs/screenshot-hotkeys-de.png
#   # the Arabic window: scripts/shot-languages.sh writes docs/screenshots/main-ar.png
#   # its language menu, opened by a click on the language button
#   NEVRA_SHOT_SETUP="wine reg add 'HKCU\\Software\\Nevra Auto Clicker' /v CurrentLanguage /d ar /f" \
#   NEVRA_SHOT_CLICK="291 629" NEVRA_SHOT_FULL=1 scripts/shot.sh EXE docs/screenshots/menu-ar-full.png
#   # the box for an unknown option too long for a message box (300 letters here, 32,000 at most)
#   NEVRA_SHOT_ARGS="/$(printf 'x%.0s' $(seq 300))" scripts/shot.sh EXE docs/screenshot-long-message.png
#   # the New Version dialog: scripts/shot-update.sh
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

if [ -n "${NEVRA_SHOT_SETUP:-}" ]; then
  bash -c "$NEVRA_SHOT_SETUP"
fi

# Run from the executable's folder, as a user starting it from Explorer would.
# shellcheck disable=SC2086  # the arguments are split at blanks on purpose
(cd "$(dirname "$exe")" && exec wine "$exe" ${NEVRA_SHOT_ARGS:-}) >/dev/null 2>&1 &
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
# Sets $settled to that capture.
shots=$NEVRA_WINE_TMP/shots
mkdir -p "$shots"
round=0
settle() {
  round=$((round + 1))
  local previous="" n
  settled=""
  for n in $(seq 100); do
    sleep 0.2
    import -window root "$shots/$round-$n.png"
    if [ -n "$previous" ] && cmp -s <(convert "$previous" rgb:-) <(convert "$shots/$round-$n.png" rgb:-); then
      settled="$shots/$round-$n.png"
      return
    fi
    previous="$shots/$round-$n.png"
  done
  echo "the window did not settle; keeping the last capture" >&2
  settled=$previous
}
settle

if [ -n "${NEVRA_SHOT_KEYS:-}" ]; then
  # The keys go to the window with the keyboard focus, as a user's would.
  xdotool windowfocus "$window" 2>/dev/null || true
  for key in $NEVRA_SHOT_KEYS; do
    xdotool key "$key"
    sleep 0.2
  done
fi
if [ -n "${NEVRA_SHOT_CLICK:-}" ]; then
  read -r click_x click_y <<<"$NEVRA_SHOT_CLICK"
  xdotool mousemove --window "$window" "$click_x" "$click_y" click 1
fi
if [ -n "${NEVRA_SHOT_MOVE:-}" ]; then
  read -r move_x move_y <<<"$NEVRA_SHOT_MOVE"
  sleep 0.3
  xdotool mousemove "$move_x" "$move_y"
fi
if [ -n "${NEVRA_SHOT_WINDOW:-}" ]; then
  shown=""
  for _ in $(seq 200); do
    shown=$(xdotool search --onlyvisible --name "$NEVRA_SHOT_WINDOW" 2>/dev/null | grep -vx "$window" | head -n1 || true)
    [ -n "$shown" ] && break
    sleep 0.1
  done
  [ -n "$shown" ] || { echo "no window titled '$NEVRA_SHOT_WINDOW' appeared" >&2; exit 1; }
  window=$shown
fi
if [ -n "${NEVRA_SHOT_TITLE:-}" ]; then
  matched=""
  for _ in $(seq 200); do
    if xdotool getwindowname "$window" 2>/dev/null | grep -Eq -- "$NEVRA_SHOT_TITLE"; then matched=1; break; fi
    sleep 0.1
  done
  [ -n "$matched" ] || { echo "the caption never matched '$NEVRA_SHOT_TITLE'" >&2; exit 1; }
fi
[ -z "${NEVRA_SHOT_KEYS:-}${NEVRA_SHOT_TITLE:-}${NEVRA_SHOT_CLICK:-}${NEVRA_SHOT_MOVE:-}${NEVRA_SHOT_WINDOW:-}" ] || settle

if [ "${NEVRA_SHOT_FULL:-0}" = 1 ]; then
  convert "$settled" -strip "$out"
else
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # shellcheck disable=SC2153  # X, Y, WIDTH, HEIGHT come from xdotool
  pad=${NEVRA_SHOT_PAD:-0}
  # The window and the padding around it, kept within the screen.
  screen_size=$(identify -format '%w %h' "$settled")
  screen_width=${screen_size% *}
  screen_height=${screen_size#* }
  left=$((X - pad < 0 ? 0 : X - pad))
  top=$((Y - pad < 0 ? 0 : Y - pad))
  right=$((X + WIDTH + pad > screen_width ? screen_width : X + WIDTH + pad))
  bottom=$((Y + HEIGHT + pad > screen_height ? screen_height : Y + HEIGHT + pad))
  convert "$settled" -crop "$((right - left))x$((bottom - top))+${left}+${top}" +repage -strip "$out"
fi
echo "wrote $out"

# Close the program as a user would: taskkill without /f sends WM_CLOSE to its window, so the
# close query runs and the settings are written. Give it 10 s to end; the trap stops whatever
# is left.
wine taskkill /im "$(basename "$exe")" >/dev/null 2>&1 || true
nevra_wait_until 100 bash -c "! kill -0 $program_pid 2>/dev/null" ||
  echo "the program did not end when asked to close" >&2
