#!/usr/bin/python3
"""Whole-process benchmark of writing a chart workbook: kinloom-chart against
the xlwt peer, runs interleaved in one sitting. Prints medians of wall time,
peak memory and file size, and the ratio.

Usage: xls_bench.py KINLOOM_CHART [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def measure(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command[0]} failed: {process.stderr.read().decode()}")
    # Wall seconds, peak MB, and CPU seconds (what a loaded machine does not inflate).
    return elapsed, usage.ru_maxrss / 1024, usage.ru_utime + usage.ru_stime


def main():
    kinloom = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    peer = [sys.executable if sys.executable.startswith("/usr/bin") else "/usr/bin/python3",
            os.path.join(HERE, "peers", "xlwt_chart.py")]
    with tempfile.TemporaryDirectory() as work:
        print(f"{'G':>3} {'program':14} {'median s':>9} {'peak MB':>8} {'file MB':>8}")
        for generations in (10, 15):
            ours_path, peer_path = os.path.join(work, "ours.xls"), os.path.join(work, "peer.xls")
            ours, theirs = [], []
            for _ in range(runs):
                ours.append(measure([kinloom, "--generations", str(generations), "--output", ours_path]))
                theirs.append(measure(peer + [str(generations), peer_path]))
            for name, samples, path in (("kinloom-chart", ours, ours_path), ("xlwt peer", theirs, peer_path)):
                print(f"{generations:>3} {name:14} {statistics.median(s[0] for s in samples):9.4f} "
                      f"{max(s[1] for s in samples):8.1f} {os.path.getsize(path) / 1e6:8.2f}")
            ratio = statistics.median(s[0] for s in theirs) / statistics.median(s[0] for s in ours)
            print(f"{generations:>3} peer/kinloom-chart = {ratio:.1f}x")


if __name__ == "__main__":
    main()
