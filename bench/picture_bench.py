#!/usr/bin/python3
"""The chart's picture for 5, 10 and 15 generations: open the workbook, find
the used range, take its vector picture, write the picture file. The peer is LibreOffice drawing
the same workbook into a PDF, measured in the same sitting.

Usage: picture_bench.py BUILD_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    chart, bench = os.path.join(build, "app", "kinloom-chart"), os.path.join(build, "bench", "picture_bench")
    office = shutil.which("libreoffice")
    with tempfile.TemporaryDirectory() as work:
        print(f"{'G':>3} {'steps s':>8} {'process s':>9} {'peak MB':>8} {'file KB':>8} {'LibreOffice s':>13} ratio")
        for generations in (5, 10, 15):
            book = os.path.join(work, f"chart{generations}.xls")
            subprocess.run([chart, "--generations", str(generations), "--output", book], check=True)
            ours, theirs, steps, peak = [], [], [], 0
            for _ in range(runs):
                start = time.perf_counter()
                out = subprocess.run([bench, book, os.path.join(work, "temp.bmp")], check=True,
                                     capture_output=True, text=True).stdout.split()
                ours.append(time.perf_counter() - start)
                steps.append(float(out[0]))
                peak = max(peak, int(out[1]))
                if office:
                    start = time.perf_counter()
                    subprocess.run([office, f"-env:UserInstallation=file://{work}/profile", "--headless",
                                    "--convert-to", "pdf", "--outdir", work, book],
                                   check=True, capture_output=True)
                    theirs.append(time.perf_counter() - start)
            size = os.path.getsize(os.path.join(work, "temp.bmp")) // 1024
            peer = f"{statistics.median(theirs):13.3f}" if theirs else f"{'(absent)':>13}"
            ratio = f"{statistics.median(theirs) / statistics.median(ours):.1f}x" if theirs else "-"
            print(f"{generations:>3} {statistics.median(steps):8.3f} {statistics.median(ours):9.3f} {peak:8d} "
                  f"{size:>8} {peer} {ratio}")


if __name__ == "__main__":
    main()
