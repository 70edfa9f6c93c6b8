#!/bin/sh
# The benchmark: start-up, verification latency, peak memory and printing, each figure with its goal.
# Usage: scripts/misura.sh [build folder]   (default: build; QT_QPA_PLATFORM defaults to offscreen)
set -eu
cartella=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$cartella/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
cmake --build "$build" --target bench_avvio_programma bench_avvio_nudo bench_verifica_e_stampa >/dev/null
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# Each start-up 15 times, the three programs in turn; the medians are compared.
for i in $(seq 15); do
    BENCH_T0=$(date +%s%N) "$build/bench_avvio_programma" 2>/dev/null >>"$lavoro/programma"
    BENCH_T0=$(date +%s%N) "$build/bench_avvio_nudo" 2>/dev/null >>"$lavoro/nudo"
    BENCH_T0=$(date +%s%N) "$build/bench_avvio_nudo" testo 2>/dev/null >>"$lavoro/testo"
done
mediana() { sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print v[int((NR+1)/2)]}'; }
ap=$(mediana "$lavoro/programma" 1); an=$(mediana "$lavoro/nudo" 1)
mp=$(mediana "$lavoro/programma" 2); mn=$(mediana "$lavoro/nudo" 2)
at=$(mediana "$lavoro/testo" 1); mt=$(mediana "$lavoro/testo" 2)

"$build/bench_verifica_e_stampa" "$lavoro" 2>/dev/null >"$lavoro/altro"
valore() { awk -v k="$1" '$1 == k {print $2}' "$lavoro/altro"; }

awk -v ap="$ap" -v an="$an" -v mp="$mp" -v mn="$mn" -v at="$at" -v mt="$mt" \
    -v p50="$(valore verifica_p50_us)" -v p99="$(valore verifica_p99_us)" \
    -v sr="$(valore stampa_resoconto_us)" -v sa="$(valore stampa_attestato_us)" 'BEGIN {
    esito = "%-48s %12s   %s\n"
    printf esito, "start-up to first paint, program / bare (ms)", sprintf("%.1f / %.1f", ap/1000, an/1000), ""
    printf esito, "start-up ratio", sprintf("%.2f", ap/an), "goal <= 1.25"
    printf esito, "  bare window with one label (ms), ratio", sprintf("%.1f, %.2f", at/1000, ap/at), "(for reference)"
    printf esito, "Enter to verdict painted, p50 (us)", p50, ""
    printf esito, "Enter to verdict painted, p99 (us)", p99, "goal < 2000"
    printf esito, "peak memory, program / bare (MB)", sprintf("%.1f / %.1f", mp/1024, mn/1024), ""
    printf esito, "peak memory ratio", sprintf("%.2f", mp/mn), "goal <= 1.3"
    printf esito, "  bare window with one label (MB), ratio", sprintf("%.1f, %.2f", mt/1024, mp/mt), "(for reference)"
    printf esito, "report handed to the printer (ms)", sprintf("%.0f", sr/1000), "goal < 500"
    printf esito, "certificate handed to the printer (ms)", sprintf("%.0f", sa/1000), "goal < 500"
}'
