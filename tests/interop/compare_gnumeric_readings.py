#!/usr/bin/python3
"""Compares what Gnumeric read from the same chart in two formats (its own
XML files, which ssconvert wrote): the .xls is the reference, and the other
must show the same in every cell of the chart: its text, font (face, size,
bold, italic, underline), colours, fill, every border edge's line and
colour, and alignment; the merged areas, each column's width and each row's
height (to a point, as the formats store lengths in different units), and
how the page prints (a hidden column or row is no wide or high).

Usage: compare_gnumeric_readings.py REFERENCE.gnumeric OTHER.gnumeric
"""
import gzip
import sys
import xml.etree.ElementTree as ET

NS = {"gnm": "http://www.gnumeric.org/v10.dtd"}
EDGES = ("Top", "Bottom", "Left", "Right")
TOLERANCE_POINTS = 1.0


def sheet_of(path):
    with open(path, "rb") as f:
        data = f.read()
    return ET.fromstring(gzip.decompress(data) if data[:2] == b"\x1f\x8b" else data).find(".//gnm:Sheet", NS)


def look(style):
    font = style.find("gnm:Font", NS)
    border = style.find("gnm:StyleBorder", NS)
    edges = {}
    for edge in EDGES:
        line = border.find(f"gnm:{edge}", NS) if border is not None else None
        edges[edge] = (line.get("Style"), line.get("Color")) if line is not None and line.get("Style") != "0" else None
    shaded = style.get("Shade") != "0"
    return {
        "align": (style.get("HAlign"), style.get("VAlign"), style.get("WrapText")),
        "font": (font.text, float(font.get("Unit")), font.get("Bold"), font.get("Italic"), font.get("Underline"),
                 style.get("Fore")),
        "fill": (style.get("Shade"), style.get("Back"), style.get("PatternColor")) if shaded else None,
        "borders": edges,
    }


class Reading:
    def __init__(self, path):
        sheet = sheet_of(path)
        self.path = path
        self.texts = {(int(c.get("Row")), int(c.get("Col"))): c.text for c in sheet.iterfind(".//gnm:Cell", NS)}
        self.regions = [(int(r.get("startRow")), int(r.get("endRow")), int(r.get("startCol")), int(r.get("endCol")),
                         look(r.find("gnm:Style", NS))) for r in sheet.iterfind(".//gnm:StyleRegion", NS)]
        self.merges = sorted(m.text for m in sheet.iterfind(".//gnm:Merge", NS))
        self.widths = self.sizes(sheet.find("gnm:Cols", NS), "ColInfo")
        self.heights = self.sizes(sheet.find("gnm:Rows", NS), "RowInfo")
        info = sheet.find("gnm:PrintInformation", NS)
        scale = info.find("gnm:Scale", NS)
        self.page = (info.findtext("gnm:orientation", None, NS), info.findtext("gnm:paper", None, NS),
                     scale.get("type"), scale.get("cols"), scale.get("rows"),
                     info.find("gnm:grid", NS).get("value"))

    @staticmethod
    def sizes(element, tag):
        default = float(element.get("DefaultSizePts"))
        sizes = {}
        for info in element.iterfind(f"gnm:{tag}", NS):
            for k in range(int(info.get("Count", "1"))):
                sizes[int(info.get("No")) + k] = 0.0 if info.get("Hidden") == "1" else float(info.get("Unit"))
        return default, sizes

    def look_at(self, row, col):
        for top, bottom, left, right, found in self.regions:
            if top <= row <= bottom and left <= col <= right:
                return found
        return None

    def size(self, sizes, k):
        default, listed = sizes
        return listed.get(k, default)


def compare(reference, other):
    problems = []
    if other.merges != reference.merges:
        problems.append(f"merged {other.merges}, not {reference.merges}")
    if other.page != reference.page:
        problems.append(f"page set-up {other.page}, not {reference.page}")
    # The rows and columns that hold something or have a size of their own.
    last_row = max([r for r, _ in reference.texts] + list(reference.heights[1]))
    last_col = max([c for _, c in reference.texts] + list(reference.widths[1]))
    for row in range(last_row + 1):
        if abs(other.size(other.heights, row) - reference.size(reference.heights, row)) > TOLERANCE_POINTS:
            problems.append(f"row {row + 1}: {other.size(other.heights, row)} points high, "
                            f"not {reference.size(reference.heights, row)}")
    for col in range(last_col + 1):
        if abs(other.size(other.widths, col) - reference.size(reference.widths, col)) > TOLERANCE_POINTS:
            problems.append(f"column {col + 1}: {other.size(other.widths, col)} points wide, "
                            f"not {reference.size(reference.widths, col)}")
    for row in range(last_row + 1):
        for col in range(last_col + 1):
            if other.texts.get((row, col)) != reference.texts.get((row, col)):
                problems.append(f"R{row + 1}C{col + 1}: {other.texts.get((row, col))!r}, "
                                f"not {reference.texts.get((row, col))!r}")
            found, expected = other.look_at(row, col), reference.look_at(row, col)
            if found != expected:
                problems.append(f"R{row + 1}C{col + 1}: {found}, not {expected}")
    return problems


def main():
    reference, other = Reading(sys.argv[1]), Reading(sys.argv[2])
    problems = compare(reference, other)
    if problems:
        print(f"FAIL: {other.path} does not read as {reference.path}:")
        for problem in problems[:20]:
            print("  " + problem)
        if len(problems) > 20:
            print(f"  ... and {len(problems) - 20} more")
        sys.exit(1)
    print(f"OK: {other.path} reads as {reference.path}")


if __name__ == "__main__":
    main()
