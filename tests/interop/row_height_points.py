#!/usr/bin/python3
"""Prints the height in points that a flat OpenDocument spreadsheet (.fods)
gives one row of its first sheet.

Usage: row_height_points.py FILE.fods ROW   (ROW counts from 1)
"""
import sys
import xml.etree.ElementTree as ET

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
}
POINTS_PER = {"pt": 1.0, "in": 72.0, "cm": 72 / 2.54, "mm": 72 / 25.4, "pc": 12.0}


def attr(element, prefix, name):
    return element.get(f"{{{NS[prefix]}}}{name}")


def points(length):
    for unit, factor in POINTS_PER.items():
        if length.endswith(unit):
            return float(length[: -len(unit)]) * factor
    raise ValueError(f"unknown length {length}")


def main():
    path, wanted = sys.argv[1], int(sys.argv[2])
    root = ET.parse(path).getroot()
    heights = {}
    for style in root.iter(f"{{{NS['style']}}}style"):
        props = style.find("style:table-row-properties", NS)
        if props is not None and attr(props, "style", "row-height"):
            heights[attr(style, "style", "name")] = points(attr(props, "style", "row-height"))
    sheet = root.find(".//table:table", NS)
    row = 0
    for element in sheet.iter(f"{{{NS['table']}}}table-row"):
        row += int(attr(element, "table", "number-rows-repeated") or 1)
        if row >= wanted:
            print(f"{heights[attr(element, 'table', 'style-name')]:.2f}")
            return
    sys.exit(f"no row {wanted}")


if __name__ == "__main__":
    main()
