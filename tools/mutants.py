"""The faults tools/mutation-run.py plants, one at a time: each a piece of a
file's text (standing there exactly once) and what takes its place."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Mutant:
    id: str
    area: str
    file: str
    find: str
    replace: str
    fault: str


MUTANTS = [
    # Saves: the checked, all-or-nothing replacement of files.
    Mutant("save-no-flush", "saves", "files/FileReplacement.cpp",
           "if (!error && !(writeAll(fd, m_bytes) && syncFile(fd))) error = errno;",
           "if (!error && !writeAll(fd, m_bytes)) error = errno;",
           "the new file is renamed over the old one without being flushed"),
]
