#!/usr/bin/env python3
"""Prints the rows of kFoldRanges in case_fold.cpp: Unicode's simple case
folding (one code point to one), from Python's own Unicode data, as runs of
code points that move by the same distance, every one or every second.

Run: python3 src/common/case_fold_table.py, and paste its output over the rows."""
import sys
import unicodedata


def simple_fold(c):
    ch = chr(c)
    folded = ch.casefold()
    if len(folded) == 1:
        return ord(folded)
    # A character whose full folding is longer (German ẞ, Greek with iota
    # subscript) has a simple folding equal to its lower case when that is one.
    lower = ch.lower()
    return ord(lower) if len(lower) == 1 else c


runs = []
for c in range(0x110000):
    if 0xD800 <= c <= 0xDFFF:
        continue
    delta = simple_fold(c) - c
    if not delta:
        continue
    if runs and runs[-1]["delta"] == delta:
        run = runs[-1]
        if run["first"] == run["last"] and c - run["last"] in (1, 2):
            run["step"], run["last"] = c - run["last"], c
            continue
        if run["first"] != run["last"] and c - run["last"] == run["step"]:
            run["last"] = c
            continue
    runs.append({"first": c, "last": c, "delta": delta, "step": 1})

print(f"    // Unicode {unicodedata.unidata_version}: {len(runs)} runs")
for run in runs:
    print("    {0x%04X, 0x%04X, %d, %d}," % (run["first"], run["last"], run["delta"], run["step"]))
