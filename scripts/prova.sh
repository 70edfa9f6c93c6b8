#!/bin/sh
# prova.sh: sets up and builds what is missing, then runs every test headless, once on the normal build
# and once on a build with AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
./scripts/prepara.sh build
./scripts/prepara.sh build-asan -DTARVOLINI_SANITIZE=ON
ctest --test-dir build --output-on-failure
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure
