#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's packages. Idempotent: it
# installs only what is missing, so a second run costs a second.
set -euo pipefail

packages=(
  cmake make g++ python3
  clang libclang-rt-14-dev                    # libFuzzer targets
  googletest                                  # GoogleTest sources, built by every preset
  g++-mingw-w64-i686 g++-mingw-w64-x86-64     # the Windows cross-compilers
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine                      # Wine, 64-bit loader for the in-process tests
  wine32:i386                                 # runs the shipped i686 programs (WoW64 prefix)
  xvfb xauth                                  # a display for the Windows programs
  imagemagick x11-utils                       # screenshots (convert, xwininfo)
  mscompress                                  # SZDD-compressed test inputs
  fp-utils                                    # chmcmd, the compiler of the help file
  libinih-dev                                 # the INI benchmark's baseline
  xorriso genisoimage p7zip-full libarchive-tools udftools  # independent readers of quillot-image's images
  osslsigncode openssl                        # the signed release, and its test's certificate
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
# wine32 is an i386 package; the kernel runs 32-bit programs, dpkg only has to be told.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
