#!/bin/sh
# pacchetto.sh: builds the program and makes a Debian package of it in build/; install it with
#   apt-get install ./build/tarvolini_*.deb
set -eu
cd "$(dirname "$0")/.."
./scripts/prepara.sh build
(cd build && cpack -G DEB)
ls build/tarvolini_*.deb
