#!/usr/bin/python3
"""Writes the Excel 97-2003 workbooks the reader tests open, made with xlwt
so that they come from a writer other than ours. The workbooks are committed
beside this script; remake-samples.sh runs it again.

Usage: make_xlwt_samples.py OUTPUT_FOLDER
"""
import os
import sys

import xlwt

# Enough distinct text that the shared string table runs past one record
# (8,224 bytes) and goes on in CONTINUE records, some of it split mid-string.
LONG_LATIN = "Ahnentafel " * 1200             # 13,200 compressed characters
LONG_MIXED = "Stammbaum Ωμέγα 家系図 " * 500   # uncompressed UTF-16
ANCESTORS = ["Vorfahr %d – Ærø Ødegård Śląsk" % i for i in range(300)]


def save(book, folder, name):
    """The workbook, and its bare workbook stream beside it as NAME.stream."""
    book.save(os.path.join(folder, name + ".xls"))
    with open(os.path.join(folder, name + ".stream"), "wb") as raw:
        raw.write(book.get_biff_data())


def formatted(folder):
    book = xlwt.Workbook(encoding="utf-8")
    book.add_sheet("Notes").write(0, 0, "not the active sheet")
    sheet = book.add_sheet("Stammbaum")
    book.active_sheet = 1

    title = xlwt.easyxf("font: name Tahoma, height 400, colour_index 23")
    box = xlwt.easyxf("font: name Tahoma, height 220; pattern: pattern solid, fore_colour 50;"
                      "borders: left thin, top thin, bottom thin, right thin; align: horiz left")
    line = xlwt.easyxf("borders: left thin")

    sheet.write_merge(1, 1, 1, 5, "Family Tree for Halvarsen – 家系図", title)
    sheet.write(2, 1, LONG_LATIN)
    sheet.write(3, 1, LONG_MIXED)
    for i, name in enumerate(ANCESTORS):
        sheet.write(10 + i, 2, name)
    # Four formatted empty cells in a row: a MULBLANK run.
    for column in range(2, 6):
        sheet.write(5, column, None, box)
    sheet.write(6, 3, None, line)
    sheet.write(7, 1, 42)
    sheet.write(7, 2, 2.5)
    sheet.write(7, 3, True)
    sheet.write_rich_text(8, 1, ["rich ", ("text", xlwt.easyfont("bold true"))])
    sheet.col(0).width = 694     # 2 characters
    sheet.col(1).width = 6326    # 24 characters
    save(book, folder, "formatted")


def sheet_wide(folder):
    """Every column carries one format, as a whole-sheet font is stored; one
    column has a format of its own and one a width of its own."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    tahoma = xlwt.easyxf("font: name Tahoma")
    grey = xlwt.easyxf("font: name Tahoma, colour_index 23")
    for column in range(256):
        sheet.col(column).set_style(grey if column == 2 else tahoma)
        sheet.col(column).width = 694 if column == 0 else 2340  # 2340: the standard 8.43
    sheet.write(0, 0, "x", tahoma)
    save(book, folder, "sheetwide")


def small(folder):
    """A little of everything in a few kilobytes: a quick seed for the fuzzer."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Tree")
    box = xlwt.easyxf("font: name Tahoma, height 220, colour_index 23; pattern: pattern solid, fore_colour 50;"
                      "borders: left thin, top thin, bottom thin, right dashed; align: horiz left")
    sheet.write_merge(0, 0, 0, 3, "Family Tree for Ødegård", xlwt.easyxf("font: name Tahoma, height 400"))
    sheet.write(1, 0, "Ωμέγα 家系図")
    for column in range(1, 4):
        sheet.write(2, column, None, box)
    sheet.write(3, 0, 7)
    sheet.write(3, 1, -0.25)
    sheet.write(3, 2, False)
    sheet.write(3, 3, xlwt.Formula("A4*2"))
    sheet.write_rich_text(4, 0, ["a", ("b", xlwt.easyfont("italic true"))])
    sheet.col(0).width = 694
    sheet.col(2).set_style(box)
    save(book, folder, "small")


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    formatted(folder)
    sheet_wide(folder)
    small(folder)


if __name__ == "__main__":
    main()
