#!/usr/bin/env python3
"""Checks that every folder of the project includes only from the layers below it.

Reads every `#include "..."` of the project's C++ files (and the custom-widget
headers of the Designer files) and prints one line per include that runs
sideways or upward, naming file and line; exits 1 when there is any.
Usage: check_layering.py [PROJECT_ROOT]
"""
import pathlib
import re
import sys

# Each layer and the folders it may include besides its own, bottom to top.
LAYERS = {
    "core": set(),
    "files": {"core"},
    "spreadsheet": {"files", "core"},
    "shell/shared": {"files", "core"},
    "gedcom": {"files", "core"},
    "chart": {"spreadsheet", "shell/shared", "gedcom", "files", "core"},
    "command": {"chart", "spreadsheet", "shell/shared", "gedcom", "files", "core"},
    "shell/family": {"chart", "spreadsheet", "shell/shared", "gedcom", "files", "core"},
    "shell/mainwindow": {"shell/family", "chart", "spreadsheet", "shell/shared", "gedcom", "files", "core"},
    "preview": {"chart", "spreadsheet", "shell/shared", "gedcom", "files", "core"},
    "app": {"command", "shell/mainwindow", "shell/family", "preview", "chart", "spreadsheet", "shell/shared", "gedcom",
            "files", "core"},
}
# What stands beside the layers: the tests of a folder see what that folder
# sees, the folder itself and the tests' own support; the support sees the
# bottom layers; benchmarks, fuzzers and tools may use any layer, no test.
TEST_SUPPORT = "tests/support"
SUPPORT_SEES = {"core", "files", "spreadsheet", "shell/shared", "gedcom"}
OUTSIDE = {"bench", "fuzz", "tools"}
SKIPPED = {".git", "build", "fuzz-build"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
UI_HEADER = re.compile(r"<header>([^<]+)</header>")


def folder_of(relative: str):
    """The layer folder (or tests/..., bench, ...) a project path belongs to."""
    path = relative
    is_test = path.startswith("tests/")
    if path.startswith(TEST_SUPPORT + "/"):
        return TEST_SUPPORT
    if is_test:
        path = path[len("tests/"):]
    for layer in sorted(LAYERS, key=len, reverse=True):
        if path == layer or path.startswith(layer + "/"):
            return "tests/" + layer if is_test else layer
    top = path.split("/", 1)[0]
    if not is_test and top in OUTSIDE:
        return top
    return None


def allowed(source_folder: str, target_folder: str) -> bool:
    if source_folder == target_folder:
        return True
    if source_folder in OUTSIDE:
        return target_folder in LAYERS
    if source_folder == TEST_SUPPORT:
        return target_folder in SUPPORT_SEES
    if source_folder.startswith("tests/"):
        tested = source_folder[len("tests/"):]
        return target_folder in LAYERS[tested] | {tested, TEST_SUPPORT}
    return target_folder in LAYERS[source_folder]


def resolve(root: pathlib.Path, source: pathlib.Path, name: str):
    """Where an include points in the project: beside the file first, then from the root."""
    for base in (source.parent, root):
        candidate = (base / name).resolve()
        if candidate.is_file() and root in candidate.parents:
            return candidate.relative_to(root).as_posix()
    return None  # generated (ui_*.h) or a system header


def project_files(root: pathlib.Path):
    for path in sorted(root.rglob("*")):
        parts = path.relative_to(root).parts
        if any(part in SKIPPED for part in parts) or not path.is_file():
            continue
        if path.suffix in {".cpp", ".h", ".ui"}:
            yield path


def check(root: pathlib.Path):
    faults = []
    for path in project_files(root):
        relative = path.relative_to(root).as_posix()
        source_folder = folder_of(relative)
        pattern = UI_HEADER if path.suffix == ".ui" else INCLUDE
        for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = pattern.search(line)
            if not match:
                continue
            target = resolve(root, path, match.group(1))
            if target is None:
                continue
            target_folder = folder_of(target)
            if source_folder is None:
                faults.append(f"{relative}:{number}: the folder of {relative} has no layer; add it to {__file__}")
            elif target_folder is None or not allowed(source_folder, target_folder):
                faults.append(f'{relative}:{number}: {source_folder}/ may not include "{match.group(1)}" '
                              f"({target_folder or 'no layer'}/ is at its own level or above)")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2]).resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} includes against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
