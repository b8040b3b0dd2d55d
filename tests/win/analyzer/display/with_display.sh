#!/bin/sh
# Runs a command under the X server of the run, or under one of its own:
# everything the command starts under Wine must see the same display.
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
