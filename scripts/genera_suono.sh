#!/bin/sh
# Makes assets/positivo.wav, the chime of a right answer: three rising notes of a major chord, each
# with a soft attack and a bell-like fade, mixed into about 0.6 s of 16-bit mono at 44.1 kHz. Needs sox.
set -e
cd "$(dirname "$0")/../assets"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
nota() { # name frequency delay
  sox -n -r 44100 -c 1 -b 16 "$tmp/$1.wav" synth 0.45 sine "$2" sine "$(awk "BEGIN{print $2 * 2}")" \
      remix 1-2 fade q 0.005 0.45 0.4 vol 0.5 pad "$3" 0
}
nota do 1046.50 0
nota mi 1318.51 0.08
nota sol 1567.98 0.16
sox -m "$tmp/do.wav" "$tmp/mi.wav" "$tmp/sol.wav" -b 16 positivo.wav gain -n -3
