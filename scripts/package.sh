#!/usr/bin/env bash
# Builds the release packages into dist/: the installer nevraautoclicker.exe, the portable zip
# NevraAutoClicker-<version>-portable.zip and SHA256SUMS. `./dev package` calls it.
#   scripts/package.sh                  build (in build/package) and package
#   scripts/package.sh --sign-file F    sign F in place with the configured certificate (NSIS calls
#                                       this for the installer and its uninstaller)
# Signing, when both are set (PEM files): NEVRA_SIGN_CERT, NEVRA_SIGN_KEY; optionally
# NEVRA_SIGN_CHAIN (further certificates to embed), NEVRA_SIGN_PASS_FILE (the key's passphrase) and
# NEVRA_SIGN_TIMESTAMP_URL (an RFC 3161 time-stamp server, so signatures outlive the certificate).
# Without them the packages are unsigned.
# Reproducible: unsigned, the same commit and toolchain give the same bytes. File times come from
# SOURCE_DATE_EPOCH, by default the time of the commit checked out.
# Overrides: NEVRA_PACKAGE_BUILD (build folder), NEVRA_DIST (output folder).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SELF="$ROOT/scripts/package.sh"

die() { echo "package: $*" >&2; exit 1; }

signing_configured() { [ -n "${NEVRA_SIGN_CERT:-}${NEVRA_SIGN_KEY:-}" ]; }

check_signing_config() {
  if [ -z "${NEVRA_SIGN_CERT:-}" ] || [ -z "${NEVRA_SIGN_KEY:-}" ]; then
    die "set both NEVRA_SIGN_CERT and NEVRA_SIGN_KEY, or neither"
  fi
  local file
  for file in "$NEVRA_SIGN_CERT" "$NEVRA_SIGN_KEY" ${NEVRA_SIGN_CHAIN:+"$NEVRA_SIGN_CHAIN"} \
      ${NEVRA_SIGN_PASS_FILE:+"$NEVRA_SIGN_PASS_FILE"}; do
    [ -r "$file" ] || die "cannot read $file"
  done
}

# The common name in the certificate's subject or issuer: what the program's update check pins.
certificate_cn() {
  openssl x509 -in "$NEVRA_SIGN_CERT" -noout "-$1" -nameopt sep_multiline,utf8,-esc_msb,sname |
    sed -n 's/^ *CN=//p' | head -n1
}

# Authenticode, SHA-256, in place; time-stamped only when a server is named (builds may be offline).
sign_file() {
  local file=$1
  check_signing_config
  local args=(-certs "$NEVRA_SIGN_CERT" -key "$NEVRA_SIGN_KEY" -h sha256)
  [ -n "${NEVRA_SIGN_CHAIN:-}" ] && args+=(-ac "$NEVRA_SIGN_CHAIN")
  [ -n "${NEVRA_SIGN_PASS_FILE:-}" ] && args+=(-readpass "$NEVRA_SIGN_PASS_FILE")
  [ -n "${NEVRA_SIGN_DESCRIPTION:-}" ] && args+=(-n "$NEVRA_SIGN_DESCRIPTION")
  [ -n "${NEVRA_SIGN_URL:-}" ] && args+=(-i "$NEVRA_SIGN_URL")
  [ -n "${NEVRA_SIGN_TIMESTAMP_URL:-}" ] && args+=(-ts "$NEVRA_SIGN_TIMESTAMP_URL")
  rm -f "$file.signed"
  osslsigncode sign "${args[@]}" -in "$file" -out "$file.signed" >/dev/null ||
    { rm -f "$file.signed"; die "signing $file failed"; }
  mv -f "$file.signed" "$file"
}

if [ "${1:-}" = "--sign-file" ]; then
  [ $# -eq 2 ] || die "usage: $0 --sign-file FILE"
  sign_file "$2"
  exit 0
fi
[ $# -eq 0 ] || die "usage: $0 [--sign-file FILE]"

BUILD=${NEVRA_PACKAGE_BUILD:-$ROOT/build/package}
DIST=${NEVRA_DIST:-$ROOT/dist}
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null) ||
    die "not a git checkout: set SOURCE_DATE_EPOCH (seconds since 1970) to the release's time"
fi
export SOURCE_DATE_EPOCH

SUBJECT="" ISSUER=""
if signing_configured; then
  check_signing_config
  SUBJECT=$(certificate_cn subject)
  ISSUER=$(certificate_cn issuer)
  if [ -z "$SUBJECT" ] || [ -z "$ISSUER" ]; then die "$NEVRA_SIGN_CERT has no subject or issuer common name"; fi
  echo "Signing as \"$SUBJECT\", issued by \"$ISSUER\""
fi

# The program pins the publisher it accepts updates from; empty names (unsigned) make it refuse all.
cmake --preset package -B "$BUILD" -DNEVRA_PUBLISHER_SUBJECT="$SUBJECT" -DNEVRA_PUBLISHER_ISSUER="$ISSUER" >/dev/null
cmake --build "$BUILD" --target NevraAutoClicker nevra_catalogue
# shellcheck source=/dev/null
source "$BUILD/product.env"

EXE_NAME=$(basename "$NEVRA_PROGRAM")
INSTALLER_NAME=nevraautoclicker.exe
ZIP_NAME="NevraAutoClicker-$NEVRA_VERSION-portable.zip"
STAGE="$BUILD/stage"
rm -rf "$STAGE"
mkdir -p "$STAGE" "$DIST"
rm -f "$DIST/$INSTALLER_NAME" "$DIST/$ZIP_NAME" "$DIST/SHA256SUMS"

cp "$NEVRA_PROGRAM" "$STAGE/$EXE_NAME"
cp "$NEVRA_CATALOGUE" "$STAGE/transl.dt"
# For Windows users: CRLF line ends.
sed -e "s|@PRODUCT_NAME@|$NEVRA_PRODUCT_NAME|g" -e "s|@VERSION@|$NEVRA_VERSION|g" \
    -e "s|@COMPANY_NAME@|$NEVRA_COMPANY_NAME|g" -e "s|@WEBSITE_URL@|$NEVRA_WEBSITE_URL|g" \
    -e 's/$/\r/' "$ROOT/packaging/portable-readme.txt" >"$STAGE/README.txt"

export NEVRA_SIGN_DESCRIPTION="$NEVRA_PRODUCT_NAME" NEVRA_SIGN_URL="$NEVRA_WEBSITE_URL"
SIGN_DEFINE=()
if signing_configured; then
  sign_file "$STAGE/$EXE_NAME"
  SIGN_DEFINE=(-DSIGN_SCRIPT="$SELF")
fi
# The installer stores each file's time and writes it back when installing.
touch -d "@$SOURCE_DATE_EPOCH" "$STAGE"/*

makensis -V2 -WX -INPUTCHARSET UTF8 \
  -DPRODUCT_NAME="$NEVRA_PRODUCT_NAME" -DCOMPANY_NAME="$NEVRA_COMPANY_NAME" \
  -DVERSION="$NEVRA_VERSION" -DVERSION_QUAD="$NEVRA_VERSION_QUAD" -DWEBSITE_URL="$NEVRA_WEBSITE_URL" \
  -DEXE_NAME="$EXE_NAME" -DSTAGE_DIR="$STAGE" -DICON="$ROOT/assets/app.ico" \
  -DOUT_DIR="$DIST" -DOUT_NAME="$INSTALLER_NAME" "${SIGN_DEFINE[@]}" \
  "$ROOT/packaging/installer.nsi"

python3 "$ROOT/packaging/make-zip.py" "$DIST/$ZIP_NAME" "$SOURCE_DATE_EPOCH" \
  "$EXE_NAME=$STAGE/$EXE_NAME" "transl.dt=$STAGE/transl.dt" "README.txt=$STAGE/README.txt"

(cd "$DIST" && sha256sum "$INSTALLER_NAME" "$ZIP_NAME" >SHA256SUMS)

echo "Packages in $DIST:"
sed 's/^/  /' "$DIST/SHA256SUMS"
if signing_configured; then
  echo "Signed as \"$SUBJECT\" (issuer \"$ISSUER\"); the program accepts updates signed by that publisher."
else
  cat >&2 <<'EOF'
*** UNSIGNED: no certificate configured (NEVRA_SIGN_CERT, NEVRA_SIGN_KEY). The installer and the
*** program carry no signature, and this build of the program refuses to start any downloaded update.
EOF
fi
