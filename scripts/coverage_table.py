#!/usr/bin/env python3
"""Line and branch coverage of src/ per layer, from gcovr JSON tracefiles.

Usage: coverage_table.py TRACEFILE.json...
Adds up the runs (each a `gcovr --json` file) and prints a Markdown table, one
row per folder under src/, then the total. Branches that only an exception
takes are left out. A file that a run never executed tells nothing of its
branches (gcov cannot mark their kinds without counts), so its branch list is
taken from a run that executed it; two runs that executed a line with the same
branches add up their counts, and where their branches differ the run that
took more of them counts.
"""
import json
import sys


def executed(entry):
    return any(line["count"] > 0 for line in entry["lines"])


def merge(runs):
    files = {}
    for run in runs:
        for entry in run["files"]:
            lines = {line["line_number"]: line for line in entry["lines"]
                     if not line.get("gcovr/excluded") and not line.get("gcovr/noncode")}
            ran = executed(entry)
            kept = files.get(entry["file"])
            if kept is None:
                files[entry["file"]] = {"ran": ran, "lines": lines}
                continue
            for number, line in lines.items():
                old = kept["lines"].get(number)
                if old is None:
                    kept["lines"][number] = line
                    continue
                count = old["count"] + line["count"]
                if not ran:
                    branches = old["branches"]
                elif not kept["ran"]:
                    branches = line["branches"]
                elif len(old["branches"]) == len(line["branches"]):
                    branches = [dict(a, count=a["count"] + b["count"])
                                for a, b in zip(old["branches"], line["branches"])]
                else:
                    # Inline functions compiled into other programs can give a
                    # line other branches: the run that took more of them speaks.
                    branches = max(old["branches"], line["branches"],
                                   key=lambda bs: sum(b["count"] > 0 for b in bs))
                kept["lines"][number] = dict(old, count=count, branches=branches)
            kept["ran"] = kept["ran"] or ran
    return files


def main(paths):
    runs = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            runs.append(json.load(f))
    layers = {}
    for name, entry in merge(runs).items():
        parts = name.split("/")
        if len(parts) < 3 or parts[0] != "src":
            continue
        row = layers.setdefault(parts[1], [0, 0, 0, 0])
        for line in entry["lines"].values():
            row[1] += 1
            row[0] += line["count"] > 0
            for branch in line["branches"]:
                if branch.get("throw"):
                    continue
                row[3] += 1
                row[2] += branch["count"] > 0

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
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
