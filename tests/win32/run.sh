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

# The HTTP client's tests talk to a loopback server of our own (its ports reach them through the
# environment, which Wine passes on). Started and stopped by PID here.
HTTP_SERVER_PID=""
start_http_server() {
  local PortFile=$1
  if ! command -v python3 >/dev/null; then
    echo "python3 is missing: the HTTP client tests will be skipped" >&2
    return 0
  fi
  python3 "$ROOT/tests/win32/http_test_server.py" "$PortFile" >/dev/null &
  HTTP_SERVER_PID=$!
  nevra_wait_until 100 test -s "$PortFile" || { echo "the HTTP test server did not start" >&2; return 1; }
  read -r NEVRA_HTTP_TEST_PORT NEVRA_HTTP_REFUSED_PORT <"$PortFile"
  export NEVRA_HTTP_TEST_PORT NEVRA_HTTP_REFUSED_PORT
  # Nothing may send the loopback requests to a proxy.
  unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
}
# shellcheck disable=SC2317  # called by the EXIT trap
stop_http_server() {
  [ -n "$HTTP_SERVER_PID" ] || return 0
  kill "$HTTP_SERVER_PID" 2>/dev/null || true
  wait "$HTTP_SERVER_PID" 2>/dev/null || true
  HTTP_SERVER_PID=""
}

# Overwrites one byte of a PE file's code (16 bytes into its first section, .text in MinGW's
# layout), as an attacker patching a signed program would.
flip_code_byte() {
  local File=$1 Header OptionalSize Section Code Byte
  Header=$(od -An -tu4 -j60 -N4 "$File" | tr -d ' ')
  OptionalSize=$(od -An -tu2 -j$((Header + 20)) -N2 "$File" | tr -d ' ')
  Section=$((Header + 24 + OptionalSize))
  [ "$(dd if="$File" bs=1 skip="$Section" count=5 status=none)" = .text ] || { echo "no .text section first in $File" >&2; return 1; }
  Code=$(( $(od -An -tu4 -j$((Section + 20)) -N4 "$File" | tr -d ' ') + 16 ))
  Byte=$(od -An -tu1 -j"$Code" -N1 "$File" | tr -d ' ')
  printf '%b' "\\0$(printf '%03o' $((Byte ^ 0xFF)))" | dd of="$File" bs=1 seek="$Code" conv=notrunc status=none
}

# The signature tests' files, signed with throwaway certificates; their Windows folder reaches
# the tests through the environment.
prepare_signed_files() {
  local Dir=$1 Program="$BUILD/tools/ClickTarget.exe"
  if ! command -v openssl >/dev/null || ! command -v osslsigncode >/dev/null || [ ! -f "$Program" ]; then
    echo "openssl, osslsigncode or $Program is missing: the signature tests will be skipped" >&2
    return 0
  fi
  source "$ROOT/scripts/test-signing.sh"
  mkdir -p "$Dir"
  nevra_make_test_certs "$Dir/certs"
  cp "$Program" "$Dir/unsigned.exe"
  nevra_sign "$Dir/certs" publisher "$Dir/unsigned.exe" "$Dir/signed.exe"
  nevra_sign "$Dir/certs" other "$Dir/unsigned.exe" "$Dir/other.exe"
  cp "$Dir/signed.exe" "$Dir/tampered.exe"
  flip_code_byte "$Dir/tampered.exe"
  NEVRA_SIGNED_FILES=$(winepath -w "$Dir")
  export NEVRA_SIGNED_FILES
}

trap 'stop_http_server; nevra_wine_down' EXIT
trap 'exit 130' INT TERM
nevra_wine_up
start_http_server "$NEVRA_WINE_TMP/http-ports"
prepare_signed_files "$NEVRA_WINE_TMP/signing"
set +e
nevra_run_limited 600 wine "$TESTS" "$@"
exit $?
