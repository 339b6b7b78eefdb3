# shellcheck shell=bash
# Authenticode signatures for the release's programs, made by osslsigncode (only options that
# Debian 12's osslsigncode 2.5 knows). Sourced by release.sh when QUILLOT_SIGN_PKCS12 names a
# PKCS#12 file with the key and its certificate; QUILLOT_SIGN_PASSWORD is that file's
# password and QUILLOT_SIGN_TIMESTAMP_URL, where set, an RFC 3161 timestamp server.

# The password reaches osslsigncode through a file only this user can read, removed when the
# release ends: a command line is visible to every user of the machine, and logs are kept.
signing_start() {
  signing_password_file=$(umask 077 && mktemp "${TMPDIR:-/tmp}/quillot-sign.XXXXXX")
  trap 'rm -f "$signing_password_file"' EXIT
  printf '%s' "${QUILLOT_SIGN_PASSWORD:-}" >"$signing_password_file"
}

# sign_program UNSIGNED SIGNED: SHA-256 digests, signed at SOURCE_DATE_EPOCH, so that the same
# program and certificate give the same bytes. A timestamp server's answer differs each time.
sign_program() {
  local timestamp=()
  [ -z "${QUILLOT_SIGN_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$QUILLOT_SIGN_TIMESTAMP_URL")
  rm -f "$2"
  osslsigncode sign -pkcs12 "$QUILLOT_SIGN_PKCS12" -readpass "$signing_password_file" \
    -h sha256 -time "$SOURCE_DATE_EPOCH" "${timestamp[@]}" -in "$1" -out "$2" \
    >>build/sign-release.log 2>&1 || { cat build/sign-release.log >&2; return 1; }
}
