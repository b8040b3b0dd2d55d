#!/bin/sh
# lanconv.exe under Wine writes the same files as the native lanconv (but for
# the date in the VCD header) and refuses a missing file with an exit code.
#   lanconv_same_bytes.sh WINE-RUN LANCONV.EXE NATIVE-LANCONV LASIM WORKDIR
set -eu
wine_run="$1"; exe="$2"; native="$3"; lasim="$4"; work="$5"
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$lasim" --pattern=i2c --write-lan=i2c.lan
"$native" i2c.lan --rate 12,5 --vcd native.vcd --csv native.csv
"$wine_run" "$exe" i2c.lan --rate 12,5 --vcd windows.vcd --csv windows.csv
cmp native.csv windows.csv
sed 2d native.vcd >native.body
sed 2d windows.vcd >windows.body
cmp native.body windows.body
if "$wine_run" "$exe" missing.lan --vcd out.vcd 2>err.txt; then echo "FAILED: a missing file was converted"; exit 1; fi
grep -q "cannot read missing.lan" err.txt || { echo "FAILED: $(cat err.txt)"; exit 1; }
echo "lanconv.exe: same bytes as the native build"
