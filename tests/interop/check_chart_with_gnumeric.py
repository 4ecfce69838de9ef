#!/usr/bin/python3
"""Checks a chart as Gnumeric read it (its own XML file, which ssconvert
wrote): the title and generation line merged over B to F, lime fills on
exactly the box cells, every box edged, and the page set-up: A4 landscape,
one page wide.

Usage: check_chart_with_gnumeric.py FILE.gnumeric GENERATIONS ROOT_NAME
"""
import gzip
import sys
import xml.etree.ElementTree as ET

NS = {"gnm": "http://www.gnumeric.org/v10.dtd"}
LIME = "9999:CCCC:0"


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def main():
    path, generations, root = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with open(path, "rb") as f:
        data = f.read()
    sheet = ET.fromstring(gzip.decompress(data) if data[:2] == b"\x1f\x8b" else data).find(".//gnm:Sheet", NS)
    texts = {(int(c.get("Row")), int(c.get("Col"))): c.text for c in sheet.iterfind(".//gnm:Cell", NS)}
    if texts.get((1, 1)) != f"Family Tree for {root}" or texts.get((2, 1)) != f"{generations} Generations":
        fail(f"title and generation line {texts.get((1, 1))!r}, {texts.get((2, 1))!r}")
    merges = sorted(m.text for m in sheet.iterfind(".//gnm:Merge", NS))
    if merges != ["B2:F2", "B3:F3"]:
        fail(f"merged {merges}")

    last_row = (1 << generations) + 3
    filled, edged = set(), set()
    for region in sheet.iterfind(".//gnm:StyleRegion", NS):
        style = region.find("gnm:Style", NS)
        rows = range(int(region.get("startRow")), min(int(region.get("endRow")), last_row) + 1)
        cols = range(int(region.get("startCol")), min(int(region.get("endCol")), 16) + 1)
        cells = {(r, c) for r in rows for c in cols}
        if style.get("Shade") == "1" and style.get("Back") == LIME:
            filled |= cells
        border = style.find("gnm:StyleBorder", NS)
        if border is not None and all(border.find(f"gnm:{edge}", NS) is not None
                                      for edge in ("Top", "Bottom", "Left", "Right")):
            edged |= cells
    boxes = {((1 << k) + 3 + b * (2 << k), 1 + k)
             for k in range(generations) for b in range(1 << (generations - 1 - k))}
    if filled != boxes:
        fail(f"{len(filled)} filled cells, {len(boxes)} boxes: {sorted(filled ^ boxes)[:5]}")
    if not boxes <= edged:
        fail(f"boxes without their four edges: {sorted(boxes - edged)[:5]}")

    info = sheet.find("gnm:PrintInformation", NS)
    scale = info.find("gnm:Scale", NS)
    page = (info.findtext("gnm:orientation", None, NS), info.findtext("gnm:paper", None, NS), scale.get("type"),
            scale.get("cols"), scale.get("rows"))
    if page != ("landscape", "iso_a4", "size_fit", "1", "0"):
        fail(f"page set-up {page}")
    print(f"OK: {path}: {len(boxes)} boxes")


if __name__ == "__main__":
    main()
