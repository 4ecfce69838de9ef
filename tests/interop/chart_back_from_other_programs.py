#!/usr/bin/python3
"""A blank chart's boxes typed into by an independent writer (openpyxl), the
workbook saved by LibreOffice and by Gnumeric as .xls, .xlsx and .ods (and
openpyxl's own .xlsx), each read back by kinloom-chart --chart into a family
file that holds the people typed: names, sexes, years and links.

Usage: chart_back_from_other_programs.py KINLOOM_CHART
Exits 77 (skipped) where openpyxl is missing; a converter that is missing is
passed over, saying so.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

try:
    import openpyxl
except ImportError:
    print("python3-openpyxl is not installed: skipped")
    sys.exit(77)

GENERATIONS = 4
# Box number: what is typed, then the NAME, SEX, birth and death the family file should hold.
TYPED = {
    1: ("", "Anna /Hansdotter/", None, None, None),  # the title's name
    2: ("2 Hans Olsen (c. 1830–bef. 1900)", "Hans /Olsen/", "M", "ABT 1830", "BEF 1900"),
    3: ("Kari /Nilsdatter/ (f. 1835)", "Kari /Nilsdatter/", "F", "1835", None),
    4: ("", None, "M", None, None),  # empty, between known people
    5: ("Marit Jørgensdatter 1810-1870", "Marit /Jørgensdatter/", "F", "1810", "1870"),
    6: ("Jan van der Berg (* um 1800)", "Jan /van der Berg/", "M", "ABT 1800", None),
    7: ("Анна Зыкова (1846–1891)", "Анна /Зыкова/", "F", "1846", "1891"),
    8: ("Peder Hansen (d. aft. 1870)", "Peder /Hansen/", "M", None, "AFT 1870"),
    9: ("4 Berit Ås", "4 Berit /Ås/", "F", None, None),  # a number that is not the box's
    12: ("李 小龍 (1940–1973)", "李 /小龍/", "M", "1940", "1973"),
    13: ("Ole Hansen (1820", "Ole Hansen (1820", "F", None, None),  # cannot be read whole
    15: ("15 (1799–1850)", None, "F", "1799", "1850"),
}
WARNED = ["\"4 Berit Ås\" begins with a number that is not this box's", "\"Ole Hansen (1820\" cannot be read"]


def box_cell(number):
    """Row and column of an ancestor's box, as the chart's layout puts it."""
    generation = number.bit_length() - 1
    k = GENERATIONS - 1 - generation
    return 2 ** k + 4 + (number - 2 ** generation) * 2 ** (k + 1), 2 + k


def read_family_file(path):
    people, families, current = {}, {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            level, rest = line.rstrip("\n").split(" ", 1)
            if level == "0":
                m = re.match(r"@([IF])(\d+)@ (INDI|FAM)", rest)
                current = (m.group(1), int(m.group(2))) if m else None
                if current:
                    (people if current[0] == "I" else families)[current[1]] = {}
                event = None
                continue
            if not current:
                continue
            record = (people if current[0] == "I" else families)[current[1]]
            tag, _, value = rest.partition(" ")
            if level == "1":
                event = tag
                record.setdefault(tag, []).append(value)
            elif level == "2" and tag == "DATE":
                record[event + "-DATE"] = value
    return people, families


def check(family_file, label):
    people, families = read_family_file(family_file)
    failures = []
    for number, (_, name, sex, birth, death) in TYPED.items():
        person = people.get(number)
        if person is None:
            failures.append(f"{label}: no @I{number}@")
            continue
        got = (person.get("NAME", [None])[0], person.get("SEX", [None])[0], person.get("BIRT-DATE"),
               person.get("DEAT-DATE"))
        if got != (name, sex, birth, death):
            failures.append(f"{label}: @I{number}@ is {got}, not {(name, sex, birth, death)}")
        if number > 1 and person.get("FAMS") != [f"@F{number // 2}@"]:
            failures.append(f"{label}: @I{number}@ FAMS {person.get('FAMS')}")
    if set(people) != set(TYPED):
        failures.append(f"{label}: people {sorted(people)}, not {sorted(TYPED)}")
    for child, family in families.items():
        expected = {"CHIL": [f"@I{child}@"]}
        for tag, parent in (("HUSB", 2 * child), ("WIFE", 2 * child + 1)):
            if parent in people:
                expected[tag] = [f"@I{parent}@"]
        if family != expected:
            failures.append(f"{label}: @F{child}@ is {family}, not {expected}")
        if people[child].get("FAMC") != [f"@F{child}@"]:
            failures.append(f"{label}: @I{child}@ FAMC {people[child].get('FAMC')}")
    return failures


def main():
    kinloom = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as work:
        blank = os.path.join(work, "blank.xlsx")
        subprocess.run([kinloom, "--root", "Anna Hansdotter", "--generations", str(GENERATIONS), "--output", blank],
                       check=True)
        book = openpyxl.load_workbook(blank)
        sheet = book.worksheets[0]
        for number, (typed, *_) in TYPED.items():
            if typed:
                row, column = box_cell(number)
                sheet.cell(row=row, column=column).value = typed
        typed_path = os.path.join(work, "typed.xlsx")
        book.save(typed_path)

        saved = {"openpyxl": [typed_path]}
        env = dict(os.environ, HOME=work)
        if shutil.which("libreoffice"):
            saved["LibreOffice"] = []
            for extension in ("xls", "xlsx", "ods"):
                out = os.path.join(work, "libreoffice")
                subprocess.run(["timeout", "300", "libreoffice", f"-env:UserInstallation=file://{work}/profile",
                                "--headless", "--convert-to", extension, "--outdir", out, typed_path],
                               check=True, env=env, stdout=subprocess.DEVNULL)
                saved["LibreOffice"].append(os.path.join(out, "typed." + extension))
        else:
            print("LibreOffice is not installed: passed over")
        if shutil.which("ssconvert"):
            saved["Gnumeric"] = []
            for extension, exporter in (("xls", "Gnumeric_Excel:excel_biff8"), ("xlsx", "Gnumeric_Excel:xlsx2"),
                                        ("ods", "Gnumeric_OpenCalc:odf")):
                out = os.path.join(work, "gnumeric." + extension)
                subprocess.run(["timeout", "300", "ssconvert", f"--export-type={exporter}", typed_path, out],
                               check=True, env=env, stderr=subprocess.DEVNULL)
                saved["Gnumeric"].append(out)
        else:
            print("Gnumeric is not installed: passed over")

        for program, paths in saved.items():
            for path in paths:
                label = f"{program} {os.path.splitext(path)[1]}"
                family_file = path + ".ged"
                run = subprocess.run([kinloom, "--chart", path, "--output", family_file],
                                     capture_output=True, text=True)
                if run.returncode != 0:
                    failures.append(f"{label}: exit {run.returncode}: {run.stderr}")
                    continue
                failures += check(family_file, label)
                for warning in WARNED:
                    if warning not in run.stderr:
                        failures.append(f"{label}: no warning {warning!r} in {run.stderr!r}")
                print(f"{label}: {len(TYPED)} people read back")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
