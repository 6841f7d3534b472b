# shellcheck shell=bash
# Sourced by the scripts that drive the Windows build under Wine (tests/win32, tests/e2e, bench).

# nevra_build_dir [DIR]: the Windows build folder as an absolute path (default build/windows).
nevra_build_dir() {
  local Root
  Root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local Dir="${1:-$Root/build/windows}"
  [ -d "$Dir" ] || { echo "no Windows build in $Dir (cmake --preset windows && cmake --build --preset windows)" >&2; return 1; }
  (cd "$Dir" && pwd)
}

# nevra_require FILE...: fails with a hint when a built file is missing.
nevra_require() {
  local File
  for File in "$@"; do
    [ -f "$File" ] || { echo "missing $File (cmake --build --preset windows)" >&2; return 1; }
  done
}

# nevra_find_program BUILD_DIR: the path of NevraAutoClicker.exe in the build folder, as the
# build recorded it (tests/e2e/program-path.txt), else the first one found.
nevra_find_program() {
  local Recorded="$1/tests/e2e/program-path.txt" Found=""
  [ -f "$Recorded" ] && Found=$(head -n1 "$Recorded")
  [ -f "$Found" ] || Found=$(find "$1" -name NevraAutoClicker.exe -type f -not -path '*/CMakeFiles/*' | sort | head -n1)
  [ -n "$Found" ] || { echo "no NevraAutoClicker.exe in $1" >&2; return 1; }
  echo "$Found"
}

# nevra_run_limited SECONDS COMMAND...: runs COMMAND, killing it after SECONDS so a hung test
# run fails instead of blocking the caller.
nevra_run_limited() {
  local Limit=$1
  shift
  timeout --kill-after=10 "$Limit" "$@"
  local Status=$?
  [ $Status -eq 124 ] && echo "timed out after $Limit s: $*" >&2
  return $Status
}
