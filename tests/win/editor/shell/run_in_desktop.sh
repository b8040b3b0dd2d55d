#!/usr/bin/env bash
# Runs a test executable on a Wine virtual desktop (where Wine draws window
# captions itself) and fails when its GoogleTest result file records a failure:
#   run_in_desktop.sh WINE-RUN RESULT-XML EXE [ARGS...]
# The desktop's explorer does not pass the program's exit code on.
set -uo pipefail
wine_run="$1" result="$2"; shift 2
rm -f "$result"
"$wine_run" explorer /desktop=shelltests,1024x768 "$@"
[ -f "$result" ] || { echo "no result file $result" >&2; exit 1; }
grep -q 'failures="0"' "$result" && ! grep -q 'errors="[1-9]' "$result"
