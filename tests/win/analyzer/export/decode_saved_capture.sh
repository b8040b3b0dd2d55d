#!/bin/sh
# Runs the test command that saves Vantrel's capture of the uart signal into
# DIR, then decodes the saved VCD with sigrok-cli's uart decoder:
#   decode_saved_capture.sh DIR COMMAND...
dir="$1"; shift
rm -rf "$dir" && mkdir -p "$dir" || exit 1
"$@" || exit 1
command -v sigrok-cli >/dev/null || { echo "sigrok-cli is missing (scripts/setup.sh installs it)"; exit 1; }
# The simulator's 16 samples a bit at la.cfg's 8 MHz: 500000 baud, on the
# line la.cfg names TX.
got=$(sigrok-cli -I vcd -i "$dir/uart.vcd" -P uart:rx=TX:baudrate=500000 -A uart=rx-data | sed 's/^uart-1: //' | xargs)
want=$(printf 'Vantrel UART test\n' | od -An -tx1 -v | tr 'a-f' 'A-F' | xargs)
if [ "$got" != "$want" ]; then
  echo "FAILED: the saved VCD decodes to '$got', the simulator sent '$want'"
  exit 1
fi
echo "decoded: $got"
