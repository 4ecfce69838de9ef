#!/usr/bin/python3
"""Whole-process benchmark of a chart filled from a GEDCOM file: a generated
file of 100,000 people (names with diacritics, every record with birth and
death dates, about 25 MB), read and a 10-generation filled chart written by
kinloom-chart, against Debian's libgedcom-perl reading the same file and
walking the same ancestors. Prints medians of wall and CPU time, peak memory,
and the ratio.

Usage: gedcom_bench.py KINLOOM_CHART [RUNS]
"""
import os
import statistics
import sys
import tempfile

from xls_bench import measure

HERE = os.path.dirname(os.path.abspath(__file__))
PEOPLE = 100_000
GENERATIONS = 10

GIVEN = ["Åse", "Bjørn", "Søren", "Märta", "Jürgen", "Zoë", "François", "Dóra", "Łucja", "Ingrid", "Håkon", "Çelik"]
SURNAMES = ["Ødegård", "Hansdotter", "Müller", "Šimková", "Åberg", "Nuñez", "Lefèvre", "Kovács", "Øster", "Berg"]
MONTHS = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]
PLACES = ["Vågå, Oppland, Norge", "Malmö, Skåne, Sverige", "Köln, Nordrhein-Westfalen, Deutschland",
          "Besançon, Doubs, France", "Győr, Győr-Moson-Sopron, Magyarország"]


def write_file(path):
    """Person i's parents are 2i and 2i + 1, so the first person has a full pedigree."""
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("0 HEAD\n1 SOUR Kinloom benchmark\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n")
        for i in range(1, PEOPLE + 1):
            born = 2000 - 25 * i.bit_length() - i % 13
            out.write(f"0 @I{i}@ INDI\n1 NAME {GIVEN[i % len(GIVEN)]} {GIVEN[(i * 7) % len(GIVEN)]} "
                      f"/{SURNAMES[(i // 2) % len(SURNAMES)]}/\n1 SEX {'M' if i % 2 == 0 else 'F'}\n"
                      f"1 BIRT\n2 DATE {1 + i % 28} {MONTHS[i % 12]} {born}\n2 PLAC {PLACES[i % len(PLACES)]}\n"
                      f"1 DEAT\n2 DATE {1 + i % 27} {MONTHS[(i * 5) % 12]} {born + 40 + i % 50}\n"
                      f"2 PLAC {PLACES[(i + 2) % len(PLACES)]}\n")
            if 2 * i + 1 <= PEOPLE:
                out.write(f"1 FAMC @F{i}@\n")
            if i > 1:
                out.write(f"1 FAMS @F{i // 2}@\n")
        for i in range(1, PEOPLE // 2 + 1):
            if 2 * i + 1 <= PEOPLE:
                out.write(f"0 @F{i}@ FAM\n1 HUSB @I{2 * i}@\n1 WIFE @I{2 * i + 1}@\n1 CHIL @I{i}@\n")
        out.write("0 TRLR\n")


def main():
    kinloom = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as work:
        ged = os.path.join(work, "people.ged")
        write_file(ged)
        print(f"{PEOPLE} people, {os.path.getsize(ged) / 1e6:.1f} MB, {GENERATIONS} generations")
        ours_command = [kinloom, "--gedcom", ged, "--person", "@I1@", "--generations", str(GENERATIONS),
                        "--output", os.path.join(work, "chart.xls")]
        peer_command = ["/usr/bin/perl", os.path.join(HERE, "peers", "gedcom_walk.pl"), ged, "I1", str(GENERATIONS)]
        ours = [measure(ours_command) for _ in range(runs)]
        theirs = [measure(peer_command) for _ in range(max(1, runs // 2))]
        print(f"{'program':22} {'median s':>9} {'CPU s':>7} {'peak MB':>8}")
        for name, samples in (("kinloom-chart", ours), ("libgedcom-perl peer", theirs)):
            print(f"{name:22} {statistics.median(s[0] for s in samples):9.3f} "
                  f"{statistics.median(s[2] for s in samples):7.3f} {max(s[1] for s in samples):8.1f}")
        ratio = statistics.median(s[0] for s in theirs) / statistics.median(s[0] for s in ours)
        print(f"peer/kinloom-chart = {ratio:.1f}x (target: at most 0.5 s and 300 MB)")


if __name__ == "__main__":
    main()
