#!/usr/bin/env bash
# Throwaway code-signing certificates for tests, made fresh each time, and signing with them.
# Source it, then:
#   nevra_make_test_certs DIR    a test CA and two publishers signed by it, in DIR:
#                                ca.pem, publisher.{pem,key} ("Nevra Test Publisher"),
#                                other.{pem,key} ("Someone Else")
#   nevra_sign DIR WHO IN OUT    signs IN into OUT as WHO (publisher or other)
# The names are fixed so that a build can pin them (NEVRA_PUBLISHER_SUBJECT/_ISSUER).
NEVRA_TEST_PUBLISHER="Nevra Test Publisher"
NEVRA_TEST_ISSUER="Nevra Test CA"

nevra_make_test_certs() {
  local dir=$1
  mkdir -p "$dir"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$NEVRA_TEST_ISSUER" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
    -keyout "$dir/ca.key" -out "$dir/ca.pem" 2>/dev/null
  local who cn
  for who in publisher other; do
    if [ "$who" = publisher ]; then cn=$NEVRA_TEST_PUBLISHER; else cn="Someone Else"; fi
    openssl req -newkey rsa:2048 -nodes -subj "/CN=$cn" -keyout "$dir/$who.key" -out "$dir/$who.csr" 2>/dev/null
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$dir/$who.ext"
    openssl x509 -req -in "$dir/$who.csr" -CA "$dir/ca.pem" -CAkey "$dir/ca.key" -CAcreateserial -days 2 \
      -extfile "$dir/$who.ext" -out "$dir/$who.pem" 2>/dev/null
  done
}

NEVRA_TEST_SIGNING_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Signs the way a release is signed (scripts/package.sh), with the test certificates.
nevra_sign() {
  local dir=$1 who=$2 in=$3 out=$4
  cp -f "$in" "$out"
  NEVRA_SIGN_CERT="$dir/$who.pem" NEVRA_SIGN_KEY="$dir/$who.key" NEVRA_SIGN_CHAIN="$dir/ca.pem" \
    NEVRA_SIGN_PASS_FILE="" NEVRA_SIGN_TIMESTAMP_URL="" NEVRA_SIGN_URL="" NEVRA_SIGN_DESCRIPTION="Nevra Auto Clicker" \
    "$NEVRA_TEST_SIGNING_SCRIPTS/package.sh" --sign-file "$out"
}
