#!/usr/bin/env bash
# End-to-end tests: the real NevraAutoClicker.exe under Wine on a virtual X display, driven from
# outside by NevraE2eTests.exe. Builds nothing.
#   tests/e2e/run.sh [WINDOWS_BUILD_DIR] [gtest options...]   (default build/windows)
# The update tests get a web site of their own on the loopback interface (update_site.py), with
# an installer signed by a throwaway test certificate.
# Exit status: that of the tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tools/wine-tools.sh"
source "$ROOT/scripts/test-signing.sh"

BUILD=$(nevra_build_dir "${1:-}")
[ $# -gt 0 ] && shift
TESTS="$BUILD/tests/e2e/NevraE2eTests.exe"
nevra_require "$TESTS" "$BUILD/tests/e2e/update-site.txt"
PROGRAM=$(nevra_find_program "$BUILD")
mapfile -t UPDATE_SITE <"$BUILD/tests/e2e/update-site.txt"
SITE_PORT=${UPDATE_SITE[0]}

SITE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/nevra-site.XXXXXX")
SITE_PID=""
# shellcheck disable=SC2317  # called by the EXIT trap
cleanup() {
  [ -n "$SITE_PID" ] && kill "$SITE_PID" 2>/dev/null && wait "$SITE_PID" 2>/dev/null
  rm -rf "$SITE_DIR"
  nevra_wine_down
}
trap cleanup EXIT
trap 'exit 130' INT TERM

nevra_make_test_certs "$SITE_DIR/certs"
mkdir -p "$SITE_DIR/www/download/version"
nevra_sign "$SITE_DIR/certs" publisher "${UPDATE_SITE[3]}" "$SITE_DIR/signed-installer.exe"
python3 "$ROOT/tests/e2e/update_site.py" --port "$SITE_PORT" --root "$SITE_DIR/www" &
SITE_PID=$!
# shellcheck disable=SC2317  # called through nevra_wait_until
site_answers() { (exec 3<>"/dev/tcp/127.0.0.1/$SITE_PORT") 2>/dev/null; }
nevra_wait_until 50 site_answers || echo "the update site on port $SITE_PORT did not start" >&2

nevra_wine_up
export NEVRA_E2E_SITE NEVRA_E2E_SIGNED_INSTALLER NEVRA_E2E_LOOPBACK_PROGRAM NEVRA_E2E_OFFLINE_PROGRAM
NEVRA_E2E_SITE=$(winepath -w "$SITE_DIR/www")
NEVRA_E2E_SIGNED_INSTALLER=$(winepath -w "$SITE_DIR/signed-installer.exe")
NEVRA_E2E_LOOPBACK_PROGRAM=$(winepath -w "${UPDATE_SITE[1]}")
NEVRA_E2E_OFFLINE_PROGRAM=$(winepath -w "${UPDATE_SITE[2]}")
set +e
nevra_run_limited 900 wine "$TESTS" --program="$(winepath -w "$PROGRAM")" "$@"
exit $?
