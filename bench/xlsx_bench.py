#!/usr/bin/python3
"""Whole-process benchmark of writing a chart workbook against a peer on
libxlsxwriter writing the same chart as .xlsx: kinloom-chart's .xls at 5 and
15 generations, its .xlsx and .ods at 15. Each of ours runs in turn with the
peer at the same count (A B A B ...), and the ratio is taken pair by pair in
processor time (user + system), which a busy machine inflates far less than
wall time. Prints the medians of processor and wall time, peak memory, file
size, and the median of the pair ratios with their spread, beside the targets.

Usage: xlsx_bench.py KINLOOM_CHART XLSXWRITER_PEER [RUNS]
"""
import os
import statistics
import sys
import tempfile

from xls_bench import measure

# (file kind, generations, target ratio of processor time against the peer or None)
WORK = (("xls", 5, 2.0), ("xls", 15, 0.06), ("xlsx", 15, 0.12), ("ods", 15, None))


def main():
    kinloom, peer = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 9
    with tempfile.TemporaryDirectory() as work:
        peer_path = os.path.join(work, "peer.xlsx")
        print(f"{'work':10} {'program':14} {'CPU s':>8} {'wall s':>8} {'peak MB':>8} {'file MB':>8}"
              f"   {'CPU ratio (min-max)':22} target")
        for kind, generations, target in WORK:
            ours_path = os.path.join(work, f"ours.{kind}")
            ours_command = [kinloom, "--generations", str(generations), "--output", ours_path]
            peer_command = [peer, str(generations), peer_path]
            measure(ours_command), measure(peer_command)  # warm the caches
            ours, theirs = [], []
            for _ in range(runs):
                ours.append(measure(ours_command))
                theirs.append(measure(peer_command))
            ratios = sorted(a[2] / b[2] for a, b in zip(ours, theirs))
            label = f"{kind} G={generations}"
            for name, samples, path in (("kinloom-chart", ours, ours_path), ("libxlsxwriter", theirs, peer_path)):
                print(f"{label:10} {name:14} {statistics.median(s[2] for s in samples):8.4f} "
                      f"{statistics.median(s[0] for s in samples):8.4f} {max(s[1] for s in samples):8.1f} "
                      f"{os.path.getsize(path) / 1e6:8.2f}")
            spread = f"{statistics.median(ratios):.3f} ({ratios[0]:.3f}-{ratios[-1]:.3f})"
            print(f"{label:10} {'ours / peer':14} {'':35} {spread:22} "
                  f"{f'at most {target}' if target else '-'}")


if __name__ == "__main__":
    main()
