#!/bin/sh
# banco_di_prova.sh stampante|audio start|stop DIR SHARED
# Starts or stops the real services that some tests use: a private CUPS server whose default queue
# writes PDFs under DIR/out, or a private PulseAudio server with a null sink. When a service cannot
# start here (not root, pulseaudio missing), it leaves DIR.non-disponibile with the reason, and
# the tests that need it skip with that reason.
set -u
servizio=$1 azione=$2 dir=$3 comune=$4
case "$servizio/$azione" in
stampante/start)
  "$comune/printer/stop-pdf-printer.sh" "$dir" --clean >/dev/null 2>&1
  rm -rf "$dir" "$dir.non-disponibile"
  if [ "$(id -u)" != 0 ]; then echo "the print queue needs root" > "$dir.non-disponibile"; exit 0; fi
  "$comune/printer/start-pdf-printer.sh" "$dir" > /dev/null ;;
stampante/stop)
  "$comune/printer/stop-pdf-printer.sh" "$dir" --clean >/dev/null 2>&1; exit 0 ;;
audio/start)
  "$comune/audio/null-sink.sh" stop "$dir" >/dev/null 2>&1
  rm -rf "$dir" "$dir.non-disponibile"
  if ! command -v pulseaudio >/dev/null; then echo "pulseaudio is not installed" > "$dir.non-disponibile"; exit 0; fi
  "$comune/audio/null-sink.sh" start "$dir" ;;
audio/stop)
  "$comune/audio/null-sink.sh" stop "$dir" >/dev/null 2>&1; exit 0 ;;
*) echo "usage: $0 stampante|audio start|stop DIR SHARED" >&2; exit 2 ;;
esac
