#!/usr/bin/env bash
# Runs a command while a serial peer answers behind a COM port of the prefix:
#   with-serial-peer.sh PORT PEER-COMMAND... -- COMMAND...
# The peer opens a pseudo-terminal and prints the slave's path as its first
# line (lasim does); the port is pointed at it before the command starts.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Without a display the port set-up and the command must share one virtual X
# server: Wine's desktop starts with the first of them and keeps its display.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c '"$0" "$@"; rc=$?; wineserver -w; exit $rc' "${BASH_SOURCE[0]}" "$@"
fi
port="$1"; shift
peer=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do peer+=("$1"); shift; done
[ $# -gt 0 ] && shift

out=$(mktemp)
"${peer[@]}" >"$out" 2>"$out.err" &
peer_pid=$!
cleanup() { kill "$peer_pid" 2>/dev/null || true; wait "$peer_pid" 2>/dev/null || true; rm -f "$out" "$out.err"; }
trap cleanup EXIT

for _ in $(seq 1 100); do
  [ -s "$out" ] && break
  sleep 0.05
done
device=$(head -n 1 "$out")
if [ -z "$device" ]; then
  echo "with-serial-peer: the peer printed no device" >&2
  cat "$out.err" >&2
  exit 1
fi
"$here/wine-com.sh" "$port" "$device"
export SERIAL_PEER_LOG="$out"
"$@"
