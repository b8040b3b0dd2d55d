#!/bin/sh
# Runs the document tests with every saved script kept, then compiles each
# kept script with both resource compilers, its Resource.h beside it. The
# editor writes scripts in the ANSI code page of its users, 1251, which
# llvm-rc does not take: it gets the script converted to UTF-8. llvm-rc is
# given relative names, since it reads an absolute path such as /check/...
# as its /C option.
#   compile_saved_scripts.sh TEST-EXECUTABLE WORK-FOLDER MINGW-INCLUDE
set -u
tests="$1"
work="$2"
include="$3"

rm -rf "$work"
mkdir -p "$work"
MORVID_SAVED_SCRIPTS="$work" "$tests" --gtest_filter='DocTest.*' >"$work/tests.log" 2>&1 \
  || { cat "$work/tests.log"; echo "document tests failed"; exit 1; }

count=0
failed=0
for script in "$work"/*/script.rc; do
  [ -f "$script" ] || continue
  folder=$(dirname "$script")
  count=$((count + 1))
  if ! x86_64-w64-mingw32-windres -c 1251 -I "$include" "$script" -O coff -o "$folder/windres.res" 2>"$folder/windres.log"; then
    echo "windres failed on $script:"; cat "$folder/windres.log"; failed=$((failed + 1))
  fi
  if ! iconv -f CP1251 -t UTF-8 "$script" >"$folder/script-utf8.rc" \
      || ! (cd "$folder" && llvm-rc /C 65001 /I "$include" /FO llvm-rc.res script-utf8.rc >llvm-rc.log 2>&1); then
    echo "llvm-rc failed on $script:"; cat "$folder/llvm-rc.log"; failed=$((failed + 1))
  fi
done
echo "$count saved scripts, $failed compiler failures"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
