#!/usr/bin/env bash
# Exported captures as a real consumer reads them: sigrok-cli imports the VCD
# and CSV files lanconv writes, and its protocol decoders decode the lasim
# test signals.
#   export_sigrok_check.sh LASIM LANCONV WORKDIR readback|uart|i2c|errors
# (one CTest test per mode, registered by tools/lanconv/CMakeLists.txt)
set -euo pipefail
lasim="$1"; lanconv="$2"; work="$3"; mode="$4"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
command -v sigrok-cli >/dev/null || { echo "sigrok-cli is missing (scripts/setup.sh installs it)"; exit 1; }
rm -rf "$work/$mode" && mkdir -p "$work/$mode" && cd "$work/$mode"

fail() { echo "FAILED: $*"; exit 1; }

# A la.cfg with the given rate text and names "TX", "SCL", "SDA", then "Ln 3"..
write_cfg() {
  python3 - "$1" <<'EOF'
import struct, sys
names = [b"TX", b"SCL", b"SDA"] + [b"Ln %d" % i for i in range(3, 16)]
record = struct.pack("<II", 0x00FF00, 0xFF0000) + b"".join(n.ljust(12, b"\0") for n in names)
record += struct.pack("<i", 1) + sys.argv[1].encode().ljust(6, b"\0")[:6]
open("la.cfg", "wb").write(record)
EOF
}

case "$mode" in
readback)
  # Every line of every sample, at rates whose period is whole in the chosen
  # unit (8, 12.5 MHz) and one where it is not (3 MHz), from both file sizes.
  "$lasim" --pattern=clocks --write-lan=clocks.lan
  head -c 32768 clocks.lan >half.lan
  for rate in 8 12.5 3; do
    for lan in clocks.lan half.lan; do
      "$lanconv" "$lan" --rate "$rate" --vcd out.vcd --csv out.csv
      sigrok-cli -I vcd -i out.vcd -O binary -o vcd.bin
      sigrok-cli -I csv:column_formats=t,16l -i out.csv -O binary -o csv.bin
      python3 "$here/export_sigrok_compare.py" "$lan" vcd.bin "$rate" || fail "VCD of $lan at $rate MHz"
      python3 "$here/export_sigrok_compare.py" "$lan" csv.bin || fail "CSV of $lan at $rate MHz"
    done
  done
  ;;
uart)
  # 16 samples a bit at 8 MHz: 500000 baud.
  "$lasim" --pattern=uart --write-lan=uart.lan
  "$lanconv" uart.lan --vcd uart.vcd
  got=$(sigrok-cli -I vcd -i uart.vcd -P uart:rx=Ln_0:baudrate=500000 -A uart=rx-data | sed 's/^uart-1: //' | tr '\n' ' ')
  want=$(printf 'Vantrel UART test\n' | od -An -tx1 -v | tr 'a-f' 'A-F' | xargs)
  [ "$got" = "$want " ] || fail "uart decoded '$got', sent '$want'"
  # The names and rate of la.cfg: the line is called TX, and at 12.5 MHz the
  # same 16 samples a bit are 781250 baud.
  write_cfg "12,500"
  "$lanconv" uart.lan --cfg la.cfg --vcd named.vcd
  got=$(sigrok-cli -I vcd -i named.vcd -P uart:rx=TX:baudrate=781250 -A uart=rx-data | sed 's/^uart-1: //' | tr '\n' ' ')
  [ "$got" = "$want " ] || fail "uart with la.cfg decoded '$got', sent '$want'"
  ;;
i2c)
  "$lasim" --pattern=i2c --write-lan=i2c.lan
  write_cfg "8,000"
  "$lanconv" i2c.lan --cfg la.cfg --vcd i2c.vcd
  got=$(sigrok-cli -I vcd -i i2c.vcd -P i2c:scl=SCL:sda=SDA -A i2c=start:stop:ack:nack:address-write:data-write:warnings \
        | sed 's/^i2c-1: //' | tr '\n' ',')
  want="Start,Write,Address write: 50,ACK,Data write: 12,ACK,Data write: 34,ACK,Stop,"
  [ "$got" = "$want" ] || fail "i2c decoded '$got', sent '$want'"
  ;;
errors)
  # Each refusal: a non-zero exit and a message that names the problem.
  "$lasim" --pattern=walk --write-lan=walk.lan
  head -c 1000 walk.lan >odd.lan
  write_cfg "8,000"
  head -c 100 la.cfg >short.cfg
  expect_error() {
    local pattern="$1"; shift
    local out rc=0
    out=$("$lanconv" "$@" 2>&1) || rc=$?
    [ "$rc" -ne 0 ] || fail "lanconv $* succeeded"
    echo "$out" | grep -q -- "$pattern" || fail "lanconv $*: '$out' does not say '$pattern'"
    [ ! -e out.vcd ] || fail "lanconv $* left out.vcd"
  }
  expect_error "cannot read missing.lan" missing.lan --vcd out.vcd
  expect_error "odd.lan is 1000 bytes" odd.lan --vcd out.vcd
  expect_error "bad rate \"fast\"" walk.lan --rate fast --vcd out.vcd
  expect_error "bad rate \"0\"" walk.lan --rate 0 --vcd out.vcd
  expect_error "bad rate \"-8\"" walk.lan --rate -8 --vcd out.vcd
  expect_error "short.cfg is 100 bytes" walk.lan --cfg short.cfg --vcd out.vcd
  expect_error "no output given" walk.lan
  expect_error "unknown option --pdf" walk.lan --pdf out.pdf
  "$lanconv" walk.lan --cfg la.cfg --rate 1 --csv out.csv || fail "a good conversion failed"
  [ "$(head -n 1 out.csv)" = "$(printf 'Time [us],TX,SCL,SDA,Ln_3,Ln_4,Ln_5,Ln_6,Ln_7,Ln_8,Ln_9,Ln_10,Ln_11,Ln_12,Ln_13,Ln_14,Ln_15\r')" ] \
    || fail "CSV header: $(head -n 1 out.csv)"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "$mode: ok"
