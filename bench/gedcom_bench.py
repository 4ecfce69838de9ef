#!/usr/bin/python3
"""Whole-process benchmark of a chart filled from a GEDCOM file.

A generated file of 100,000 people (names with diacritics, every record with
birth and death dates, about 25 MB) is read and a 10-generation filled chart
written by kinloom-chart, against read-gedcom on node and Debian's
libgedcom-perl reading the same file and walking the same ancestors. Runs
are interleaved, and the processor time (user + system) of each run of ours
is set against the peer's run beside it: the ratios' median and range are
printed. Then a file of 1,000,000 people, which neither peer reads within
its memory, is charted by kinloom-chart alone, with its peak memory.

read-gedcom is installed into the build folder by bench/install-read-gedcom.sh
(make bench runs it); a peer whose program is missing is skipped, saying why.
"""
import argparse
import os
import shutil
import statistics
import sys
import tempfile

from xls_bench import measure

HERE = os.path.dirname(os.path.abspath(__file__))
PEOPLE = 100_000
GENERATIONS = 10
TARGET_RATIO = 0.025  # of read-gedcom's processor time
TARGET_LARGE_MB = 120

GIVEN = ["Åse", "Bjørn", "Søren", "Märta", "Jürgen", "Zoë", "François", "Dóra", "Łucja", "Ingrid", "Håkon", "Çelik"]
SURNAMES = ["Ødegård", "Hansdotter", "Müller", "Šimková", "Åberg", "Nuñez", "Lefèvre", "Kovács", "Øster", "Berg"]
MONTHS = ["JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]
PLACES = ["Vågå, Oppland, Norge", "Malmö, Skåne, Sverige", "Köln, Nordrhein-Westfalen, Deutschland",
          "Besançon, Doubs, France", "Győr, Győr-Moson-Sopron, Magyarország"]


def write_file(path, people):
    """Person i's parents are 2i and 2i + 1, so the first person has a full pedigree."""
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("0 HEAD\n1 SOUR Kinloom benchmark\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n")
        for start in range(1, people + 1, 10_000):
            block = []
            for i in range(start, min(people, start + 9_999) + 1):
                born = 2000 - 25 * i.bit_length() - i % 13
                block.append(f"0 @I{i}@ INDI\n1 NAME {GIVEN[i % len(GIVEN)]} {GIVEN[(i * 7) % len(GIVEN)]} "
                             f"/{SURNAMES[(i // 2) % len(SURNAMES)]}/\n1 SEX {'M' if i % 2 == 0 else 'F'}\n"
                             f"1 BIRT\n2 DATE {1 + i % 28} {MONTHS[i % 12]} {born}\n2 PLAC {PLACES[i % len(PLACES)]}\n"
                             f"1 DEAT\n2 DATE {1 + i % 27} {MONTHS[(i * 5) % 12]} {born + 40 + i % 50}\n"
                             f"2 PLAC {PLACES[(i + 2) % len(PLACES)]}\n")
                if 2 * i + 1 <= people:
                    block.append(f"1 FAMC @F{i}@\n")
                if i > 1:
                    block.append(f"1 FAMS @F{i // 2}@\n")
            out.write("".join(block))
        for i in range(1, people // 2 + 1):
            if 2 * i + 1 <= people:
                out.write(f"0 @F{i}@ FAM\n1 HUSB @I{2 * i}@\n1 WIFE @I{2 * i + 1}@\n1 CHIL @I{i}@\n")
        out.write("0 TRLR\n")


def peers(ged, peer_dir):
    """Each peer's command, or the reason it is skipped."""
    found = {}
    node = shutil.which("node")
    walk = os.path.join(peer_dir, "walk.js")
    if not node:
        found["read-gedcom (node)"] = "skipped: node is not installed (Debian package nodejs)"
    elif not os.path.isdir(os.path.join(peer_dir, "node_modules", "read-gedcom")):
        found["read-gedcom (node)"] = f"skipped: read-gedcom is not installed in {peer_dir} (make bench installs it)"
    else:
        found["read-gedcom (node)"] = [node, "--max-old-space-size=5120", walk, ged, "I1", str(GENERATIONS)]
    perl = os.path.join(HERE, "peers", "gedcom_walk.pl")
    if not os.path.exists("/usr/share/perl5/Gedcom.pm"):
        found["libgedcom-perl"] = "skipped: libgedcom-perl is not installed"
    else:
        found["libgedcom-perl"] = ["/usr/bin/perl", perl, ged, "I1", str(GENERATIONS)]
    return found


def compare(name, ours, theirs):
    """Processor-time ratios, ours against the peer's run beside it."""
    ratios = sorted(o[2] / t[2] for o, t in zip(ours, theirs))
    print(f"{name:22} {statistics.median(t[0] for t in theirs):9.3f} {statistics.median(t[2] for t in theirs):7.3f} "
          f"{max(t[1] for t in theirs):8.1f}")
    return f"kinloom-chart/{name}: processor time {statistics.median(ratios):.4f} " \
           f"(from {ratios[0]:.4f} to {ratios[-1]:.4f}, {len(ratios)} pairs)"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("kinloom_chart", metavar="KINLOOM_CHART", help="the kinloom-chart program to measure")
    parser.add_argument("runs", metavar="RUNS", type=int, nargs="?", default=5, help="pairs of runs (default: 5)")
    parser.add_argument("--peer-dir", help="where read-gedcom is installed (default: BUILD/bench/read-gedcom, "
                        "BUILD being the folder above KINLOOM_CHART's)")
    parser.add_argument("--large", type=int, default=1_000_000, metavar="PEOPLE",
                        help="people in the large file charted alone (default: 1000000; 0 leaves it out)")
    args = parser.parse_args()
    build = os.path.dirname(os.path.dirname(os.path.abspath(args.kinloom_chart)))
    peer_dir = args.peer_dir or os.path.join(build, "bench", "read-gedcom")

    with tempfile.TemporaryDirectory() as work:
        ged, book = os.path.join(work, "people.ged"), os.path.join(work, "chart.xls")
        write_file(ged, PEOPLE)
        print(f"{PEOPLE} people, {os.path.getsize(ged) / 1e6:.1f} MB, {GENERATIONS} generations")
        ours_command = [args.kinloom_chart, "--gedcom", ged, "--person", "@I1@", "--generations", str(GENERATIONS),
                        "--output", book]
        commands = peers(ged, peer_dir)
        runnable = {name: command for name, command in commands.items() if isinstance(command, list)}
        ours, theirs = [], {name: [] for name in runnable}
        for _ in range(args.runs):
            for name, command in runnable.items():
                ours.append(measure(ours_command))
                theirs[name].append(measure(command))
        if not runnable:
            ours = [measure(ours_command) for _ in range(args.runs)]
        print(f"{'program':22} {'median s':>9} {'CPU s':>7} {'peak MB':>8}")
        print(f"{'kinloom-chart':22} {statistics.median(s[0] for s in ours):9.3f} "
              f"{statistics.median(s[2] for s in ours):7.3f} {max(s[1] for s in ours):8.1f}")
        lines = []
        for name, command in commands.items():
            if name in runnable:
                # Our runs interleave with every runnable peer's: pair each with its neighbour.
                own = ours[list(runnable).index(name)::len(runnable)]
                lines.append(compare(name, own, theirs[name]))
            else:
                print(f"{name:22} {command}")
        for line in lines:
            print(line)
        print(f"target: at most {TARGET_RATIO} of read-gedcom's processor time")

        if args.large:
            write_file(ged, args.large)
            wall, peak, cpu = measure(ours_command)
            print(f"\n{args.large} people, {os.path.getsize(ged) / 1e6:.1f} MB: kinloom-chart {wall:.2f} s, "
                  f"{cpu:.2f} s processor, peak {peak:.1f} MB (target: at most {TARGET_LARGE_MB} MB; "
                  f"the peers run out of memory here)")


if __name__ == "__main__":
    main()
