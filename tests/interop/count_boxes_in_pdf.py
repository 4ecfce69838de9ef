#!/usr/bin/python3
"""Checks that the first page of a chart's PDF shows its boxes in place: the
lime boxes, found in a rendering of the page (pdftoppm), stand in one column
for each generation, left to right, 2^(G-1) boxes in the first down to one
in the last, each column's boxes lined up and evenly spaced.

Usage: count_boxes_in_pdf.py FILE.pdf GENERATIONS
"""
import subprocess
import sys


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def page_pixels(path):
    """The first page at 50 dots an inch: width, height and RGB bytes (a binary PPM)."""
    ppm = subprocess.run(["pdftoppm", "-r", "50", "-f", "1", "-l", "1", path],
                         check=True, capture_output=True).stdout
    fields, at = [], 0
    while len(fields) < 4:  # magic, width, height, maximum value
        while ppm[at:at + 1].isspace():
            at += 1
        end = at
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[at:end])
        at = end
    if fields[0] != b"P6":
        fail("pdftoppm gave no binary PPM")
    return int(fields[1]), int(fields[2]), ppm[at + 1:]


def boxes(width, height, rgb):
    """Bounding boxes of the areas of lime (153, 204, 0), four-connected."""
    lime = bytearray(width * height)
    for i in range(width * height):
        r, g, b = rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]
        lime[i] = 120 <= r <= 185 and 175 <= g <= 230 and b <= 70
    found = []
    for start in range(width * height):
        if not lime[start]:
            continue
        lime[start] = 0
        stack, left, top, right, bottom = [start], width, height, 0, 0
        while stack:
            i = stack.pop()
            x, y = i % width, i // width
            left, top, right, bottom = min(left, x), min(top, y), max(right, x), max(bottom, y)
            for j in (i - 1 if x else -1, i + 1 if x + 1 < width else -1, i - width, i + width):
                if 0 <= j < width * height and lime[j]:
                    lime[j] = 0
                    stack.append(j)
        if right - left >= 4:  # not a stray pixel of anti-aliasing
            found.append((left, top, right, bottom))
    return found


def main():
    path, generations = sys.argv[1], int(sys.argv[2])
    found = boxes(*page_pixels(path))
    # Boxes whose left edges lie within a few pixels of each other share a column.
    columns = []
    for box in sorted(found):
        if columns and box[0] - columns[-1][-1][0] <= 4:
            columns[-1].append(box)
        else:
            columns.append([box])
    counts = [len(column) for column in columns]
    expected = [1 << (generations - 1 - k) for k in range(generations)]
    if counts != expected:
        fail(f"{path}: boxes per column {counts}, expected {expected}")
    for column in columns:
        tops = sorted(box[1] for box in column)
        steps = {b - a for a, b in zip(tops, tops[1:])}
        if steps and max(steps) - min(steps) > 2:
            fail(f"{path}: boxes of one column unevenly spaced: {tops}")
    print(f"OK: {path}: {len(found)} boxes, {counts} per column")


if __name__ == "__main__":
    main()
