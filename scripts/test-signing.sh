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

nevra_sign() {
  local dir=$1 who=$2 in=$3 out=$4
  rm -f "$out"
  osslsigncode sign -certs "$dir/$who.pem" -ac "$dir/ca.pem" -key "$dir/$who.key" \
    -n "Nevra Auto Clicker" -h sha256 -in "$in" -out "$out" >/dev/null
}
