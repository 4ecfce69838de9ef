#!/usr/bin/python3
"""Peak memory of kinloom-chart reading GEDCOM files made to cost memory:
millions of person records with identifiers, without identifiers, and under
one identifier again and again. Each is measured at 200,000 records, beside
Debian's libgedcom-perl reading the same file in the same run, and at
5,000,000 records (the peer would take minutes there) against the bound the
reader keeps: four times the file's size plus 50 MB.

Usage: gedcom_memory.py KINLOOM_CHART [RECORDS]
"""
import os
import sys
import tempfile

from xls_bench import measure

HERE = os.path.dirname(os.path.abspath(__file__))
SHAPES = {
    "identifiers": lambda i: f"0 @I{i}@ INDI\n",
    "no identifier": lambda i: "0 INDI\n",
    "one identifier": lambda i: "0 @I1@ INDI\n",
}


def write_file(path, shape, records):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write("0 HEAD\n")
        line = SHAPES[shape]
        for start in range(1, records + 1, 100_000):
            out.write("".join(line(i) for i in range(start, min(records, start + 99_999) + 1)))
        out.write("0 TRLR\n")


def main():
    kinloom = sys.argv[1]
    large = int(sys.argv[2]) if len(sys.argv) > 2 else 5_000_000
    peer = ["/usr/bin/perl", os.path.join(HERE, "peers", "gedcom_walk.pl")]
    print(f"{'file':15} {'records':>9} {'file MB':>8} {'peak MB':>8} {'bound MB':>9} {'peer MB':>8} ratio")
    with tempfile.TemporaryDirectory() as work:
        ged, book = os.path.join(work, "tree.ged"), os.path.join(work, "chart.xls")
        for shape in SHAPES:
            for records in (200_000, large):
                write_file(ged, shape, records)
                size = os.path.getsize(ged) / 2**20
                ours = measure([kinloom, "--gedcom", ged, "--output", book])[1]
                bound = 4 * size + 50
                theirs, ratio = "", ""
                if records == 200_000:
                    peak = measure(peer + [ged, "I1", "10"])[1]
                    theirs, ratio = f"{peak:8.1f}", f"{peak / ours:.1f}x"
                verdict = "" if ours <= bound else "  OVER THE BOUND"
                print(f"{shape:15} {records:9d} {size:8.1f} {ours:8.1f} {bound:9.1f} {theirs:>8} {ratio}{verdict}")


if __name__ == "__main__":
    main()
