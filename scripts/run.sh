#!/usr/bin/env bash
# The one command that runs the programs: scripts/run.sh PROGRAM [ARGS...]
#   vantrel [LASIM-OPTIONS...]   Vantrel against the device simulator lasim
#   morvid [SCRIPT.rc]           Morvid on a script, or on examples/morvid/example.rc
# Each program is one run_<name> function below. Sets the machine up first
# (scripts/setup.sh) and builds what is missing. With a display the program
# opens on it; without one it runs on a virtual X server, is driven through a
# short session, and a screenshot path is printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
run_dir="$root/build/run"
mkdir -p "$run_dir"

usage() {
  sed -n '2,8p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
  exit 2
}

# Processes this script started, ended by their ids on exit.
started_pids=()
own_display=0
cleanup() {
  local pid
  # Wine's server outlives the program by a few seconds and keeps our display:
  # it goes first, so that the next run does not meet it with the display gone.
  if [ $own_display = 1 ] && [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  fi
  for pid in "${started_pids[@]:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
}
trap cleanup EXIT

# A tree is configured again whenever its build system is missing: a configure
# that failed leaves CMakeCache.txt behind, and with it a tree that cannot build.
# PROJECT_WERROR=ON in the environment builds as CI does.
build_tree() {  # build_tree PRESET TARGET...
  local preset="$1"; shift
  local tree="build/$preset" log="build/$preset.log"
  echo "run.sh: building $* ($preset)" >&2
  if {
    if [ ! -f "$tree/Makefile" ] && [ ! -f "$tree/build.ninja" ]; then
      rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
      cmake --preset "$preset" ${PROJECT_WERROR:+"-DPROJECT_WERROR=$PROJECT_WERROR"}
    fi && cmake --build "$tree" -j 2 --target "$@"
  } >"$log" 2>&1; then
    return
  fi
  tail -n 30 "$log" >&2
  echo "run.sh: building $* failed; the whole log: cat $root/$log" >&2
  exit 1
}

# Without a display: a virtual X server of our own for this run.
ensure_display() {
  if [ -n "${DISPLAY:-}" ]; then return 1; fi
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  started_pids+=($!)
  own_display=1
  for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
  return 0
}

# Runs a drive program in a virtual desktop, where Wine draws the captions that
# a bare X server lacks. The desktop is the prefix's default for that program,
# not explorer /desktop, which would hide the drive's exit status.
drive_in_desktop() {  # drive_in_desktop DRIVE.exe DESKTOP-NAME ARGS...
  local drive="$1" desktop="$2"; shift 2
  local program reg
  program=$(basename "$drive")
  if [ ! -f "$WINEPREFIX/.desktop-$program" ]; then
    reg="$run_dir/desktop-$desktop.reg"
    cat >"$reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\$program\\Explorer]
"Desktop"="$desktop"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"$desktop"="1024x768"
EOF
    "$root/build/windows/wine-run" regedit /S "Z:${reg//\//\\}" && touch "$WINEPREFIX/.desktop-$program"
  fi
  "$root/build/windows/wine-run" "$root/$drive" "$@"
}

# A session that went wrong still shows what it saw, and ends the run as failed.
session_failed() {  # session_failed SCREENSHOT
  echo "run.sh: the session reported a problem (see above)" >&2
  [ -f "$1" ] && echo "$1"
  exit 1
}

run_vantrel() {
  local lasim="build/native/tools/lasim/lasim"
  local exe="build/windows/bin/Vantrel.exe"
  local drive="build/windows/tests/win/analyzer/capture/vantrel_drive.exe"
  local headless=0
  ensure_display && headless=1
  [ -x "$lasim" ] || build_tree native lasim
  if [ ! -f "$exe" ] || { [ $headless = 1 ] && [ ! -f "$drive" ]; }; then
    build_tree windows Vantrel vantrel_drive
  fi

  export WINEPREFIX="$run_dir/wineprefix"
  local workdir="$run_dir/vantrel"
  mkdir -p "$workdir"

  local lasim_out="$run_dir/lasim.out"
  "$lasim" --log="$run_dir/lasim.log" "$@" >"$lasim_out" &
  started_pids+=($!)
  for _ in $(seq 1 100); do [ -s "$lasim_out" ] && break; sleep 0.05; done
  local device
  device=$(head -n 1 "$lasim_out")
  [ -n "$device" ] || { echo "run.sh: lasim printed no device" >&2; exit 1; }
  scripts/wine-com.sh COM2 "$device"
  scripts/wine-com.sh COM1 "$device"
  echo "run.sh: lasim on $device as COM1 and COM2 (log $run_dir/lasim.log); la.cfg in $workdir"

  if [ $headless = 0 ]; then
    (cd "$workdir" && "$root/build/windows/wine-run" "$root/$exe")
    return
  fi
  local shot="$root/build/windows/screenshots/vantrel_run.png"
  mkdir -p "$(dirname "$shot")"
  rm -f "$shot"
  drive_in_desktop "$drive" vantrel "Z:$root/$exe" "Z:$workdir" "Z:$shot" || session_failed "$shot"
  echo "$shot"
}

run_morvid() {
  local exe="build/windows/bin/Morvid.exe"
  local drive="build/windows/tests/win/editor/shell/morvid_drive.exe"
  local script="${1:-examples/morvid/example.rc}"
  [ -f "$script" ] || { echo "run.sh: no script $script" >&2; exit 1; }
  script=$(cd "$(dirname "$script")" && pwd)/$(basename "$script")
  local headless=0
  ensure_display && headless=1
  if [ ! -f "$exe" ] || { [ $headless = 1 ] && [ ! -f "$drive" ]; }; then
    build_tree windows Morvid morvid_drive
  fi

  export WINEPREFIX="$run_dir/wineprefix"
  # Wine sees the Unix root as drive Z:.
  local win_script="Z:${script//\//\\}"
  if [ $headless = 0 ]; then
    "$root/build/windows/wine-run" "$root/$exe" "$win_script"
    return
  fi
  local shot="$root/build/windows/screenshots/morvid_run.png"
  mkdir -p "$(dirname "$shot")"
  rm -f "$shot"
  drive_in_desktop "$drive" morvid "Z:$root/$exe" "$win_script" "Z:$shot" || session_failed "$shot"
  echo "$shot"
}

[ $# -ge 1 ] || usage
program="$1"; shift
case "$program" in vantrel | morvid) ;; *) usage ;; esac
bash scripts/setup.sh >&2 || { echo "run.sh: setting up the machine failed (scripts/setup.sh)" >&2; exit 1; }
"run_$program" "$@"
