#!/usr/bin/env python3
"""The size of the tests against the size of the code.

Counts the lines that are neither blank nor only a // comment in the .cpp,
.h, .py, .sh and .cmake files and CMakeLists.txt under tests/ (the runners
of the data cases included, the cases themselves being data) and under src/
and bench/, and prints the ratio.
Usage: scripts/count_lines.py [TOP]
"""
import os
import sys

SUFFIXES = (".cpp", ".h", ".py", ".sh", ".cmake")


def counted(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return sum(1 for line in f if line.strip() and not line.strip().startswith("//"))


def lines_under(top, folder):
    total = 0
    for root, _, files in os.walk(os.path.join(top, folder)):
        for name in files:
            if name.endswith(SUFFIXES) or name == "CMakeLists.txt":
                total += counted(os.path.join(root, name))
    return total


def main(top):
    tests = lines_under(top, "tests")
    code = lines_under(top, "src") + lines_under(top, "bench")
    print("tests: %d lines; src and bench: %d lines; tests are %.1f %% of the code"
          % (tests, code, 100.0 * tests / code))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
