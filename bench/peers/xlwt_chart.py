#!/usr/bin/python3
"""The peer of the .xls benchmark: the same chart written with python3-xlwt.

Usage: xlwt_chart.py GENERATIONS OUTPUT.xls
"""
import sys

import xlwt


def style(fill=False, left=False, top=False, bottom=False, right=False):
    s = xlwt.XFStyle()
    s.font.name = "Tahoma"
    b = xlwt.Borders()
    b.left, b.top, b.bottom, b.right = (xlwt.Borders.THIN if e else xlwt.Borders.NO_LINE
                                        for e in (left, top, bottom, right))
    s.borders = b
    if fill:
        p = xlwt.Pattern()
        p.pattern = xlwt.Pattern.SOLID_PATTERN
        p.pattern_fore_colour = 50
        s.pattern = p
    return s


def main():
    generations, path = int(sys.argv[1]), sys.argv[2]
    book = xlwt.Workbook()
    sheet = book.add_sheet("Sheet1")
    title = xlwt.easyxf("font: name Tahoma, height 400, colour_index 23; align: horiz left")
    line = xlwt.easyxf("font: name Tahoma, height 220; align: horiz left")
    sheet.write_merge(1, 1, 1, 5, "Family Tree for Halvarsen", title)
    sheet.write_merge(2, 2, 1, 5, f"{generations} Generations", line)
    sheet.col(0).width = 694
    for c in range(1, 6):
        sheet.col(c).width = 6326
    box, connector = style(True, True, True, True, True), style(right=True)
    for k in range(generations):
        col, first, spacing = 1 + k, (1 << k) + 3, 2 << k
        last = first + ((1 << (generations - 1 - k)) - 1) * spacing
        for row in range(first, last + 1):
            sheet.write(row, col, None, box if (row - first) % spacing == 0 else connector)
    book.save(path)


if __name__ == "__main__":
    main()
