#!/usr/bin/env python3
"""Plants faults in the code, one at a time, and sees whether the tests catch each.

Two kinds of fault:
  hand-written (the default): tools/mutants.py, each a piece of a file's
      text that must stand there exactly once and what takes its place;
  generated (--generated): faults made by rules across all product code
      (tools/generated_mutants.py says which), drawn at random with a seed
      that the run prints, so that a run can be repeated on the same code.

The run copies the working tree to a scratch folder (the working tree is
never changed), builds it and runs every test once as it is, which must
pass. Then, for each fault: puts it in, builds only what the faulty file
goes into, runs the test programs that contain it, nearest first, and stops
at the first failing test; the tests run by ctest alone (scripts, other
locales, the package) come last. A test program that outlives its time
(five times what it took without a fault, at least two minutes) has hung:
the fault is killed. A fault that no test fails on survived. Faults that do
not build, whose text has gone, or that are listed as equivalent (tools/
equivalent_mutants.py, each with why it changes nothing a user gets) are
reported apart and not counted.

Usage: tools/mutation-run.py [--work DIR] [--only AREA|ID ...] [--minimum PERCENT]
       tools/mutation-run.py --generated [--count N] [--seed S] [--within PATH ...] [--work DIR]
                             [--survivors-of REPORT] [--minimum PERCENT]
Writes the report to DIR/report.txt as well as to standard output; exits 1
when the share killed is below --minimum. Runs niced (15), since builds
share the machine.
"""
import argparse
import json
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from equivalent_mutants import EQUIVALENT  # noqa: E402
from generated_mutants import all_sites, normalized  # noqa: E402
from mutants import MUTANTS  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[1]
FAILED_TEST = re.compile(r"Test\s+#\d+: (\S+) \.*\s*\*\*\*(?:Failed|Exception|Timeout)")
FAILED_CASE = re.compile(r"^\[  FAILED  \] (\S+)", re.M)
SHORTEST_TIMEOUT = 120


def run(command, cwd, timeout=None, env=None):
    """Runs the command in a process group of its own, all of which is
    ended when it outlives the timeout. (return code, output); the code is
    None on a timeout."""
    process = subprocess.Popen(command, cwd=cwd, env=env, text=True, start_new_session=True,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


# The scratch copy --------------------------------------------------------------

def copy_tree(source: pathlib.Path):
    """The files git knows, as they stand in the working tree. A file is
    written only where its content differs, and then with a fresh time, so
    that the build in the scratch folder redoes exactly what changed (a fault
    left in by a run that was stopped included). The build folder inside
    stays."""
    listed = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, text=True, stdout=subprocess.PIPE).stdout
    wanted = set()
    for name in filter(None, listed.split("\0")):
        original = ROOT / name
        if not original.is_file():
            continue  # deleted in the working tree
        wanted.add(name)
        target = source / name
        if target.is_file() and target.read_bytes() == original.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(original, target)
        shutil.copymode(original, target)
    for path in source.rglob("*"):
        relative = path.relative_to(source).as_posix()
        if path.is_file() and not relative.startswith("build/") and relative not in wanted:
            path.unlink()


def build_environment(work: pathlib.Path):
    """The build folder lies inside the copy, as in a worktree, so that with
    paths taken relative to the work folder ccache finds what the worktrees'
    builds compiled."""
    return dict(os.environ, CCACHE_BASEDIR=str(work), CCACHE_NOHASHDIR="1")


def configure(source: pathlib.Path, build: pathlib.Path, env):
    command = ["cmake", "-S", str(source), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    code, output = run(command, source, env=env)
    if code != 0:
        sys.exit("configuring the scratch copy failed:\n" + output[-3000:])


def build_targets(build: pathlib.Path, env, targets=()):
    code, _ = run(["ninja", "-C", str(build), "-j", "2", *targets], build, env=env)
    return code == 0


# What each test reaches ------------------------------------------------------------

class Group:
    """Tests run together: a GoogleTest program run whole, stopping at its
    first failure, or tests that only ctest runs as they are meant to be."""

    def __init__(self, name, targets, reaches, command=None, cwd=None, env=None, tests=None):
        self.name, self.targets, self.reaches = name, targets, reaches
        self.command, self.cwd, self.env, self.tests = command, cwd, env, tests or []
        self.cases = []  # a test program's own cases, as ctest names them

    def run(self, build, env, timeout):
        """'' when every test passed, else the failing test's name."""
        if self.command:
            code, output = run(self.command, self.cwd, timeout, dict(env, **self.env))
            if code == 0:
                return ""
            failed = FAILED_CASE.search(output)
            case = failed.group(1) if failed else "(crashed)" if code is not None else "(hung)"
            return f"{self.name}: {case}"
        names = "|".join(re.sub(r"([][^$.()*+?|\\])", r"\\\1", test) for test in self.tests)
        code, output = run(["ctest", "--stop-on-failure", "--timeout", "400", "-R", f"^({names})$"], build,
                           timeout, dict(env, QT_QPA_PLATFORM="offscreen"))
        if code == 0:
            return ""
        failed = FAILED_TEST.search(output)
        return failed.group(1) if failed else "(ctest hung)" if code is None else "(ctest failed)"


def ninja_lines(build, *arguments):
    return subprocess.run(["ninja", "-C", str(build), "-t", *arguments], text=True,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.splitlines()


def files_reached(build: pathlib.Path, source: pathlib.Path, executable: str):
    """The source and header files, relative to the source folder, that go
    into the executable (as the build's own record of includes says)."""
    objects = set()
    for line in ninja_lines(build, "commands", executable):
        found = re.search(r" -o (\S+\.o) ", line)
        if found:
            objects.add(found.group(1))
    reached, current = set(), None
    for line in ninja_lines(build, "deps", *sorted(objects)):
        if line and not line.startswith(" "):
            current = line.split(":")[0]
        elif line.strip() and current:
            path = (build / line.strip()).resolve()
            if path.is_relative_to(source) and not path.is_relative_to(build):
                reached.add(path.relative_to(source).as_posix())
    return reached


def test_groups(build: pathlib.Path, source: pathlib.Path, env):
    listed = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, env=dict(env, QT_QPA_PLATFORM="offscreen"),
                            text=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if listed.returncode != 0:
        sys.exit("ctest cannot list the tests:\n" + listed.stderr[-3000:])
    listing = listed.stdout
    executables = {line.split(":")[0] for line in ninja_lines(build, "targets", "all")
                   if "_EXECUTABLE_LINKER_" in line}
    reached = {}

    def reach_of(path):
        relative = pathlib.Path(path).resolve().relative_to(build.resolve()).as_posix()
        if relative not in reached:
            reached[relative] = files_reached(build, source, relative)
        return relative, reached[relative]

    programs, by_ctest, everything = {}, [], set()
    for test in json.loads(listing)["tests"]:
        command = test.get("command") or []
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        # The cases gtest_discover_tests made: one program's, run whole instead.
        discovered = "--gtest_also_run_disabled_tests" in command
        if discovered and pathlib.Path(command[0]).resolve().is_relative_to(build.resolve()):
            target, reach = reach_of(command[0])
            environment = dict(item.split("=", 1) for item in properties.get("ENVIRONMENT", []))
            programs.setdefault(target, Group(target, [target], reach, [command[0], "--gtest_fail_fast",
                                                                        "--gtest_also_run_disabled_tests"],
                                              properties.get("WORKING_DIRECTORY", str(build)), environment))
            programs[target].cases.append(test["name"])
            continue
        used = [a for a in command if a.startswith(str(build)) and
                pathlib.Path(a).resolve().relative_to(build.resolve()).as_posix() in executables]
        reach = set()
        for path in used:
            reach |= reach_of(path)[1]
        by_ctest.append((test["name"], reach))
        everything |= reach
    for target, group in programs.items():
        everything |= group.reaches
    # Tests that name no program of the build (the package, the layering,
    # the translations) are taken to reach everything.
    last = Group("ctest", [], everything, tests=[name for name, _ in by_ctest])
    last.reach_by_test = {name: reach or everything for name, reach in by_ctest}
    ordered = sorted(programs.values(), key=lambda g: (len(g.reaches), g.name))
    return ordered, last


def groups_for(file, programs, last):
    """The groups whose tests reach the file: the test programs of its own
    folder first, then the others, the nearest (fewest files) first, then
    the tests ctest runs."""
    folder = "tests/" + file.rsplit("/", 1)[0] + "/"
    chosen = [g for g in programs if file in g.reaches]
    chosen.sort(key=lambda g: not g.name.startswith(folder))
    tests = [name for name, reach in last.reach_by_test.items() if file in reach]
    if tests:
        chosen.append(Group("ctest", [], set(), tests=tests))
    return chosen


def timeout_for(group, baseline):
    return max(SHORTEST_TIMEOUT, 5 * baseline.get(group.name, SHORTEST_TIMEOUT))


def check_baseline(programs, last, build, env):
    """Every group passes without a fault; how long each took. A test
    program whose cases pass one by one (as ctest runs them) but not in one
    process, where one case leaves something behind for the next, is run
    case by case from then on."""
    seconds = {}
    for group in programs + [last]:
        started = time.monotonic()
        failing = group.run(build, env, 3600)
        note = ""
        if failing and group.command:
            group.command, group.tests = None, group.cases
            note = f" case by case (run whole: {failing})"
            failing = group.run(build, env, 3600)
        seconds[group.name] = time.monotonic() - started
        if failing:
            sys.exit(f"the tests fail without any fault planted: {failing}")
        print(f"  {group.name:<45} passes{note}, {seconds[group.name]:.0f} s", flush=True)
    return seconds


def try_mutant(source, build, env, file, mutated, programs, last, baseline):
    """('killed', by whom) / ('SURVIVED', '') / ('does not build', '')."""
    path = source / file
    original = path.read_text(encoding="utf-8")
    path.write_text(mutated, encoding="utf-8")
    try:
        for group in groups_for(file, programs, last):
            if not build_targets(build, env, group.targets):
                return "does not build", ""
            failing = group.run(build, env, timeout_for(group, baseline))
            if failing:
                return "killed", failing
        return "SURVIVED", ""
    finally:
        path.write_text(original, encoding="utf-8")


# The two kinds of fault ------------------------------------------------------------

class Planted:
    def __init__(self, ident, area, file, mutated, description, equivalent=None, missing=None):
        self.id, self.area, self.file, self.mutated = ident, area, file, mutated
        self.description, self.equivalent, self.missing = description, equivalent, missing


def hand_written(source, only):
    for mutant in MUTANTS:
        if only and mutant.area not in only and mutant.id not in only:
            continue
        text = (source / mutant.file).read_text(encoding="utf-8")
        count = text.count(mutant.find)
        yield Planted(mutant.id, mutant.area, mutant.file, text.replace(mutant.find, mutant.replace),
                      mutant.fault, missing=None if count == 1 else f"the text stands {count} times")


def equivalence_of(file, before, after):
    for entry in EQUIVALENT:
        if entry.file == file and normalized(entry.original) == before and normalized(entry.mutated) == after:
            return entry
    return None


def generated(source, count, seed, within):
    """Faults drawn at random from every site; all of them, in order, without a count."""
    sites = [s for s in all_sites(source) if not within or any(s.file.startswith(w) for w in within)]
    texts, seen = {}, set()
    chosen = sites if count is None else random.Random(seed).sample(sites, min(count, len(sites)))
    for site in chosen:
        text = texts.setdefault(site.file, (source / site.file).read_text(encoding="utf-8"))
        before, after = site.lines_changed(text)
        if count is None and (site.file, before, after) in seen:
            continue
        seen.add((site.file, before, after))
        entry = equivalence_of(site.file, before, after)
        yield Planted(f"{site.file}:{site.line}", site.rule, site.file, site.apply(text),
                      f"{before}  =>  {after}", equivalent=entry.why if entry else None)


def survivors_in(report: pathlib.Path):
    """The descriptions of the faults an earlier report says survived."""
    found = set()
    for line in report.read_text(encoding="utf-8").splitlines():
        match = re.match(r"^\S+\s+\S+\s+SURVIVED\s.*?\((.*)\)$", line)
        if match:
            found.add(match.group(1))
    return found


def stale_equivalents(source):
    """Entries of the equivalent list that no site of today's code matches."""
    changes, texts = set(), {}
    for site in all_sites(source):
        text = texts.setdefault(site.file, (source / site.file).read_text(encoding="utf-8"))
        changes.add((site.file,) + site.lines_changed(text))
    return [e for e in EQUIVALENT if (e.file, normalized(e.original), normalized(e.mutated)) not in changes]


# The run --------------------------------------------------------------------------------

def stop(signal_number, frame):
    raise KeyboardInterrupt  # so that the fault in place is taken out first


def arguments():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--work", help="scratch folder (default: a new temporary one)")
    parser.add_argument("--only", nargs="*", default=[], help="areas or fault ids to run (hand-written faults)")
    parser.add_argument("--generated", action="store_true", help="faults made by rules instead")
    parser.add_argument("--count", type=int, default=200, help="how many generated faults (default 200)")
    parser.add_argument("--seed", type=int, help="the draw's seed (default: a new one, printed)")
    parser.add_argument("--within", nargs="*", default=[],
                        help="draw generated faults only from files under these paths (default: all product code)")
    parser.add_argument("--survivors-of", metavar="REPORT",
                        help="with --generated: run again only the faults an earlier report says survived")
    parser.add_argument("--minimum", type=float, default=0.0, help="least share killed, in percent")
    return parser.parse_args()


def report(rows, work, header):
    counted = [r for r in rows if r[1] in ("killed", "SURVIVED")]
    killed = sum(1 for r in counted if r[1] == "killed")
    score = 100.0 * killed / len(counted) if counted else 0.0
    apart = {}
    for _, verdict, _ in rows:
        if verdict not in ("killed", "SURVIVED"):
            apart[verdict] = apart.get(verdict, 0) + 1
    lines = [header]
    lines += [f"{p.id:<40} {p.area:<16} {verdict:<15} {detail}  ({p.description})" for p, verdict, detail in rows]
    lines.append(f"\n{killed} of {len(counted)} faults killed: {score:.1f} %"
                 + "".join(f"; {n} {verdict}" for verdict, n in sorted(apart.items())))
    text = "\n".join(lines) + "\n"
    (work / "report.txt").write_text(text, encoding="utf-8")
    print(text)
    return score


def main():
    signal.signal(signal.SIGTERM, stop)
    os.nice(max(0, 15 - os.nice(0)))
    args = arguments()
    started = time.monotonic()
    work = pathlib.Path(args.work or tempfile.mkdtemp(prefix="kinloom-mutation-")).resolve()
    source = work / "source"
    build = source / "build"
    env = build_environment(work)
    copy_tree(source)
    configure(source, build, env)
    if not build_targets(build, env):
        sys.exit("the scratch copy does not build as it is")
    programs, last = test_groups(build, source, env)
    print("Without a fault:", flush=True)
    baseline = check_baseline(programs, last, build, env)

    if args.generated:
        seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 31)
        header = f"Generated faults, seed {seed}, {args.count} drawn" + (
            f" from {' '.join(args.within)}" if args.within else "")
        print(header, flush=True)
        faults = generated(source, args.count, seed, args.within)
    else:
        header = "Hand-written faults"
        faults = hand_written(source, args.only)
    if args.survivors_of:
        # Found by what they change rather than drawn again, so that a change of the rules meanwhile does not matter.
        wanted = survivors_in(pathlib.Path(args.survivors_of))
        faults = [f for f in generated(source, None, 0, args.within) if f.description in wanted]
        header = (f"Generated faults: again the {len(faults)} of the {len(wanted)} survivors of {args.survivors_of} "
                  "that are still in the code")
    rows, stopped = [], False
    try:
        for fault in faults:
            began = time.monotonic()
            if fault.missing:
                rows.append((fault, "not applicable", fault.missing))
            elif fault.equivalent:
                rows.append((fault, "equivalent", fault.equivalent))
            else:
                verdict, detail = try_mutant(source, build, env, fault.file, fault.mutated, programs, last, baseline)
                rows.append((fault, verdict, (f"by {detail}, " if detail else "")
                             + f"{time.monotonic() - began:.0f} s"))
            print(f"{fault.id:<40} {rows[-1][1]:<15} {rows[-1][2]}  ({fault.description})", flush=True)
    except KeyboardInterrupt:
        stopped = True  # the fault in place has been taken out; what was done is reported
    finally:
        build_targets(build, env)  # back to the code as it is
    minutes = (time.monotonic() - started) / 60
    used = os.times()
    processor = (used.user + used.system + used.children_user + used.children_system) / 60
    # Processor time tells what a run costs on an idle machine, whatever else ran beside it.
    footer = f"{minutes:.0f} minutes in all, {processor:.0f} minutes of processor time"
    if stopped:
        footer += f"; stopped after {len(rows)} faults"
    if args.generated:
        stale = stale_equivalents(source)
        footer += "".join(f"\nequivalent fault no longer in the code: {e.file}: {e.original}" for e in stale)
    score = report(rows, work, header + f"\n(scratch copy {work}; {footer})")
    return 1 if score < args.minimum else 0


if __name__ == "__main__":
    sys.exit(main())
