#!/usr/bin/env bash
# Release packaging tests: builds the packages from two copies of this tree in different folders
# and compares them byte for byte, signs a third build with a throwaway certificate and verifies
# it, then installs, upgrades and uninstalls under Wine in a fresh prefix.
#   tests/package/run.sh
# Needs what `./dev setup` installs (MinGW, makensis, osslsigncode, Wine, Xvfb). Exit status 0
# when every check passed.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
source "$ROOT/scripts/wine-env.sh"
source "$ROOT/scripts/test-signing.sh"
source "$ROOT/tools/wine-tools.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/nevra-package.XXXXXX")
PROGRAM_PID=""
cleanup() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
  nevra_wine_down
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

FAILURES=0
pass() { echo "  ok   $*"; }
fail() { echo "  FAIL $*" >&2; FAILURES=$((FAILURES + 1)); }
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# A copy of the tree as a fresh checkout would have it: tracked and new files, nothing ignored.
copy_tree() {
  local dest=$1
  mkdir -p "$dest"
  if git -C "$ROOT" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$ROOT" && git ls-files -z --cached --others --exclude-standard |
      tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$dest"
  else
    (cd "$ROOT" && tar --exclude=./build --exclude=./dist -cf - .) | tar -xf - -C "$dest"
  fi
}

# package TREE LOG [VAR=VALUE...]: runs the package step in TREE with its own build folder.
package() {
  local tree=$1 log=$2
  shift 2
  if ! (cd "$tree" && env "$@" scripts/package.sh >"$log" 2>&1); then
    tail -n 40 "$log" >&2
    echo "package step failed in $tree (log above)" >&2
    exit 1
  fi
}

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || date +%s)}
TREE_A="$WORK/a/nevra"
TREE_B="$WORK/second-checkout/elsewhere/nevra"
copy_tree "$TREE_A"
copy_tree "$TREE_B"

echo "== packaging twice, in $TREE_A and $TREE_B =="
package "$TREE_A" "$WORK/package-a.log"
package "$TREE_B" "$WORK/package-b.log"
check "the unsigned package step says that it is unsigned" grep -q 'UNSIGNED' "$WORK/package-a.log"
for file in dist/nevraautoclicker.exe dist/NevraAutoClicker-2.5-portable.zip build/package/stage/NevraAutoClicker.exe; do
  hash_a=$(sha256sum <"$TREE_A/$file" | cut -d' ' -f1)
  hash_b=$(sha256sum <"$TREE_B/$file" | cut -d' ' -f1)
  check "$(basename "$file") is the same in both: $hash_a" [ "$hash_a" = "$hash_b" ]
done
check "SHA256SUMS lists both packages and matches them" \
  bash -c "cd '$TREE_A/dist' && [ \$(wc -l <SHA256SUMS) -eq 2 ] && sha256sum --quiet -c SHA256SUMS"
UNZIPPED="$WORK/unzipped"
mkdir -p "$UNZIPPED"
(cd "$UNZIPPED" && python3 -m zipfile -e "$TREE_A/dist/NevraAutoClicker-2.5-portable.zip" .)
check "the zip holds the program, the catalogue and a CRLF readme" bash -c "
  [ \"\$(cd '$UNZIPPED' && ls | tr '\n' ' ')\" = 'NevraAutoClicker.exe README.txt transl.dt ' ] &&
  cmp -s '$UNZIPPED/NevraAutoClicker.exe' '$TREE_A/build/package/stage/NevraAutoClicker.exe' &&
  [ \$(grep -c \$'\r\$' '$UNZIPPED/README.txt') -eq \$(wc -l <'$UNZIPPED/README.txt') ] &&
  ! grep -q '@[A-Z_]*@' '$UNZIPPED/README.txt'"

# version_value FILE KEY: a string of FILE's version resource (the UTF-16 text after the key).
version_value() { strings -el -n 3 "$1" | awk -v key="$2" 'found { print; exit } $0 == key { found = 1 }'; }
while IFS='|' read -r file key expected; do
  actual=$(version_value "$TREE_A/$file" "$key")
  check "$(basename "$file") version resource: $key = $expected" [ "$actual" = "$expected" ]
done <<'EOF'
build/package/stage/NevraAutoClicker.exe|FileVersion|2.5.0.0
build/package/stage/NevraAutoClicker.exe|ProductVersion|2.5
build/package/stage/NevraAutoClicker.exe|ProductName|Nevra Auto Clicker
build/package/stage/NevraAutoClicker.exe|CompanyName|Nevra
build/package/stage/NevraAutoClicker.exe|FileDescription|Nevra Auto Clicker
build/package/stage/NevraAutoClicker.exe|OriginalFilename|NevraAutoClicker.exe
dist/nevraautoclicker.exe|FileVersion|2.5
dist/nevraautoclicker.exe|ProductVersion|2.5
dist/nevraautoclicker.exe|ProductName|Nevra Auto Clicker
dist/nevraautoclicker.exe|CompanyName|Nevra
dist/nevraautoclicker.exe|FileDescription|Nevra Auto Clicker Setup
dist/nevraautoclicker.exe|OriginalFilename|nevraautoclicker.exe
EOF
check "the installer asks for no elevation" grep -q 'level="asInvoker"' "$TREE_A/dist/nevraautoclicker.exe"

echo "== a signed package =="
CERTS="$WORK/certs"
nevra_make_test_certs "$CERTS"
package "$TREE_B" "$WORK/package-signed.log" NEVRA_SIGN_CERT="$CERTS/publisher.pem" NEVRA_SIGN_KEY="$CERTS/publisher.key"
SIGNED_EXE="$TREE_B/build/package/stage/NevraAutoClicker.exe"
SIGNED_INSTALLER="$TREE_B/dist/nevraautoclicker.exe"
verify_signed() { osslsigncode verify -CAfile "$CERTS/ca.pem" -in "$1" 2>&1 | grep -q '^Signature verification: ok'; }
check "the program verifies as signed" verify_signed "$SIGNED_EXE"
check "the installer verifies as signed" verify_signed "$SIGNED_INSTALLER"
check "the program in the zip is the signed one" \
  bash -c "unzip -p '$TREE_B/dist/NevraAutoClicker-2.5-portable.zip' NevraAutoClicker.exe | cmp -s - '$SIGNED_EXE'"
check "the build pins the certificate's subject" grep -qx \
  "NEVRA_PUBLISHER_SUBJECT='Nevra Test Publisher'" "$TREE_B/build/package/product.env"
check "the build pins the certificate's issuer" grep -qx \
  "NEVRA_PUBLISHER_ISSUER='Nevra Test CA'" "$TREE_B/build/package/product.env"
check "the unsigned build pinned no publisher" grep -qx "NEVRA_PUBLISHER_SUBJECT=''" "$TREE_A/build/package/product.env"

echo "== installing under Wine =="
nevra_wine_up
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -o "$WORK/WindowProbe.exe" "$ROOT/tests/package/WindowProbe.cpp"
probe() { nevra_run_limited 150 wine "$WORK/WindowProbe.exe" "$1" NevraAutoClickerMainWindow "${2:-90}" | tr -d '\r'; }
win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
LOCAL_APPDATA=$(winepath -u "$(win_env LOCALAPPDATA)")
ROAMING_APPDATA=$(winepath -u "$(win_env APPDATA)")
INSTDIR="$LOCAL_APPDATA/Programs/Nevra Auto Clicker"
SHORTCUT="$ROAMING_APPDATA/Microsoft/Windows/Start Menu/Programs/Nevra Auto Clicker.lnk"
SETTINGS_DIR="$ROAMING_APPDATA/Nevra Auto Clicker"
UNINSTALL_ROOT='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
UNINSTALL_KEY="$UNINSTALL_ROOT\\NevraAutoClicker"

# reg_value NAME: a value of the uninstall entry as `wine reg query` prints it ("" if missing).
reg_value() {
  wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
entries_named_nevra() {
  wine reg query "$UNINSTALL_ROOT" /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName *REG_SZ *Nevra Auto Clicker$' || true
}
install() { nevra_run_limited 120 wine "$1" /S; }

check "silent install succeeds" install "$TREE_A/dist/nevraautoclicker.exe"
check "the program is installed as built" cmp -s "$INSTDIR/NevraAutoClicker.exe" "$TREE_A/build/package/stage/NevraAutoClicker.exe"
check "the catalogue is installed" cmp -s "$INSTDIR/transl.dt" "$TREE_A/build/package/stage/transl.dt"
check "the uninstaller is installed" test -f "$INSTDIR/Uninstall.exe"
check "the Start-menu shortcut exists" test -f "$SHORTCUT"
INSTDIR_WIN=$(winepath -w "$INSTDIR")
while IFS='|' read -r name expected; do
  actual=$(reg_value "$name")
  check "uninstall entry $name = $expected" [ "$actual" = "$expected" ]
done <<EOF
DisplayName|Nevra Auto Clicker
DisplayVersion|2.5
Publisher|Nevra
DisplayIcon|$INSTDIR_WIN\\NevraAutoClicker.exe,0
InstallLocation|$INSTDIR_WIN
UninstallString|"$INSTDIR_WIN\\Uninstall.exe"
QuietUninstallString|"$INSTDIR_WIN\\Uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
EOF
size=$(reg_value EstimatedSize)
check "uninstall entry EstimatedSize ($size KB) covers the files" [ $((${size:-0})) -ge 600 ]

echo "== the installed program starts =="
wine "$INSTDIR_WIN\\NevraAutoClicker.exe" >/dev/null 2>&1 &
PROGRAM_PID=$!
shown_pid=$(probe shown) || true
check "its main window is shown" [ -n "$shown_pid" ]

echo "== upgrading over it, with the program running =="
check "silent upgrade (signed build) succeeds" install "$SIGNED_INSTALLER"
check "the running program was closed" probe gone 5
nevra_wait_until 100 bash -c "! kill -0 $PROGRAM_PID 2>/dev/null" || true
check "... and its process ended" bash -c "! kill -0 $PROGRAM_PID 2>/dev/null"
PROGRAM_PID=""
check "... asked to close, it saved its settings" test -f "$SETTINGS_DIR/settings.ini"
check "the program was replaced by the new one" cmp -s "$INSTDIR/NevraAutoClicker.exe" "$SIGNED_EXE"
check "the new uninstaller is signed too" verify_signed "$INSTDIR/Uninstall.exe"
check "still one uninstall entry" [ "$(entries_named_nevra)" = 1 ]
check "still in the same folder" [ "$(reg_value InstallLocation)" = "$INSTDIR_WIN" ]

echo "== uninstalling =="
mkdir -p "$SETTINGS_DIR/Macros"
printf '[Test]\r\nKept=1\r\n' >"$SETTINGS_DIR/settings.ini"
printf 'macro\r\n' >"$SETTINGS_DIR/Macros/Test.nevramac"
(cd "$SETTINGS_DIR" && find . -type f | sort | xargs sha256sum) >"$WORK/settings-before"
# Run as Windows would run QuietUninstallString: "program" arguments.
quiet=$(reg_value QuietUninstallString)
uninstaller=${quiet#\"}
uninstaller=${uninstaller%%\"*}
check "silent uninstall starts" nevra_run_limited 60 wine "$uninstaller" "${quiet##*\" }"
# The uninstaller runs from a copy in the temporary folder, so its first process ends at once:
# wait for its last steps (the folder, then the shortcut, then the entry) before judging them.
uninstall_finished() { [ ! -e "$INSTDIR" ] && [ ! -e "$SHORTCUT" ] && [ "$(entries_named_nevra)" = 0 ]; }
nevra_wait_until 600 uninstall_finished || true
check "the program folder is gone" test ! -e "$INSTDIR"
check "the shortcut is gone" test ! -e "$SHORTCUT"
check "the uninstall entry is gone" [ "$(entries_named_nevra)" = 0 ]
check "settings and macros are untouched" \
  bash -c "cd '$SETTINGS_DIR' && find . -type f | sort | xargs sha256sum | cmp -s - '$WORK/settings-before'"

if [ "$FAILURES" -gt 0 ]; then
  echo "package tests: $FAILURES failed" >&2
  exit 1
fi
echo "package tests: all passed"
