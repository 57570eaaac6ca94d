#!/usr/bin/env python3
"""Line and branch coverage of src/ per layer, from a gcovr JSON summary.

Usage: coverage_table.py COVERAGE.json
Prints a Markdown table, one row per folder under src/, then the total.
"""
import json
import sys


def main(path):
    with open(path, encoding="utf-8") as f:
        summary = json.load(f)
    layers = {}
    for entry in summary["files"]:
        parts = entry["filename"].split("/")
        if len(parts) < 3 or parts[0] != "src":
            continue
        row = layers.setdefault(parts[1], [0, 0, 0, 0])
        row[0] += entry["line_covered"]
        row[1] += entry["line_total"]
        row[2] += entry["branch_covered"]
        row[3] += entry["branch_total"]

    def percent(covered, total):
        return "%.1f %%" % (100.0 * covered / total) if total else "-"

    print("| layer | lines | line coverage | branches | branch coverage |")
    print("| --- | ---: | ---: | ---: | ---: |")
    total = [0, 0, 0, 0]
    for name in sorted(layers):
        row = layers[name]
        total = [a + b for a, b in zip(total, row)]
        print("| %s | %d | %s | %d | %s |" % (name, row[1], percent(row[0], row[1]), row[3],
                                            percent(row[2], row[3])))
    print("| all | %d | %s | %d | %s |" % (total[1], percent(total[0], total[1]), total[3],
                                          percent(total[2], total[3])))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    main(sys.argv[1])
