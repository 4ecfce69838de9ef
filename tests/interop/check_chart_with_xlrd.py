#!/usr/bin/python3
"""Reads a chart workbook with xlrd, a reader no one here wrote, and checks
everything the chart shows: merged title and generation line, their texts and
fonts, fills on exactly the box cells, the box edges and connector lines,
column widths, row heights and the palette's colours.

Usage: check_chart_with_xlrd.py FILE.xls GENERATIONS ROOT_NAME [--fitted]
With --fitted the box columns may have grown to their texts, never narrowed.
"""
import sys

import xlrd

GREY = (128, 128, 128)
LIME = (153, 204, 0)
THIN = 1


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def main():
    path, generations, root = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    fitted = "--fitted" in sys.argv[4:]
    book = xlrd.open_workbook(path, formatting_info=True)
    expect(book.biff_version == 80, f"BIFF version {book.biff_version}, not 8")
    sheet = book.sheet_by_index(0)

    def xf(row, col):
        return book.xf_list[sheet.cell_xf_index(row, col)]

    def font(row, col):
        return book.font_list[xf(row, col).font_index]

    # Title and generation line, merged over B to F (0-based rows 1 and 2).
    expect(sorted(sheet.merged_cells) == [(1, 2, 1, 6), (2, 3, 1, 6)], f"merged {sheet.merged_cells}")
    expect(sheet.cell_value(1, 1) == f"Family Tree for {root}", repr(sheet.cell_value(1, 1)))
    expect(sheet.cell_value(2, 1) == f"{generations} Generations", repr(sheet.cell_value(2, 1)))
    title, line = font(1, 1), font(2, 1)
    expect((title.name, title.height) == ("Tahoma", 400), f"title font {title.name} {title.height}")
    expect(book.colour_map[title.colour_index] == GREY, f"title colour {title.colour_index}")
    expect((line.name, line.height) == ("Tahoma", 220), f"line font {line.name} {line.height}")
    for col in range(1, 6):
        expect(xf(1, col).alignment.hor_align == 1 and xf(2, col).alignment.hor_align == 1, "left aligned")
        expect(font(1, col).height == 400, f"merged title cell {col} has the title's format")

    # Every column carries the sheet's font, also where no cell is stored.
    for col in range(0, 256):
        info = sheet.colinfo_map.get(col)
        expect(info is not None and book.font_list[book.xf_list[info.xf_index].font_index].name == "Tahoma",
               f"column {col} font")
    widths = [sheet.colinfo_map[c].width for c in range(0, 6)]
    if fitted:
        expect(widths[0] == 694 and all(w >= 6326 for w in widths[1:]), f"column widths {widths}")
    else:
        expect(widths == [694] + [6326] * 5, f"column widths {widths}")
    expect(sheet.rowinfo_map[1].height >= 500, f"title row height {sheet.rowinfo_map[1].height}")
    # No row height is set by hand: a spreadsheet fits the rows again when their fonts change.
    for row, info in sorted(sheet.rowinfo_map.items()):
        expect(info.height_mismatch == 0, f"row {row + 1} has its height set by hand")

    # Boxes and connectors, column by column.
    boxes = set()
    for k in range(generations):
        col, first, spacing = 1 + k, (1 << k) + 4 - 1, 2 << k
        for b in range(1 << (generations - 1 - k)):
            boxes.add((first + b * spacing, col))
    filled = set()
    for row in range(sheet.nrows):
        for col in range(sheet.ncols):
            x = xf(row, col)
            if x.background.fill_pattern == 1:
                expect(book.colour_map[x.background.pattern_colour_index] == LIME, f"fill colour at {row},{col}")
                filled.add((row, col))
    expect(filled == boxes, f"{len(filled)} filled cells, {len(boxes)} boxes")
    for (row, col) in boxes:
        border = xf(row, col).border
        expect((border.left_line_style, border.top_line_style, border.bottom_line_style, border.right_line_style)
               == (THIN, THIN, THIN, THIN), f"box edges at {row},{col}")
    for k in range(generations):
        col, first, spacing = 1 + k, (1 << k) + 4 - 1, 2 << k
        last = first + ((1 << (generations - 1 - k)) - 1) * spacing
        for row in range(first, last + 1):
            expect(xf(row, col).border.right_line_style == THIN, f"connector at {row},{col}")
    expect(sheet.nrows == (1 << generations) + 3 if generations else 3, f"rows {sheet.nrows}")
    print(f"OK: {path}: {len(boxes)} boxes")


if __name__ == "__main__":
    main()
