#!/usr/bin/python3
"""Reads the same chart from its .xls with xlrd and from its .xlsx with
openpyxl, two readers no one here wrote, and checks that they find the same
chart: every cell's value, font, fill, borders and alignment (a cell the
.xlsx leaves out shows its column's format, as in the .xls; of a cell a
merged area covers, openpyxl keeps only the borders), the merged
areas, the column widths, the row heights and the page set-up.

Usage: check_xlsx_against_xls.py FILE.xls FILE.xlsx
"""
import sys

import openpyxl
import xlrd
from openpyxl.cell.cell import MergedCell
from openpyxl.utils import get_column_letter

# xlrd's border line codes and openpyxl's names for them.
LINES = {0: None, 1: "thin", 2: "medium", 3: "dashed", 4: "dotted", 5: "thick", 6: "double", 7: "hair",
         8: "mediumDashed", 9: "dashDot", 10: "mediumDashDot", 11: "dashDotDot", 12: "mediumDashDotDot",
         13: "slantDashDot"}
ALIGNMENTS = {0: None, 1: "left", 2: "center", 3: "right", 4: "fill", 5: "justify", 6: "centerContinuous",
              7: "distributed"}


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def rgb(colour):
    """An openpyxl colour as (r, g, b), or None for automatic."""
    if colour is None or colour.type != "rgb" or colour.rgb in (None, "00000000"):
        return None
    return tuple(int(colour.rgb[i:i + 2], 16) for i in (2, 4, 6))


def xls_look(book, xf):
    font = book.font_list[xf.font_index]
    fill = (book.colour_map.get(xf.background.pattern_colour_index)
            if xf.background.fill_pattern == 1 else None)
    colour = book.colour_map.get(font.colour_index)
    border = xf.border
    return {
        "font": (font.name, font.height / 20, colour if colour != (0, 0, 0) or font.colour_index < 0x7FFF else None),
        "fill": fill,
        "borders": tuple(LINES[s] for s in (border.left_line_style, border.top_line_style,
                                            border.bottom_line_style, border.right_line_style)),
        "align": ALIGNMENTS[xf.alignment.hor_align],
    }


def xlsx_look(styled):
    fill = styled.fill
    return {
        "font": (styled.font.name, styled.font.sz, rgb(styled.font.color)),
        "fill": rgb(fill.fgColor) if fill.fill_type == "solid" else None,
        "borders": tuple(getattr(styled.border, edge).style for edge in ("left", "top", "bottom", "right")),
        "align": styled.alignment.horizontal,
    }


def main():
    xls_path, xlsx_path = sys.argv[1], sys.argv[2]
    book = xlrd.open_workbook(xls_path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    workbook = openpyxl.load_workbook(xlsx_path)
    ws = workbook.worksheets[0]
    if ws.title != sheet.name:
        fail(f"sheet {ws.title!r}, not {sheet.name!r}")

    columns = {}
    for dimension in ws.column_dimensions.values():
        for c in range(dimension.min or 0, (dimension.max or 0) + 1):
            columns[c] = dimension
    for c in range(256):
        info = sheet.colinfo_map.get(c)
        dimension = columns.get(c + 1)
        if (info is None) != (dimension is None):
            fail(f"column {c + 1}: .xls {'has' if info else 'lacks'} its own width and format, .xlsx not")
        if info and abs(info.width / 256 - dimension.width) > 1e-9:
            fail(f"column {c + 1}: width {dimension.width}, .xls {info.width / 256}")

    for row, info in sheet.rowinfo_map.items():
        height = ws.row_dimensions[row + 1].height
        if height is None or abs(height - info.height / 20) > 1e-9:
            fail(f"row {row + 1}: height {height}, .xls {info.height / 20}")

    merged = sorted((m.min_row - 1, m.max_row, m.min_col - 1, m.max_col) for m in ws.merged_cells.ranges)
    if merged != sorted(sheet.merged_cells):
        fail(f"merged {merged}, .xls {sorted(sheet.merged_cells)}")

    written = ws._cells
    looks = {}
    for row in range(sheet.nrows):
        for col in range(sheet.ncols):
            key = (row + 1, col + 1)
            cell = written.get(key)
            expected_value = sheet.cell_value(row, col)
            value = cell.value if cell is not None and cell.value is not None else ""
            if value != expected_value:
                fail(f"{get_column_letter(col + 1)}{row + 1}: {value!r}, .xls {expected_value!r}")
            xf_index = sheet.cell_xf_index(row, col)
            styled = cell if cell is not None else columns.get(col + 1)
            if styled is None:
                continue
            style_key = (xf_index, cell.style_id if cell is not None else ("column", col))
            if style_key not in looks:
                looks[style_key] = (xls_look(book, book.xf_list[xf_index]), xlsx_look(styled))
            expected, found = looks[style_key]
            if isinstance(cell, MergedCell):
                # openpyxl keeps only the borders of the cells a merged area covers.
                expected, found = expected["borders"], found["borders"]
            if expected != found:
                fail(f"{get_column_letter(col + 1)}{row + 1}: {found}, .xls {expected}")

    # xlrd does not read the page set-up: the chart's own is expected.
    setup = ws.page_setup
    page = (setup.orientation, str(setup.paperSize), ws.sheet_properties.pageSetUpPr.fitToPage,
            setup.fitToWidth, setup.fitToHeight)
    if page != ("landscape", "9", True, 1, 0):
        fail(f"page set-up {page}, not A4 landscape one page wide")
    print(f"OK: {xlsx_path} reads as {xls_path}: {sheet.nrows} rows, {len(written)} cells, {len(looks)} looks")


if __name__ == "__main__":
    main()
