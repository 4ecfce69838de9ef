#!/usr/bin/python3
"""Whole-process benchmark of writing a 15-generation chart as .xlsx and .ods:
kinloom-chart against a peer on libxlsxwriter writing the same chart, runs
interleaved in one sitting. Prints medians of wall and CPU time, peak
memory and file size, and the ratios against the peer, beside the targets
(.xlsx in at most half the peer's time and 60 MB; .ods in 0.3 s).

Usage: xlsx_bench.py KINLOOM_CHART XLSXWRITER_PEER [RUNS]
"""
import os
import statistics
import sys
import tempfile

from xls_bench import measure


def main():
    kinloom, peer = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    generations = "15"
    with tempfile.TemporaryDirectory() as work:
        programs = {
            "kinloom .xlsx": ([kinloom, "--generations", generations, "--output"], "ours.xlsx"),
            "kinloom .ods": ([kinloom, "--generations", generations, "--output"], "ours.ods"),
            "libxlsxwriter": ([peer, generations], "peer.xlsx"),
        }
        samples = {name: [] for name in programs}
        for _ in range(runs):
            for name, (command, file) in programs.items():
                samples[name].append(measure(command + [os.path.join(work, file)]))
        median = {name: statistics.median(s[0] for s in runs_) for name, runs_ in samples.items()}
        print(f"G={generations} {'program':14} {'median s':>9} {'CPU s':>7} {'peak MB':>8} {'file MB':>8}")
        for name, (_, file) in programs.items():
            runs_ = samples[name]
            print(f"{'':5}{name:14} {median[name]:9.4f} {statistics.median(s[2] for s in runs_):7.3f} "
                  f"{max(s[1] for s in runs_):8.1f} {os.path.getsize(os.path.join(work, file)) / 1e6:8.2f}")
        xlsx_ratio = median["kinloom .xlsx"] / median["libxlsxwriter"]
        print(f"kinloom .xlsx / libxlsxwriter = {xlsx_ratio:.2f} (target at most 0.5), "
              f"peak {max(s[1] for s in samples['kinloom .xlsx']):.1f} MB (target at most 60)")
        print(f"kinloom .ods / libxlsxwriter = {median['kinloom .ods'] / median['libxlsxwriter']:.2f}, "
              f"{median['kinloom .ods']:.3f} s (target at most 0.3 s)")


if __name__ == "__main__":
    main()
