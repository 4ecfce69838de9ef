#!/usr/bin/python3
"""Checks a filled chart as LibreOffice prints it: every label whole on one
line of the PDF's text (pdftotext), and, in the pages drawn as bitmaps
(pdftoppm), no text running on past a box's right edge.

Usage: check_labels_in_pdf.py CHART.pdf LABELS.txt
LABELS.txt holds one label a line.
"""
import re
import subprocess
import sys
import tempfile
import glob
import os

LIME = b"\x99\xcc\x00"


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    # P6, width, height, maxval, each after white space.
    parts = data.split(maxsplit=4)
    if parts[0] != b"P6":
        fail(f"{path} is not a PPM bitmap")
    width, height = int(parts[1]), int(parts[2])
    pixels = parts[4]
    return width, height, pixels


def overflows(path):
    """The pixel rows of boxes checked, and where text on white follows a box's edge."""
    width, height, pixels = read_ppm(path)
    stride = 3 * width

    def pixel(y, x):
        at = y * stride + 3 * x
        return pixels[at], pixels[at + 1], pixels[at + 2]

    def dark(p):
        return max(p) < 110

    def text_on_white(p):  # not white, and not the lime of a box or its text
        return min(p) < 200 and max(p) - min(p) < 40

    # A box's right edge: where a row of its fill ends in a dark line with
    # the sheet's white past it (rows without text there).
    edges = {}
    for y in range(height):
        line = pixels[y * stride:(y + 1) * stride]
        for run in re.finditer(rb"(?:\x99\xcc\x00){8,}", line):
            if run.start() % 3:
                continue
            x = run.end() // 3
            border = 0
            while x < width and border < 5 and dark(pixel(y, x)):
                x, border = x + 1, border + 1
            if 0 < border < 5 and x < width and min(pixel(y, x)) > 200:
                edges.setdefault((x, x - border - 1), []).append(y)
    # Every row of each box, its text rows too, past that edge.
    faults, seen = [], 0
    for (x, inside), rows in edges.items():
        clusters, first, last = [], rows[0], rows[0]
        for y in rows[1:]:
            if y - last > 16:
                clusters.append((first, last))
                first = y
            last = y
        clusters.append((first, last))
        for first, last in clusters:
            marked = []
            for y in range(first, last + 1):
                if min(pixel(y, inside)) > 200:
                    continue  # between two boxes of the column
                seen += 1
                # Text leaves white between its strokes; the edge of the
                # next column's box is a line, dark all along.
                past = [pixel(y, x + i) for i in range(0, 10) if x + i < width]
                if any(map(text_on_white, past)) and any(min(p) > 200 for p in past):
                    marked.append(y)
            # A line of text runs over several rows; the tops of the next
            # box's letters, standing above its edge, over one.
            faults += [(x, y) for y in marked if y + 1 in marked and (y + 2 in marked or y - 1 in marked)]
    return seen, faults


def main():
    pdf, labels_path = sys.argv[1], sys.argv[2]
    with open(labels_path, encoding="utf-8") as f:
        labels = [line.rstrip("\n") for line in f if line.strip()]
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True).stdout.decode()
    lines = text.splitlines()
    cut = [label for label in labels if not any(label in line for line in lines)]
    if cut:
        fail(f"{len(cut)} of {len(labels)} labels not whole on one line, first: {cut[0]!r}")

    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["pdftoppm", "-r", "150", pdf, os.path.join(work, "page")], check=True)
        edges, faults = 0, []
        for page in sorted(glob.glob(os.path.join(work, "page*.ppm"))):
            seen, found = overflows(page)
            edges += seen
            faults += [(os.path.basename(page), x, y) for x, y in found]
    if edges < 5 * len(labels):
        fail(f"only {edges} pixel rows of boxes found in the pages for {len(labels)} labels")
    if faults:
        fail(f"text runs past a box's right edge on {len(faults)} pixel rows, first at {faults[0]}")
    print(f"OK: {len(labels)} labels whole on one line, nothing past a box's right edge in {edges} pixel rows")


if __name__ == "__main__":
    main()
