#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# The CTest emulator of the windows tree. WINEPREFIX names the prefix; without
# a DISPLAY the run gets its own virtual X server (xvfb-run -a picks a free one).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
wine_prefix_init

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$(wine_bin)" "$@"
fi
exec "$(wine_bin)" "$@"
