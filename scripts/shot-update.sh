#!/usr/bin/env bash
# Takes a screenshot of the New Version dialog: serves a version document and a change log on the
# loopback interface for the copy of the program the end-to-end tier builds for that site, and
# shoots the dialog it opens at start-up through scripts/shot.sh.
#   scripts/shot-update.sh OUT.png [WINDOWS_BUILD_DIR]     (default build/windows)
# Environment (and those of scripts/shot.sh, such as NEVRA_SHOT_DPI):
#   NEVRA_SHOT_LANGUAGE=ar       the program's language (default English)
#   NEVRA_UPDATE_VERSION=26/25   the version document's first line (default 26/26: a mandatory
#                                update, the longest offer)
#   NEVRA_UPDATE_CHANGES=FILE    the change log (default: three lines of changes)
#
# The screenshots in docs/:
#   scripts/shot-update.sh docs/screenshot-update.png
#   NEVRA_SHOT_DPI=144 scripts/shot-update.sh docs/screenshot-update-144dpi.png
#   NEVRA_SHOT_LANGUAGE=ar scripts/shot-update.sh docs/screenshot-update-ar.png
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 OUT.png [WINDOWS_BUILD_DIR]" >&2
  exit 2
fi
out=$(realpath -m "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${2:-$root/build/windows}")
mapfile -t site <"$build/tests/e2e/update-site.txt"
port=${site[0]}

work=$(mktemp -d "${TMPDIR:-/tmp}/nevra-shot-update.XXXXXX")
site_pid=""
cleanup() {
  if [ -n "$site_pid" ]; then kill "$site_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program for the loopback site, with the catalogue beside it as it ships.
mkdir -p "$work/program" "$work/www/download/version"
cp "${site[1]}" "$work/program/NevraAutoClicker.exe"
cp "$build/src/platform/win32/transl.dt" "$work/program/"
printf '%s\r\n' "${NEVRA_UPDATE_VERSION:-26/26}" >"$work/www/download/version/nevraautoclicker-version.html"
if [ -n "${NEVRA_UPDATE_CHANGES:-}" ]; then
  cp "$NEVRA_UPDATE_CHANGES" "$work/www/download/version/nevraautoclicker-changes.html"
else
  printf 'Faster clicks at 1 ms intervals\r\nNew languages: Greek and Turkish\r\nThe macro list keeps its selection after a rename\r\n' \
    >"$work/www/download/version/nevraautoclicker-changes.html"
fi

python3 "$root/tests/e2e/update_site.py" --port "$port" --root "$work/www" &
site_pid=$!
for _ in $(seq 50); do
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
  sleep 0.1
done

setup=${NEVRA_SHOT_SETUP:-}
if [ -n "${NEVRA_SHOT_LANGUAGE:-}" ]; then
  setup="wine reg add 'HKCU\\Software\\Nevra Auto Clicker' /v CurrentLanguage /d $NEVRA_SHOT_LANGUAGE /f >/dev/null 2>&1${setup:+; $setup}"
fi
NEVRA_SHOT_SETUP=$setup "$root/scripts/shot.sh" "$work/program/NevraAutoClicker.exe" "$out"
