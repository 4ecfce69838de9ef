#!/usr/bin/python3
"""Reads a chart workbook with xlrd and checks the text of every box by its
ancestor number (1 the root, 2n the father of n, 2n + 1 the mother), and
that no other cell but the title and the generation line holds a value.

Usage: check_box_texts_with_xlrd.py FILE.xls GENERATIONS EXPECTED
EXPECTED is "numbers" (each box holds its number alone) or a file with one
"NUMBER<TAB>TEXT" line for each box that holds a text.
"""
import sys

import xlrd


def box_cell(number, generations):
    """0-based row and column of an ancestor number's box."""
    generation = number.bit_length() - 1
    k = generations - 1 - generation
    return (1 << k) + 4 - 1 + (number - (1 << generation)) * (2 << k), 1 + k


def main():
    path, generations, expected_from = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    if expected_from == "numbers":
        expected = {n: str(n) for n in range(1, 1 << generations)}
    else:
        with open(expected_from, encoding="utf-8") as lines:
            expected = {int(n): text for n, text in (line.rstrip("\n").split("\t") for line in lines if line.strip())}
    sheet = xlrd.open_workbook(path).sheet_by_index(0)
    wanted = {box_cell(n, generations): text for n, text in expected.items()}
    found = {(r, c): sheet.cell_value(r, c) for r in range(3, sheet.nrows) for c in range(sheet.ncols)
             if sheet.cell_value(r, c) != ""}
    faults = [f"{cell}: {found.get(cell)!r}, not {text!r}" for cell, text in wanted.items() if found.get(cell) != text]
    faults += [f"{cell}: unexpected {text!r}" for cell, text in found.items() if cell not in wanted]
    for fault in faults:
        print(f"FAIL: {fault}")
    if faults:
        sys.exit(1)
    print(f"OK: {path}: {len(wanted)} box texts")


if __name__ == "__main__":
    main()
