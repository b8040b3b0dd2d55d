#!/usr/bin/env bash
# scripts/run.sh as a new user meets it: in a fresh clone of the committed
# state (no build folder) and without a display, each program is built from
# nothing, runs its short session and leaves a screenshot. Morvid runs after a
# configure of the Windows tree that failed for want of the cross compiler, as
# on a machine where it was not yet installed: run.sh must configure again.
# Then a session and a build that fail must end run.sh as failed, with what
# the user needs to see.
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

# run NAME PROGRAM [ARGS...]: run.sh without a display and with warnings as
# errors as in CI (so the clone compiles what the main build has already put
# in ccache). Sets rc and stdout, stderr (files in build/run-check/).
run() {
  local name="$1"; shift
  stdout="$out/$name.out" stderr="$out/$name.log"
  env -u DISPLAY -u WINEPREFIX PROJECT_WERROR=ON \
    timeout -k 10 "$run_seconds" bash "$clone/scripts/run.sh" "$@" >"$stdout" 2>"$stderr"
  rc=$?
}

# Why the screenshot run.sh named last is not a picture of PROGRAM's session.
shot_problem() {  # shot_problem PROGRAM
  local shot expected="$clone/build/windows/screenshots/${1}_run.png"
  shot=$(tail -n 1 "$stdout")
  [ -f "$expected" ] && cp "$expected" "$out/"
  if [ "$shot" != "$expected" ]; then echo "run.sh named '$shot' as its screenshot, not $expected"
  elif [ "$(head -c 8 "$shot" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    echo "no PNG file at $shot"
  elif [ "$(identify -format '%k' "$shot" 2>/dev/null || echo 0)" -lt 16 ]; then
    echo "the screenshot is nearly blank"
  fi
}

verdict() {  # verdict NAME PROBLEM (empty when it passed)
  local name="$1" problem="$2" status=passed
  [ $rc -eq 124 ] && problem="run.sh did not end within ${run_seconds}s"
  if [ -n "$problem" ]; then
    status=failed
    echo "run check: $name: $problem; the end of its output ($stderr):" >&2
    tail -n 30 "$stderr" >&2
  fi
  echo "$status $name" >>"$results"
  echo "run check: $name $status"
}

succeeded() {  # succeeded PROGRAM
  if [ $rc -ne 0 ]; then echo "run.sh ended with $rc"; else shot_problem "$1"; fi
}

if ! git clone -q "$root" "$clone" || ! git -C "$clone" checkout -q --detach "$(git -C "$root" rev-parse HEAD)"; then
  echo "failed clone" >>"$results"
  exit 1
fi

run vantrel_from_nothing vantrel
verdict vantrel_from_nothing "$(succeeded vantrel)"

# What a configure leaves when the cross compiler cannot be found: a cache
# and no build system.
rm -rf "$clone/build/windows"
mkdir -p "$work/bin"
ln -s "$(command -v cmake)" "$work/bin/cmake"
ln -s "$(command -v make)" "$work/bin/make"
(cd "$clone" && PATH="$work/bin" cmake --preset windows >"$out/failed-configure.log" 2>&1)
if [ -f "$clone/build/windows/CMakeCache.txt" ] && [ ! -f "$clone/build/windows/Makefile" ]; then
  run morvid_after_failed_configure morvid
  verdict morvid_after_failed_configure "$(succeeded morvid)"
else
  rc=0 stderr="$out/failed-configure.log"
  verdict morvid_after_failed_configure "the failed configure left no stale tree"
fi

# A script with no dialogs: the session says so, and still shows its screenshot.
printf '// no dialogs\r\n' >"$work/empty.rc"
run failed_session morvid "$work/empty.rc"
verdict failed_session "$(if [ $rc -ne 1 ]; then echo "run.sh ended with $rc, not 1"; else shot_problem morvid; fi)"

# A build error: the end of the log, and the command that shows all of it.
echo 'int broken = ;' >>"$clone/editor/app/win/main.cpp"
rm -f "$clone/build/windows/bin/Morvid.exe"
run failed_build morvid
verdict failed_build "$(if [ $rc -ne 1 ]; then echo "run.sh ended with $rc, not 1"
  elif ! grep -q 'main.cpp.*error' "$stderr"; then echo "the compiler's error was not shown"
  elif ! grep -qF "cat $clone/build/windows.log" "$stderr"; then echo "no command to see the whole log"
  fi)"

! grep -q '^failed ' "$results"
