#!/usr/bin/env python3
"""Compares what sigrok-cli read back (its binary output: META lines, then
16-bit samples) with the .lan file that was exported.

  export_sigrok_compare.py FILE.lan OUT.bin [RATE_MHZ]

With a rate the output came from a VCD file: sigrok makes one sample per
timescale unit, so sample k of the file must fill the units from its own
timestamp, rounded from k, up to the next one. Without a rate it came from
CSV, one row a sample."""
import array
import sys
from fractions import Fraction


def samples(data):
    values = array.array("H", data[: len(data) // 2 * 2])
    if sys.byteorder == "big":
        values.byteswap()
    return values


def main():
    lan = samples(open(sys.argv[1], "rb").read())
    raw = open(sys.argv[2], "rb").read()
    units_per_second = None
    while raw.startswith(b"META "):
        line, raw = raw.split(b"\n", 1)
        if line.startswith(b"META samplerate:"):
            units_per_second = int(line.split(b":")[1])
    read = samples(raw)
    if len(sys.argv) < 4:
        if read != lan:
            first = next((i for i in range(min(len(read), len(lan))) if read[i] != lan[i]), None)
            print(f"{len(read)} samples read for {len(lan)}; first difference at {first}")
            return 1
        return 0

    rate_hz = Fraction(sys.argv[3]) * 1000000
    num, den = rate_hz.numerator, rate_hz.denominator
    def stamp(k):  # k / rate in units, rounded half up, in integers
        return (2 * k * units_per_second * den + num) // (2 * num)
    if len(read) != stamp(len(lan)):
        print(f"{len(read)} units read, the last sample should end at {stamp(len(lan))}")
        return 1
    for k, value in enumerate(lan):
        begin, end = stamp(k), stamp(k + 1)
        for unit in (begin, end - 1):
            if read[unit] != value:
                print(f"sample {k} is {value:04x}, unit {unit} read {read[unit]:04x}")
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
