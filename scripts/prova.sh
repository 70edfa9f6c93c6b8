#!/bin/sh
# prova.sh: sets up and builds what is missing, then runs every test headless. Exits non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
./scripts/prepara.sh build
ctest --test-dir build --output-on-failure
