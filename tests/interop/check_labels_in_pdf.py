#!/usr/bin/python3
"""Checks a filled chart as LibreOffice prints it: every label whole on one
line of the PDF's text (pdftotext), and, in the pages drawn as bitmaps
(pdftoppm), no text running on past a box's right edge.

Usage: check_labels_in_pdf.py CHART.pdf LABELS.txt   (one label a line)
"""
import glob
import os
import re
import subprocess
import sys
import tempfile


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def overflows(path):
    """The pixel rows of boxes looked at, and where text on white follows a box's right edge."""
    with open(path, "rb") as f:
        magic, width, height, _, pixels = f.read().split(maxsplit=4)
    width, height, stride = int(width), int(height), 3 * int(width)

    def pixel(y, x):
        return tuple(pixels[y * stride + 3 * x:y * stride + 3 * x + 3])

    # A box's right edge: where a row of its lime fill ends in a dark line
    # with the sheet's white past it (rows without text there).
    edges = {}
    for y in range(height):
        for run in re.finditer(rb"(?:\x99\xcc\x00){8,}", pixels[y * stride:(y + 1) * stride]):
            x, border = run.end() // 3, 0
            while run.start() % 3 == 0 and x < width and border < 5 and max(pixel(y, x)) < 110:
                x, border = x + 1, border + 1
            if 0 < border < 5 and x < width and min(pixel(y, x)) > 200:
                edges.setdefault((x, x - border - 1), []).append(y)
    seen, faults = 0, []
    for (x, inside), rows in edges.items():
        # The rows of one box, its text rows between them included.
        clusters = [[rows[0], rows[0]]]
        for y in rows[1:]:
            if y - clusters[-1][1] > 16:
                clusters.append([y, y])
            clusters[-1][1] = y
        for first, last in clusters:
            marked = set()
            for y in range(first, last + 1):
                if min(pixel(y, inside)) > 200:
                    continue  # between two boxes of the column
                seen += 1
                # Text on white is grey and leaves white between its strokes;
                # the edge of the next column's box is a line, dark all along.
                past = [pixel(y, x + i) for i in range(10) if x + i < width]
                if any(min(p) < 200 and max(p) - min(p) < 40 for p in past) and any(min(p) > 200 for p in past):
                    marked.add(y)
            # A line of text covers several rows; the tops of the next box's
            # letters, standing above its edge, one.
            faults += [(x, y) for y in marked if y + 1 in marked and (y + 2 in marked or y - 1 in marked)]
    return seen, faults


def main():
    pdf, labels_path = sys.argv[1:3]
    with open(labels_path, encoding="utf-8") as f:
        labels = [line.rstrip("\n") for line in f if line.strip()]
    lines = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True).stdout.decode()
    cut = [label for label in labels if not any(label in line for line in lines.splitlines())]
    if cut:
        fail(f"{len(cut)} of {len(labels)} labels not whole on one line, first: {cut[0]!r}")
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["pdftoppm", "-r", "150", pdf, os.path.join(work, "page")], check=True)
        seen, faults = 0, []
        for page in sorted(glob.glob(os.path.join(work, "page*.ppm"))):
            rows, found = overflows(page)
            seen += rows
            faults += [(os.path.basename(page), x, y) for x, y in found]
    if seen < 5 * len(labels):
        fail(f"only {seen} pixel rows of boxes found in the pages for {len(labels)} labels")
    if faults:
        fail(f"text runs past a box's right edge on {len(faults)} pixel rows, first at {faults[0]}")
    print(f"OK: {len(labels)} labels whole on one line, nothing past a box's right edge in {seen} pixel rows")


if __name__ == "__main__":
    main()
