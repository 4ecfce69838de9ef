"""Faults made by rules, for the generated mode of tools/mutation-run.py.

Every place in the product code where a rule applies is a site; a run draws
its mutants from all of them at random. The rules:

  relational   <  <=  >  >=  ==  != : each swapped for its neighbour
               (< for <=, == for !=, ...)
  arithmetic   + for -, * for /, % for *, += for -=, ++ for -- and back
  logical      && for || and back
  constant     an integer or decimal literal one more or one less (not the
               numbers that name a trapped handler's steps in its error
               report: names, not arithmetic)
  condition    the condition of an if or while negated
  call         a statement that only calls a function, removed
  return       a return removed where the code goes on after it: a bare
               return, or one inside an if, a loop, a case or an else

The code is read with comments, string and character literals and
preprocessor lines blanked out, so that no rule lands in them, and
assertions (which a release build leaves out) are passed over. Binary
operators are told from template brackets and pointers by the layout
clang-format gives them: a space on both sides.
"""
from dataclasses import dataclass
import pathlib
import re

PRODUCT_FOLDERS = ("core", "files", "spreadsheet", "shell", "gedcom", "chart", "command", "preview", "app")
SOURCE_SUFFIXES = (".cpp", ".h")


@dataclass(frozen=True)
class Site:
    file: str  # relative to the source root
    start: int  # character offsets of the text replaced
    end: int
    replacement: str
    rule: str
    line: int  # 1-based, of start

    def apply(self, text: str) -> str:
        return text[: self.start] + self.replacement + text[self.end:]

    def lines_changed(self, text: str):
        """The original lines the site touches and what they become, each
        with its runs of white space made one space."""
        first = text.rfind("\n", 0, self.start) + 1
        last = text.find("\n", self.end)
        last = len(text) if last < 0 else last
        before = text[first:last]
        after = text[first: self.start] + self.replacement + text[self.end: last]
        return normalized(before), normalized(after)


def normalized(code: str) -> str:
    return " ".join(code.split())


def product_files(root: pathlib.Path):
    for folder in PRODUCT_FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in SOURCE_SUFFIXES and path.is_file():
                yield path.relative_to(root).as_posix()


# Reading the code -----------------------------------------------------------

def blanked(text: str) -> str:
    """The text with comments, string and character literals and
    preprocessor lines turned into spaces (line breaks kept), so that
    offsets stay those of the original."""
    out = list(text)
    i, n = 0, len(text)
    at_line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if c == "\n":
            at_line_start = True
            i += 1
            continue
        if c in " \t":
            i += 1
            continue
        if at_line_start and c == "#":
            j = i
            while j < n:  # to the end of the line, continuations included
                k = text.find("\n", j)
                k = n if k < 0 else k
                if k > 0 and text[k - 1] == "\\":
                    j = k + 1
                    continue
                j = k
                break
            blank(i, j)
            i = j
            continue
        at_line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            j = i + 1  # a number, digit separators (') included
            while j < n and (text[j].isalnum() or text[j] in "._'"
                             or (text[j] in "+-" and text[j - 1] in "eEpP" and not text[i:j].startswith("0x"))):
                j += 1
            i = j
        elif c.isalpha() or c == "_":
            j = i
            while j < n and (text[j].isalnum() or text[j] == "_"):
                j += 1
            word = text[i:j]
            if j < n and text[j] == '"' and word.endswith("R"):  # a raw string
                close = text.find("(", j)
                delimiter = ")" + text[j + 1: close] + '"'
                end = text.find(delimiter, close)
                end = n if end < 0 else end + len(delimiter)
                blank(j, end)
                i = end
            else:
                i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i, min(j + 1, n))
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching(code: str, open_at: int) -> int:
    """The offset of the bracket that closes the one at open_at, or -1."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opener, closer = code[open_at], pairs[code[open_at]]
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == opener:
            depth += 1
        elif code[k] == closer:
            depth -= 1
            if depth == 0:
                return k
    return -1


def opening(code: str, close_at: int) -> int:
    pairs = {")": "(", "]": "[", "}": "{"}
    closer, opener = code[close_at], pairs[code[close_at]]
    depth = 0
    for k in range(close_at, -1, -1):
        if code[k] == closer:
            depth += 1
        elif code[k] == opener:
            depth -= 1
            if depth == 0:
                return k
    return -1


ASSERTION = re.compile(r"\b(?:Q_ASSERT|Q_ASSERT_X|assert|static_assert|Q_STATIC_ASSERT)\s*\(")


def assertion_spans(code: str):
    spans = []
    for match in ASSERTION.finditer(code):
        close = matching(code, match.end() - 1)
        if close > 0:
            spans.append((match.start(), close + 1))
    return spans


# The rules ---------------------------------------------------------------------

SWAPS = {
    "relational": {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="},
    "arithmetic": {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*",
                   "+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="},
    "logical": {"&&": "||", "||": "&&"},
}
BINARY = re.compile(r"(?<=\S) (<=|>=|==|!=|&&|\|\||\+=|-=|\*=|/=|<|>|\+|-|\*|/|%) (?=\S)")
STEP = re.compile(r"(\+\+|--)(?=[A-Za-z_(*])|(?<=[\w)\]])(\+\+|--)")
NUMBER = re.compile(r"(?<![\w.'])(\d[\d']*(?:\.\d*)?|\.\d+)([eE][+-]?\d+)?([uUlLfF]*)(?![\w.'])")
CONDITION = re.compile(r"\b(if|while)\s*(?:constexpr\s*)?\(")
CALL = re.compile(r"(?m)^[ \t]*((?:[A-Za-z_~][\w]*(?:::|\.|->))*[A-Za-z_]\w*)\(")
RETURN = re.compile(r"\breturn\b")
NOT_CALLS = {"if", "while", "for", "switch", "return", "throw", "delete", "case", "else", "do", "sizeof",
             "catch", "static_assert", "Q_ASSERT", "Q_ASSERT_X", "assert", "Q_OBJECT", "Q_DECLARE_TR_FUNCTIONS",
             "Q_DISABLE_COPY", "Q_DISABLE_COPY_MOVE", "Q_PROPERTY", "Q_ENUM", "Q_UNUSED", "decltype", "alignas",
             "operator", "requires", "template", "using", "typedef", "namespace", "emit", "Q_EMIT"}
CONTROL = re.compile(r"\b(?:if|for|while|switch|catch)\s*(?:constexpr\s*)?$")


def operator_sites(file, text, code):
    for match in BINARY.finditer(code):
        operator = match.group(1)
        for rule, table in SWAPS.items():
            if operator in table:
                yield Site(file, match.start(1), match.end(1), table[operator], rule, 0)
    for match in STEP.finditer(code):
        group = 1 if match.group(1) else 2
        operator = match.group(group)
        yield Site(file, match.start(group), match.end(group), "--" if operator == "++" else "++", "arithmetic", 0)


STEP_LABEL = re.compile(r"\b(?:step|test)\(\s*$")
PURE_SPECIFIER = re.compile(r"\)\s*(?:const\s*)?(?:noexcept\s*)?=\s*$")


def constant_sites(file, text, code):
    for match in NUMBER.finditer(code):
        if STEP_LABEL.search(code, max(0, match.start() - 12), match.start()):
            continue  # the number a trapped handler's step is named by in its error report
        if match.group(0) == "0" and PURE_SPECIFIER.search(code, max(0, match.start() - 40), match.start()):
            continue  # "= 0" that makes a function pure virtual: no number
        digits, exponent, suffix = match.group(1), match.group(2) or "", match.group(3)
        plain = digits.replace("'", "")
        if "." in plain or exponent:
            value = float(plain + exponent)
            values = [repr(value + 1), repr(value - 1)]
        elif plain.startswith("0") and len(plain) > 1:
            continue  # octal, rare enough to pass over
        else:
            values = [str(int(plain) + 1), str(int(plain) - 1)]
        for value in values:
            literal = value + suffix
            yield Site(file, match.start(), match.end(), f"({literal})" if value.startswith("-") else literal,
                       "constant", 0)


def condition_sites(file, text, code):
    for match in CONDITION.finditer(code):
        open_at = match.end() - 1
        close = matching(code, open_at)
        if close < 0:
            continue
        inside = text[open_at + 1: close]
        if ";" in code[open_at + 1: close]:
            continue  # an if with an initialiser
        yield Site(file, open_at + 1, close, "!(" + inside + ")", "condition", 0)


def statement_end(code, close):
    """After a call's closing parenthesis: the offset just past the ';' that
    ends a statement made only of calls (chains such as a.b().c() included),
    or -1."""
    k = close + 1
    while True:
        rest = re.match(r"\s*(?:\.|->)\s*[A-Za-z_]\w*\s*\(", code[k:])
        if not rest:
            break
        inner = matching(code, k + rest.end() - 1)
        if inner < 0:
            return -1
        k = inner + 1
    end = re.match(r"\s*;", code[k:])
    return k + end.end() if end else -1


def call_sites(file, text, code):
    for match in CALL.finditer(code):
        name = match.group(1)
        last = re.split(r"::|\.|->", name)[-1]
        if last in NOT_CALLS or name in NOT_CALLS or last.isupper() and name == last:
            continue  # keywords, and macros such as Q_OBJECT that are no calls
        before = code[: match.start(1)].rstrip()
        if before and before[-1] not in ";{}:)" and not before.endswith("else"):
            continue  # the rest of an expression that began on an earlier line
        if before.endswith(")") and not CONTROL.search(code[: opening(code, len(before) - 1)]):
            continue  # a declaration's or a lambda's parameter list ends there
        if not in_function_body(code, match.start(1)):
            continue
        close = matching(code, match.end() - 1)
        if close < 0:
            continue
        end = statement_end(code, close)
        if end < 0:
            continue
        yield Site(file, match.start(1), end, "{}", "call", 0)


def enclosing_block(code, at):
    """The offset of the brace that opens the block holding offset at (-1 at
    the top), and whether a case label of that block comes before it."""
    depth, k, in_case = 0, at - 1, False
    while k >= 0:
        if code[k] == "}":
            depth += 1
        elif code[k] == "{":
            if depth == 0:
                break
            depth -= 1
        elif code[k] == ":" and depth == 0 and not in_case:
            in_case = bool(re.search(r"\b(?:case\b[^;{}]*|default\s*)$", code[:k]))
        k -= 1
    return k, in_case


def in_function_body(code, at):
    """Whether offset at lies in code that runs, rather than in a class or
    namespace body where a name and parentheses declare something."""
    k, _ = enclosing_block(code, at)
    while k >= 0:
        head = code[:k].rstrip()
        if re.search(r"\b(?:class|struct|union|enum)\b[^;{}()]*$", head) or re.search(r"\bnamespace\b[^;{}]*$", head):
            return False
        if head.endswith(")") or head.endswith("const") or head.endswith("noexcept") or head.endswith("else") \
                or head.endswith("do") or head.endswith("try") or head.endswith("]"):
            return True
        k, _ = enclosing_block(code, k)
    return False


def controlled(code, at):
    """Whether the statement starting at offset at runs under an if, a loop,
    a case or an else, rather than being the last word of a function body."""
    before = code[:at].rstrip()
    if before.endswith("else") or before.endswith(":") and not before.endswith("::"):
        return True
    if before.endswith(")"):  # if (...) return ...;
        return bool(CONTROL.search(code[: opening(code, len(before) - 1)]))
    k, in_case = enclosing_block(code, at)
    if in_case:
        return True
    if k < 0:
        return False
    head = code[:k].rstrip()
    if head.endswith("else") or head.endswith("do") or head.endswith("try"):
        return True
    if head.endswith(")"):
        return bool(CONTROL.search(code[: opening(code, len(head) - 1)]))
    return False


def return_sites(file, text, code):
    for match in RETURN.finditer(code):
        end = code.find(";", match.end())
        if end < 0:
            continue
        bare = not code[match.end(): end].strip()
        if bare or controlled(code, match.start()):
            yield Site(file, match.start(), end + 1, "{}", "return", 0)


RULES = (operator_sites, constant_sites, condition_sites, call_sites, return_sites)


def sites_in(file: str, text: str):
    code = blanked(text)
    skipped = assertion_spans(code)
    line_starts = [0] + [k + 1 for k, c in enumerate(text) if c == "\n"]
    import bisect
    for rule in RULES:
        for site in rule(file, text, code):
            if any(a <= site.start < b for a, b in skipped):
                continue
            line = bisect.bisect_right(line_starts, site.start)
            yield Site(site.file, site.start, site.end, site.replacement, site.rule, line)


def all_sites(root: pathlib.Path):
    sites = []
    for file in product_files(root):
        text = (root / file).read_text(encoding="utf-8")
        sites.extend(sites_in(file, text))
    return sites
