#!/usr/bin/env bash
# The one test command: installs what is missing, builds every preset, runs the
# native, sanitizer and Windows (Wine) tests, each fuzz target briefly and the
# run command in a fresh clone, and ends with one line "N passed, N failed"
# for all tests together.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

FUZZ_SECONDS="${FUZZ_SECONDS:-10}"
jobs=$(nproc 2>/dev/null || echo 2)
failures=0
note_failure() { echo "test.sh: FAILED: $*" >&2; failures=$((failures + 1)); }

bash scripts/setup.sh || { echo "test.sh: setup failed"; echo "0 passed, 1 failed"; exit 1; }

configure_and_build() {
  local preset="$1"
  echo "== $preset: configure and build"
  cmake --preset "$preset" -DPROJECT_WERROR=ON >"build/$preset.log" 2>&1 \
    && cmake --build "build/$preset" -j "$jobs" >>"build/$preset.log" 2>&1
  local rc=$?
  if [ $rc -ne 0 ]; then
    tail -n 60 "build/$preset.log"
    echo "test.sh: the whole log: cat $root/build/$preset.log"
  fi
  return $rc
}

run_ctest() {
  local tree="$1"; shift
  rm -rf "build/$tree/test-results"
  mkdir -p "build/$tree/test-results"
  (cd "build/$tree" && ctest --output-on-failure --output-junit test-results/ctest.junit.xml "$@")
}

mkdir -p build
rm -f build/results-*.txt

# Native: unit tests, simulator, benchmarks built (not timed here).
if configure_and_build native; then
  run_ctest native -j "$jobs" || note_failure "native tests"
else
  note_failure "native build"
fi

if configure_and_build native-asan; then
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest native-asan -j "$jobs" \
    || note_failure "sanitizer tests"
else
  note_failure "sanitizer build"
fi

# Fuzz: each target for a few seconds on its seeds.
fuzz_pass=0
fuzz_fail=0
if configure_and_build fuzz; then
  while read -r target; do
    [ -n "$target" ] || continue
    corpus="tests/fuzz/corpus/$target"
    work="build/fuzz/corpus-$target"
    mkdir -p "$work"
    [ -d "$corpus" ] && cp -r "$corpus/." "$work/" 2>/dev/null
    echo "== fuzz $target for ${FUZZ_SECONDS}s"
    if "build/fuzz/tests/fuzz/$target" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
         -print_final_stats=0 "$work" >"build/fuzz/$target.log" 2>&1; then
      fuzz_pass=$((fuzz_pass + 1))
    else
      tail -n 40 "build/fuzz/$target.log"
      fuzz_fail=$((fuzz_fail + 1))
      note_failure "fuzz target $target"
    fi
  done <build/fuzz/fuzz-targets.txt
else
  note_failure "fuzz build"
fi

# Windows: one virtual X server and one wineserver for the whole run, ended by
# their process ids at the end.
xvfb_pid=""
wineserver_pid=""
cleanup() {
  [ -n "$wineserver_pid" ] && kill "$wineserver_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

if configure_and_build windows; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
  export WINEPREFIX="$root/build/windows/wineprefix"
  (. scripts/wine-env.sh && wine_prefix_init)
  (. scripts/wine-env.sh && exec wineserver -p -f) &
  wineserver_pid=$!
  # Wine's services start with the first program and keep its output open;
  # started here, they hold /dev/null instead of the pipes CTest waits on.
  (. scripts/wine-env.sh && "$(wine_bin)" wineboot >/dev/null 2>&1 </dev/null)
  run_ctest windows || note_failure "Windows tests"
  windows_built=1
else
  note_failure "Windows build"
fi

# The run command as a new user meets it, in a fresh clone; after the Windows
# build, whose objects ccache hands to the clone's.
run_pass=0
run_fail=0
if [ "${windows_built:-0}" = 1 ]; then
  echo "== scripts/run.sh in a fresh clone"
  bash tests/run/run_in_fresh_clone.sh build/results-run.txt || note_failure "scripts/run.sh in a fresh clone"
  run_pass=$(grep -c '^passed ' build/results-run.txt 2>/dev/null)
  run_fail=$(grep -c '^failed ' build/results-run.txt 2>/dev/null)
fi

# Count: the cases of every GoogleTest executable, plus each CTest test that
# is not one, plus the fuzz runs and the run command's cases.
python3 scripts/count_results.py build/native/test-results build/native-asan/test-results \
  build/windows/test-results --extra-passed "$((fuzz_pass + ${run_pass:-0}))" \
  --extra-failed "$((fuzz_fail + ${run_fail:-0}))" --build-failures "$failures"
