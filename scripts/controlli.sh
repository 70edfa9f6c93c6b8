#!/bin/sh
# controlli.sh [BUILD_DIR]: the static checks the team keeps clean, clang-tidy (the checks in .clang-tidy)
# and cppcheck, over the program's and the tests' sources. Exits non-zero on any finding.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null   # moc files must exist for the checks
sorgenti=$(git ls-files 'state/*.cpp' 'drill/*.cpp' 'setup/*.cpp' 'review/*.cpp' 'certificate/*.cpp' \
  'platform/*.cpp' 'app/*.cpp' 'tests/*.cpp' 'assets/*.cpp')
esito=0
echo "clang-tidy: $(echo "$sorgenti" | wc -w) files"
if ! echo "$sorgenti" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet > "$build/clang-tidy.txt" 2>/dev/null; then
  esito=1
fi
if grep -E 'warning:|error:' "$build/clang-tidy.txt"; then esito=1; fi
echo "cppcheck"
if ! cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability --inline-suppr \
     --std=c++20 --language=c++ -I . --suppress=missingIncludeSystem $sorgenti; then
  esito=1
fi
[ $esito = 0 ] && echo "static checks: no findings"
exit $esito
