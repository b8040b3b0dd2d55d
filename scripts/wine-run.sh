#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# The CTest emulator of the windows tree. WINEPREFIX names the prefix; without
# a DISPLAY the run gets its own virtual X server (xvfb-run -a picks a free one).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
wine_prefix_init

if [ -z "${DISPLAY:-}" ]; then
  # The wineserver outlives the program by a few seconds and keeps the display
  # it started with: wait for it here, so that the next run, on an X server of
  # its own, does not meet a server whose display is gone.
  exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c '"$0" "$@"; rc=$?; wineserver -w; exit $rc' "$(wine_bin)" "$@"
fi
exec "$(wine_bin)" "$@"
