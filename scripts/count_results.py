#!/usr/bin/env python3
"""Counts test results for the closing line of scripts/test.sh.

Each results folder holds ctest.junit.xml (one case per CTest test) and, for
every CTest test that runs a GoogleTest executable, <test>.xml with its cases.
A CTest test with such a file counts as its cases; one without (a script, or an
executable that crashed before writing it) counts as itself."""
import argparse
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    passed = failed = 0
    for case in ET.parse(path).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.get("result") == "skipped" or case.get("status") == "notrun" or case.find("skipped") is not None:
            continue
        else:
            passed += 1
    return passed, failed


def folder_counts(folder):
    passed = failed = 0
    junit = os.path.join(folder, "ctest.junit.xml")
    if not os.path.exists(junit):
        return 0, 0
    for case in ET.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        ok = case.get("status") in ("run", "passed", None) and case.find("failure") is None
        if case.get("status") in ("fail", "failed"):
            ok = False
        gtest = os.path.join(folder, f"{name}.xml")
        if os.path.exists(gtest):
            try:
                p, f = gtest_counts(gtest)
            except ET.ParseError:
                p, f = 0, 1
            # A test that failed outside its cases (a crash at exit) still fails once.
            if not ok and f == 0:
                f = 1
            passed, failed = passed + p, failed + f
        elif case.get("status") in ("disabled", "notrun", "skipped"):
            continue
        elif ok:
            passed += 1
        else:
            failed += 1
    return passed, failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folders", nargs="*")
    parser.add_argument("--extra-passed", type=int, default=0)
    parser.add_argument("--extra-failed", type=int, default=0)
    parser.add_argument("--build-failures", type=int, default=0)
    args = parser.parse_args()
    passed, failed = args.extra_passed, args.extra_failed
    for folder in args.folders:
        p, f = folder_counts(folder)
        print(f"{folder}: {p} passed, {f} failed")
        passed, failed = passed + p, failed + f
    if args.build_failures and failed == 0:
        failed = args.build_failures
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or args.build_failures else 0


if __name__ == "__main__":
    sys.exit(main())
