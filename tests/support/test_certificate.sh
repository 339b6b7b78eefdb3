#!/usr/bin/env bash
# test_certificate.sh DIR: a self-signed code-signing certificate, as a CD builder's would be
# but trusted by no Windows, made in DIR for a test: key.pem, certificate.pem and
# certificate.p12, whose password is QUILLOT_SIGN_PASSWORD (read from the environment, never
# from a command line). openssl's messages go to DIR/openssl.log, and to stderr on failure.
set -uo pipefail
dir=$1
export QUILLOT_SIGN_PASSWORD=${QUILLOT_SIGN_PASSWORD-}
if ! {
  timeout 120 openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=quillot test" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$dir/key.pem" -out "$dir/certificate.pem" &&
    timeout 120 openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/certificate.pem" \
      -passout env:QUILLOT_SIGN_PASSWORD -out "$dir/certificate.p12"
} >"$dir/openssl.log" 2>&1; then
  cat "$dir/openssl.log" >&2
  exit 1
fi
