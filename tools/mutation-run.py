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
at the first failing test. A test program whose binary, and the binaries it
starts, come out byte for byte as they were without the fault is passed
over: it cannot behave otherwise (the libraries are static, so a program
holds only the code it calls). The tests run by ctest alone (scripts, other
locales, the package) come last; with --ctest-at-end they run once for all
the faults the test programs let through, planted together, and a failure
is narrowed down by halves to the faults it belongs to. A test program that
outlives its time (five times what it took without a fault, at least two
minutes) has hung: the fault is killed. A fault that no test fails on
survived. Faults that do not build, whose text has gone, that are listed as
equivalent (tools/equivalent_mutants.py, each with why it changes nothing a
user gets), or that leave every binary they reach byte for byte as it was,
are reported apart and not counted.

Usage: tools/mutation-run.py [--work DIR] [--only AREA|ID ...] [--minimum PERCENT]
       tools/mutation-run.py --generated [--count N] [--seed S] [--within PATH ...] [--work DIR]
                             [--survivors-of REPORT] [--minimum PERCENT]
Writes the report to DIR/report.txt as well as to standard output; exits 1
when the share killed is below --minimum. Runs niced (15), since builds
share the machine.
"""
import argparse
import hashlib
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
NOT_TOGETHER = "(faults that do not build together)"


def run(command, cwd, timeout=None, env=None, gently=False):
    """Runs the command in a process group of its own, all of which is
    ended when it outlives the timeout (gently: first interrupted, as ninja
    then removes what it was half way through writing). (return code,
    output); the code is None on a timeout."""
    # A fault may make a test print anything: what is not UTF-8 is shown replaced.
    process = subprocess.Popen(command, cwd=cwd, env=env, text=True, errors="replace", start_new_session=True,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output
    except subprocess.TimeoutExpired:
        if gently:
            os.killpg(process.pid, signal.SIGINT)
            try:
                output, _ = process.communicate(timeout=60)
                return None, output
            except subprocess.TimeoutExpired:
                pass
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output
    except BaseException:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass  # it had ended
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


def build_targets(build: pathlib.Path, env, targets=(), timeout=None):
    """True when built, False when it does not build, None when it took too long."""
    code, _ = run(["ninja", "-C", str(build), "-j", "2", *targets], build, timeout=timeout, env=env, gently=True)
    return None if code is None else code == 0


def linked_binaries(build: pathlib.Path):
    """Every program and loadable module the build links, relative to it."""
    return sorted(line.split(":")[0] for line in ninja_lines(build, "targets", "all")
                  if re.search(r"_(EXECUTABLE|MODULE_LIBRARY|SHARED_LIBRARY)_LINKER_", line))


def digests(build: pathlib.Path, binaries):
    found = {}
    for name in binaries:
        path = build / name
        found[name] = hashlib.sha256(path.read_bytes()).hexdigest() if path.is_file() else None
    return found


# What each test reaches ------------------------------------------------------------

class Group:
    """Tests run together: a GoogleTest program run whole, stopping at its
    first failure, or tests that only ctest runs as they are meant to be."""

    def __init__(self, name, targets, reaches, command=None, cwd=None, env=None, tests=None):
        self.name, self.targets, self.reaches = name, targets, reaches
        self.command, self.cwd, self.env, self.tests = command, cwd, env, tests or []
        self.cases = []  # a test program's own cases, as ctest names them
        self.watched = list(targets)  # the binaries whose behaviour its tests see

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


def started_binaries(build: pathlib.Path, executable: str, binaries):
    """The binaries of the build whose paths a program is compiled with, the
    programs its tests start (and, for the chart program, the module it
    loads)."""
    text = "\n".join(ninja_lines(build, "commands", executable))
    started = [b for b in binaries
               if b != executable and re.search(re.escape(str(build / b)) + r"(?![\w.-])", text)]
    if any(b.endswith("/kinloom-chart") for b in started):
        started += [b for b in binaries if "kinloom-chart-extras" in b and b not in started]
    return started


def test_groups(build: pathlib.Path, source: pathlib.Path, env):
    listed = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, env=dict(env, QT_QPA_PLATFORM="offscreen"),
                            text=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if listed.returncode != 0:
        sys.exit("ctest cannot list the tests:\n" + listed.stderr[-3000:])
    listing = listed.stdout
    executables = {line.split(":")[0] for line in ninja_lines(build, "targets", "all")
                   if "_EXECUTABLE_LINKER_" in line}
    binaries = linked_binaries(build)
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
        used = [pathlib.Path(a).resolve().relative_to(build.resolve()).as_posix() for a in command
                if a.startswith(str(build)) and
                pathlib.Path(a).resolve().relative_to(build.resolve()).as_posix() in executables]
        reach = set()
        for path in used:
            reach |= reach_of(build / path)[1]
        for path in list(used):
            used += [b for b in started_binaries(build, path, binaries) if b not in used]
        # A test that names no program (the package's, the layering's) sees the products.
        used = used or [b for b in binaries if not b.startswith(("tests/", "bench/", "tools/"))]
        by_ctest.append((test["name"], reach, used))
        everything |= reach
    for target, group in programs.items():
        # What the programs it starts are built from reaches its tests as well.
        for started in started_binaries(build, target, binaries):
            group.targets.append(started)
            group.watched.append(started)
            if started in executables:
                group.reaches = group.reaches | reach_of(build / started)[1]
    for target, group in programs.items():
        everything |= group.reaches
    # Tests that name no program of the build (the package, the layering,
    # the translations) are taken to reach everything.
    last = Group("ctest", [], everything, tests=[name for name, _, _ in by_ctest])
    last.reach_by_test = {name: reach or everything for name, reach, _ in by_ctest}
    last.used_by_test = {name: used for name, _, used in by_ctest}
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


def unchanged(group, last, build, baseline_digests):
    """Whether the group's binaries came out as they were without a fault;
    for the ctest group, narrows its tests to those that may see a change."""
    if group.command or group.name != "ctest" or group.cases:
        now = digests(build, group.watched)
        return all(now[b] == baseline_digests.get(b) for b in group.watched)
    used = {b for t in group.tests for b in last.used_by_test[t]}
    now = digests(build, used)
    group.tests = [t for t in group.tests if any(now[b] != baseline_digests.get(b) for b in last.used_by_test[t])]
    return not group.tests


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
        if failing and not group.command:
            # A test under a real X server may lose a race on a busy machine: once more.
            note += f" (on the second try; first: {failing})"
            failing = group.run(build, env, 3600)
        seconds[group.name] = time.monotonic() - started
        if failing:
            sys.exit(f"the tests fail without any fault planted: {failing}")
        print(f"  {group.name:<45} passes{note}, {seconds[group.name]:.0f} s", flush=True)
    return seconds


def try_mutant(source, build, env, file, mutated, programs, last, baseline, baseline_digests, deferred=None,
               cap=None):
    """('killed', by whom) / ('SURVIVED', '') / ('does not build', '') /
    ('same code', '') / ('capped', what was left). With deferred (a list),
    the ctest tests the fault reaches are not run but put there, and a fault
    the test programs let through is ('SURVIVED', '') for now. With cap
    (seconds), a fault whose building and testing take longer is stopped
    there: 'capped', counted as not killed."""
    deadline = time.monotonic() + cap if cap else None
    path = source / file
    original = path.read_text(encoding="utf-8")
    path.write_text(mutated, encoding="utf-8")
    ran = False
    try:
        groups = groups_for(file, programs, last)
        if not groups:
            return "SURVIVED", ""
        for number, group in enumerate(groups):
            left = deadline - time.monotonic() if deadline else None
            if left is not None and left <= 0:
                return "capped", "not run: " + ", ".join(g.name for g in groups[number:])
            if deferred is not None and group.name == "ctest" and not group.command:
                # Only the programs these tests start need building now.
                group.targets = sorted({b for t in group.tests for b in last.used_by_test[t]})
            built = build_targets(build, env, group.targets, left)
            if built is None:
                return "capped", "while building for " + group.name
            if not built:
                return "does not build", ""
            if unchanged(group, last, build, baseline_digests):
                continue
            ran = True
            if deferred is not None and not group.command and group.name == "ctest":
                deferred.extend(group.tests)
                continue
            limit = timeout_for(group, baseline)
            left = deadline - time.monotonic() if deadline else None
            capping = left is not None and left < limit
            failing = group.run(build, env, max(1.0, left) if capping else limit)
            if capping and failing and (failing.endswith("(hung)") or failing == "(ctest hung)"):
                return "capped", "while running " + group.name
            if failing:
                return "killed", failing
        return ("SURVIVED" if ran else "same code"), ""
    finally:
        path.write_text(original, encoding="utf-8")


def ctest_for_survivors(source, build, env, survivors, timeout, killed, used_by_test):
    """Runs the ctest tests each survivor put off, with the survivors planted
    together (one fault of each file at a time); where they fail, narrows
    the failure down by halves. Puts {index: failing test} of those killed
    into killed, as they are found."""

    def attempt(batch):
        originals = {}
        try:
            for index, file, mutated, tests in batch:
                originals[file] = (source / file).read_text(encoding="utf-8")
                (source / file).write_text(mutated, encoding="utf-8")
            tests = sorted({t for *_, ts in batch for t in ts})
            if not build_targets(build, env, sorted({b for t in tests for b in used_by_test[t]})):
                return NOT_TOGETHER
            return Group("ctest", [], set(), tests=tests).run(build, env, timeout) if tests else ""
        finally:
            for file, text in originals.items():
                (source / file).write_text(text, encoding="utf-8")

    def narrow(batch):
        failing = attempt(batch)
        if not failing:
            return
        if len(batch) == 1:
            # A fault is caught here only by a failure that comes again.
            if failing != NOT_TOGETHER and attempt(batch):
                killed[batch[0][0]] = failing
            return
        narrow(batch[: len(batch) // 2])
        narrow(batch[len(batch) // 2:])

    rounds = []  # each holds at most one fault of a file
    for survivor in survivors:
        for batch in rounds:
            if all(other[1] != survivor[1] for other in batch):
                batch.append(survivor)
                break
        else:
            rounds.append([survivor])
    for batch in rounds:
        narrow(batch)


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
        match = re.match(r"^\S+\s+\S+\s+(?:SURVIVED|capped)\s.*?\((.*)\)$", line)
        if match:
            found.add(match.group(1))
    return found


def verdicts_in(log: pathlib.Path):
    """{description: (verdict, detail)} of the faults an earlier run's log
    or report settled (those that only passed the test programs are not)."""
    found = {}
    for line in log.read_text(encoding="utf-8", errors="replace").splitlines():
        match = re.match(r"^\S+:\d+\s+(?:\S+\s+)?(killed|SURVIVED|does not build|same code|capped)\s+(.*?)"
                         r"  \((.*)\)$", line)
        if match:
            found[match.group(3)] = (match.group(1), match.group(2))
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
    parser.add_argument("--ctest-at-end", action="store_true",
                        help="run the tests only ctest runs once, at the end, for all faults the test programs "
                             "let through together")
    parser.add_argument("--cap", type=float, default=0,
                        help="seconds a fault may take to build and test; one that takes longer is stopped and "
                             "counted as not killed (default: no cap)")
    parser.add_argument("--resume", metavar="LOG",
                        help="take over the verdicts an earlier run of the same draw printed, and go on from there")
    parser.add_argument("--minimum", type=float, default=0.0, help="least share killed, in percent")
    return parser.parse_args()


def report(rows, work, header):
    counted = [r for r in rows if r[1] in ("killed", "SURVIVED", "capped")]
    killed = sum(1 for r in counted if r[1] == "killed")
    score = 100.0 * killed / len(counted) if counted else 0.0
    apart = {}
    for _, verdict, _ in rows:
        if verdict not in ("killed", "SURVIVED", "capped"):
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
    baseline_digests = digests(build, linked_binaries(build))

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
    rows, stopped, put_off = [], False, []
    settled = verdicts_in(pathlib.Path(args.resume)) if args.resume else {}
    try:
        for fault in faults:
            began = time.monotonic()
            deferred = [] if args.ctest_at_end else None
            if fault.missing:
                rows.append((fault, "not applicable", fault.missing))
            elif fault.equivalent:
                rows.append((fault, "equivalent", fault.equivalent))
            elif fault.description in settled:
                verdict, detail = settled[fault.description]
                rows.append((fault, verdict, detail + " (earlier)"))
            else:
                verdict, detail = try_mutant(source, build, env, fault.file, fault.mutated, programs, last, baseline,
                                             baseline_digests, deferred, args.cap or None)
                rows.append((fault, verdict, (f"by {detail}, " if detail else "")
                             + f"{time.monotonic() - began:.0f} s"))
                if verdict == "SURVIVED" and deferred:
                    put_off.append((len(rows) - 1, fault.file, fault.mutated, deferred))
            shown = "passes programs" if put_off and put_off[-1][0] == len(rows) - 1 else rows[-1][1]
            print(f"{fault.id:<40} {shown:<15} {rows[-1][2]}  ({fault.description})", flush=True)
    except KeyboardInterrupt:
        stopped = True  # the fault in place has been taken out; what was done is reported
    # Stopped or not, the faults the test programs let through meet the tests only ctest runs
    # (a second stop ends that too).
    if put_off:
        began = time.monotonic()
        print(f"The tests ctest alone runs, for the {len(put_off)} faults the test programs let through",
              flush=True)
        found = {}
        try:
            ctest_for_survivors(source, build, env, put_off, timeout_for(last, baseline), found,
                                last.used_by_test)
        except (OSError, subprocess.SubprocessError, KeyboardInterrupt) as error:
            print(f"  the tests ctest alone runs were not all run: {error!r}", flush=True)
        for index, failing in found.items():
            fault, _, detail = rows[index]
            rows[index] = (fault, "killed", f"by {failing}, {detail}")
            print(f"{fault.id:<40} {'killed':<15} by {failing}  ({fault.description})", flush=True)
        print(f"  {time.monotonic() - began:.0f} s", flush=True)
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
