#!/bin/sh
# Installs the Debian packages the build and the tests need, only when something is missing.
set -eu

need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake ninja-build g++ make googletest libgtest-dev libbenchmark-dev clang \
         g++-mingw-w64-i686 mingw-w64-tools libwine-dev \
         wine wine32:i386 wine64 xvfb x11-apps x11-utils imagemagick nsis; do
    have "$p" || need="$need $p"
done
[ -z "$need" ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing:$need"
if ! dpkg --print-foreign-architectures | grep -q i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $need >/dev/null
