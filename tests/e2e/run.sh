#!/usr/bin/env bash
# End-to-end tests: the real NevraAutoClicker.exe under Wine on a virtual X display, driven from
# outside by NevraE2eTests.exe. Builds nothing.
#   tests/e2e/run.sh [WINDOWS_BUILD_DIR] [gtest options...]   (default build/windows)
# Exit status: that of the tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tools/wine-tools.sh"

BUILD=$(nevra_build_dir "${1:-}")
[ $# -gt 0 ] && shift
TESTS="$BUILD/tests/e2e/NevraE2eTests.exe"
nevra_require "$TESTS"
PROGRAM=$(nevra_find_program "$BUILD")

trap nevra_wine_down EXIT
trap 'exit 130' INT TERM
nevra_wine_up
nevra_quiet_crashes
set +e
nevra_run_limited 900 wine "$TESTS" --program="$(winepath -w "$PROGRAM")" "$@"
exit $?
