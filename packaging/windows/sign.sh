#!/bin/sh
# Signs Windows programs and packages in place with osslsigncode (SHA-256),
# when a code-signing certificate is given in the environment:
#
#   DD_SIGN_PFX            the certificate with its private key (PKCS#12, .pfx)
#   DD_SIGN_PASSWORD       the password of that file
#   DD_SIGN_TIMESTAMP_URL  optional: an RFC 3161 time-stamp server, so that
#                          the signature outlives the certificate
#
# Without DD_SIGN_PFX it leaves the files as they are.
#
#   sign.sh FILE...
set -eu
[ -n "${DD_SIGN_PFX:-}" ] || exit 0
[ -f "$DD_SIGN_PFX" ] || { echo "sign.sh: no certificate file $DD_SIGN_PFX" >&2; exit 1; }
[ -n "${DD_SIGN_PASSWORD+set}" ] || { echo "sign.sh: DD_SIGN_PASSWORD is not set" >&2; exit 1; }
for file in "$@"; do
  # The password goes through a pipe, not the command line, which other
  # users could read.
  printf '%s' "$DD_SIGN_PASSWORD" |
    osslsigncode sign -pkcs12 "$DD_SIGN_PFX" -readpass /dev/stdin -h sha256 \
      -n "Различни цифри" ${DD_SIGN_TIMESTAMP_URL:+-ts "$DD_SIGN_TIMESTAMP_URL"} \
      -in "$file" -out "$file.signed" >/dev/null
  mv "$file.signed" "$file"
done
