#!/usr/bin/env bash
# Win32 layer tests: the program's Win32 implementations against the real API, under Wine on a
# virtual X display. Builds nothing.
#   tests/win32/run.sh [WINDOWS_BUILD_DIR] [gtest options...]   (default build/windows)
# Exit status: that of the tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tools/wine-tools.sh"

BUILD=$(nevra_build_dir "${1:-}")
[ $# -gt 0 ] && shift
TESTS="$BUILD/tests/win32/NevraWin32Tests.exe"
nevra_require "$TESTS"

trap nevra_wine_down EXIT
trap 'exit 130' INT TERM
nevra_wine_up
nevra_quiet_crashes
set +e
nevra_run_limited 600 wine "$TESTS" "$@"
exit $?
