#!/bin/sh
# prepara.sh [BUILD_DIR [CMAKE_OPTIONS...]]: installs the Debian packages that are missing (as root, or
# through sudo), then configures and builds the program and its tests.
set -eu
cd "$(dirname "$0")/.."
pacchetti="build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins
  fonts-liberation2 xvfb xauth xdotool x11-utils openbox poppler-utils cups printer-driver-cups-pdf pulseaudio"
mancanti=""
for p in $pacchetti; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti="$mancanti $p"
done
if [ -n "$mancanti" ]; then
  come=""
  [ "$(id -u)" = 0 ] || come="sudo"
  echo "Installing:$mancanti"
  $come apt-get update
  DEBIAN_FRONTEND=noninteractive $come apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends $mancanti
fi
build=${1:-build}
[ $# -gt 0 ] && shift
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc)"
