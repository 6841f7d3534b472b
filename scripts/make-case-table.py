#!/usr/bin/env python3
"""Writes src/platform/UpperCaseTable.inc: the capital of every small letter of the Basic
Multilingual Plane that forms a pair with it (the capital's small letter is that letter), from
Python's own Unicode data, for comparing names without regard to letter case as Windows compares
file names (one UTF-16 unit against one). Letters that only fold into a capital of another letter
(the final sigma, the micro sign, the dotless i, the long s, the Kelvin sign) keep their own case,
as they do in Windows' table. Each row is a run of letters whose capitals lie the same distance
away, one after another (step 1) or every other one (step 2, as in Latin Extended-A).

  make-case-table.py OUT_FILE
"""
import sys
import unicodedata


def capitals():
    pairs = {}
    for code in range(0x10000):
        if 0xD800 <= code <= 0xDFFF:
            continue
        capital = chr(code)
        small = capital.lower()
        if len(small) != 1 or small == capital or ord(small) >= 0x10000:
            continue
        # A capital that is not its small letter's own (the Kelvin sign, the angstrom sign, the
        # capital sharp s) pairs with nothing. A small letter whose capital is two letters (the
        # Greek letters with a iota below) pairs with its one-letter title case.
        own = small.upper()
        if len(own) != 1:
            own = small.title()
        if own != capital:
            continue
        pairs[ord(small)] = code
    return sorted(pairs.items())


def runs():
    rows = []  # [first, last, delta, step]
    for code, upper in capitals():
        delta = upper - code
        if rows:
            first, last, row_delta, step = rows[-1]
            gap = code - last
            if row_delta == delta and gap in (1, 2) and step in (0, gap):
                rows[-1] = [first, code, delta, gap]
                continue
        rows.append([code, code, delta, 0])
    return [(first, last, delta, step or 1) for first, last, delta, step in rows]


def main(argv):
    if len(argv) != 2:
        raise SystemExit(__doc__)
    lines = [
        f"// Made by scripts/make-case-table.py from Unicode {unicodedata.unidata_version}; do not edit.",
        "// {first, last, capital minus character, step}",
    ]
    lines += [f"{{0x{f:04X}, 0x{l:04X}, {d}, {s}}}," for f, l, d, s in runs()]
    with open(argv[1], "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv)
