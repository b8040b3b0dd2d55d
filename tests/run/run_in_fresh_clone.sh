#!/usr/bin/env bash
# scripts/run.sh as a new user meets it: in a fresh clone of the committed
# state (no build folder) and without a display, each program is built from
# nothing, runs its short session and leaves a screenshot. Morvid runs after a
# configure of the Windows tree that failed for want of the cross compiler, as
# on a machine where it was not yet installed: run.sh must configure again.
#   run_in_fresh_clone.sh RESULTS-FILE
# Writes "passed NAME" or "failed NAME" per case to RESULTS-FILE; the runs'
# output, the clone's build logs and the screenshots are kept in build/run-check/.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
results="$1"
out="$root/build/run-check"
# A run builds two trees and starts Wine; ten minutes means it hangs.
run_seconds="${RUN_CHECK_SECONDS:-600}"

rm -rf "$out"
mkdir -p "$out"
: >"$results"
work=$(mktemp -d)
clone="$work/clone"

cleanup() {
  # run.sh waits for Wine itself; this is for a run that was cut short.
  if [ -d "$clone/build/run/wineprefix" ]; then
    WINEPREFIX="$clone/build/run/wineprefix" wineserver -k 2>/dev/null
  fi
  cp "$clone"/build/*.log "$out/" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

record() {  # record NAME passed|failed
  echo "$2 $1" >>"$results"
  echo "run check: $1 $2"
}

# run_case NAME PROGRAM: run.sh without a display, warnings as errors as in CI
# (so the clone compiles what the main build has already put in ccache), and
# the screenshot it names must be a picture with something drawn on it.
run_case() {
  local name="$1" program="$2"
  local stdout="$out/$name.out" stderr="$out/$name.log"
  env -u DISPLAY -u WINEPREFIX PROJECT_WERROR=ON \
    timeout -k 10 "$run_seconds" bash "$clone/scripts/run.sh" "$program" >"$stdout" 2>"$stderr"
  local rc=$?
  local shot expected="$clone/build/windows/screenshots/${program}_run.png"
  shot=$(tail -n 1 "$stdout")
  local problem=""
  if [ $rc -eq 124 ]; then problem="run.sh did not end within ${run_seconds}s"
  elif [ $rc -ne 0 ]; then problem="run.sh ended with $rc"
  elif [ "$shot" != "$expected" ]; then problem="run.sh named '$shot' as its screenshot, not $expected"
  elif [ "$(head -c 8 "$shot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    problem="no PNG file at $shot"
  elif [ "$(identify -format '%k' "$shot" 2>/dev/null || echo 0)" -lt 16 ]; then
    problem="the screenshot is nearly blank"
  fi
  [ -f "$expected" ] && cp "$expected" "$out/"
  if [ -n "$problem" ]; then
    echo "run check: $name: $problem; the end of its output ($stderr):" >&2
    tail -n 30 "$stderr" >&2
    record "$name" failed
  else
    record "$name" passed
  fi
}

if ! git clone -q "$root" "$clone" || ! git -C "$clone" checkout -q --detach "$(git -C "$root" rev-parse HEAD)"; then
  record clone failed
  exit 1
fi

run_case vantrel_from_nothing vantrel

# What a configure leaves when the cross compiler cannot be found: a cache
# and no build system.
rm -rf "$clone/build/windows"
mkdir -p "$work/bin"
ln -s "$(command -v cmake)" "$work/bin/cmake"
ln -s "$(command -v make)" "$work/bin/make"
(cd "$clone" && PATH="$work/bin" cmake --preset windows >"$out/failed-configure.log" 2>&1)
if [ -f "$clone/build/windows/CMakeCache.txt" ] && [ ! -f "$clone/build/windows/Makefile" ]; then
  run_case morvid_after_failed_configure morvid
else
  echo "run check: the failed configure left no stale tree (see $out/failed-configure.log)" >&2
  record morvid_after_failed_configure failed
fi

! grep -q '^failed ' "$results"
