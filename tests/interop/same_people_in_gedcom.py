#!/usr/bin/python3
"""Two GEDCOM files hold the same people (names with their slashes, sexes,
dates of birth and death) and the same families (who is husband, wife and
child), whatever identifiers each gives them.

Usage: same_people_in_gedcom.py FIRST.ged SECOND.ged
"""
import sys


def records(path):
    people, families, current, event = {}, {}, None, None
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            parts = line.rstrip("\r\n").split(" ", 2)
            level, tag = parts[0], parts[1]
            value = parts[2] if len(parts) > 2 else ""
            if level == "0":
                current = None
                if value in ("INDI", "FAM"):
                    current = {}
                    (people if value == "INDI" else families)[tag] = current
                continue
            if current is None:
                continue
            if level == "1":
                event = tag
                if tag in ("NAME", "SEX", "HUSB", "WIFE", "CHIL"):
                    current.setdefault(tag, value)
            elif level == "2" and tag == "DATE" and event in ("BIRT", "DEAT"):
                current[event] = value
    return people, families


def described(path):
    people, families = records(path)

    def person(pointer):
        p = people.get(pointer, {})
        return (p.get("NAME"), p.get("SEX"), p.get("BIRT"), p.get("DEAT"))

    return (sorted(map(str, (person(p) for p in people))),
            sorted(str(tuple(person(f.get(tag)) for tag in ("HUSB", "WIFE", "CHIL"))) for f in families.values()))


def main():
    first, second = (described(path) for path in sys.argv[1:3])
    if first != second:
        print("FAIL: the files differ")
        for label, a, b in (("people", first[0], second[0]), ("families", first[1], second[1])):
            for item in sorted(set(a) ^ set(b)):
                print(f"  {label}: {item} only in {'the first' if item in a else 'the second'}")
        return 1
    print(f"{len(first[0])} people and {len(first[1])} families in both")
    return 0


if __name__ == "__main__":
    sys.exit(main())
