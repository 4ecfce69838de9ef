#!/usr/bin/env python3
"""Plants hand-written faults in the code, one at a time, and sees whether the suite catches each.

Every fault (tools/mutants.py) names a file, a piece of its text that must
stand there exactly once, and what to put in its place. The run copies the
working tree to a scratch folder, builds it and runs the whole suite once as
it is (which must pass), then for each fault: puts it in, builds, runs the
suite (stopping at the first failing test) and takes it out again. A fault
the suite fails on is killed; one it passes with survived; one whose text is
not found, or that does not build, is reported apart and not counted.

Usage: tools/mutation-run.py [--work DIR] [--only AREA|ID ...] [--minimum PERCENT]
Writes the report to DIR/report.txt as well as to standard output; exits 1
when the share killed is below --minimum.
"""
import argparse
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from mutants import MUTANTS  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[1]
FAILED_TEST = re.compile(r"Test\s+#\d+: (\S+) \.*\s*\*\*\*(?:Failed|Exception|Timeout)")


def run(command, cwd, timeout=None, env=None):
    return subprocess.run(command, cwd=cwd, env=env, timeout=timeout, text=True,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def copy_tree(destination: pathlib.Path):
    """The files git knows, as they stand in the working tree. A file is
    written only where its content differs, and then with a fresh time, so
    that the build in the scratch folder redoes exactly what changed (a fault
    left in by a run that was stopped included)."""
    listed = run(["git", "ls-files", "-z"], ROOT).stdout.split("\0")
    wanted = set()
    for name in filter(None, listed):
        source = ROOT / name
        if not source.is_file():
            continue  # deleted in the working tree
        wanted.add(name)
        target = destination / name
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        shutil.copymode(source, target)
    for path in destination.rglob("*"):
        if path.is_file() and path.relative_to(destination).as_posix() not in wanted:
            path.unlink()


def configure(source: pathlib.Path, build: pathlib.Path):
    command = ["cmake", "-S", str(source), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    result = run(command, source)
    if result.returncode != 0:
        sys.exit("configuring the scratch copy failed:\n" + result.stdout[-3000:])


def build_tree(build: pathlib.Path) -> bool:
    return run(["cmake", "--build", str(build)], build).returncode == 0


def run_suite(build: pathlib.Path):
    """(passed, the first failing test's name or '')."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        result = run(["ctest", "--stop-on-failure", "--timeout", "300"], build, timeout=3600, env=env)
    except subprocess.TimeoutExpired:
        return False, "(the suite did not finish in an hour)"
    if result.returncode == 0:
        return True, ""
    failed = FAILED_TEST.search(result.stdout)
    return False, failed.group(1) if failed else "(ctest failed)"


def selected(mutant, only):
    return not only or mutant.area in only or mutant.id in only


def stop(signal_number, frame):
    raise KeyboardInterrupt  # so that the fault in place is taken out first


def main():
    signal.signal(signal.SIGTERM, stop)
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--work", help="scratch folder (default: a new temporary one)")
    parser.add_argument("--only", nargs="*", default=[], help="areas or fault ids to run")
    parser.add_argument("--minimum", type=float, default=0.0, help="least share killed, in percent")
    args = parser.parse_args()

    work = pathlib.Path(args.work or tempfile.mkdtemp(prefix="kinloom-mutation-")).resolve()
    source, build = work / "source", work / "build"
    copy_tree(source)
    configure(source, build)
    if not build_tree(build):
        sys.exit("the scratch copy does not build as it is")
    passed, failing = run_suite(build)
    if not passed:
        sys.exit(f"the suite fails without any fault planted: {failing}")

    rows, killed, survived = [], 0, 0
    for mutant in (m for m in MUTANTS if selected(m, args.only)):
        path = source / mutant.file
        original = path.read_text(encoding="utf-8")
        if original.count(mutant.find) != 1:
            rows.append((mutant, "not applicable", f"the text stands {original.count(mutant.find)} times"))
            continue
        started = time.monotonic()
        path.write_text(original.replace(mutant.find, mutant.replace), encoding="utf-8")
        try:
            if not build_tree(build):
                rows.append((mutant, "does not build", ""))
                continue
            passed, failing = run_suite(build)
        finally:
            path.write_text(original, encoding="utf-8")
        seconds = time.monotonic() - started
        if passed:
            survived += 1
            rows.append((mutant, "SURVIVED", f"{seconds:.0f} s"))
        else:
            killed += 1
            rows.append((mutant, "killed", f"by {failing}, {seconds:.0f} s"))
        print(f"{mutant.id:<28} {rows[-1][1]:<10} {rows[-1][2]}", flush=True)
    build_tree(build)  # back to the code as it is

    counted = killed + survived
    score = 100.0 * killed / counted if counted else 0.0
    lines = [f"{m.id:<28} {m.area:<18} {verdict:<15} {detail}  ({m.fault})" for m, verdict, detail in rows]
    lines.append(f"\n{killed} of {counted} faults killed: {score:.1f} %"
                 + (f"; {len(rows) - counted} not counted" if len(rows) > counted else ""))
    report = "\n".join(lines) + "\n"
    (work / "report.txt").write_text(report, encoding="utf-8")
    print(report)
    return 1 if score < args.minimum else 0


if __name__ == "__main__":
    sys.exit(main())
