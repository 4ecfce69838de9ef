"""Generated faults that change nothing a user can get, each reviewed and
with why. A generated fault is matched by its file and by the line it
changes, before and after (runs of white space count as one space); the
mutation run reports a listed fault apart and does not count it, and names
entries that no longer match anything in the code."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Equivalent:
    file: str
    original: str
    mutated: str
    why: str


EQUIVALENT = [
]
