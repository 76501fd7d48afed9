#!/usr/bin/env python3
"""Mutation check: how many small faults planted in the product code do the
suites notice?

Every candidate site in the libraries under src/ is found by operator: a
comparison swapped for its neighbour, an integer literal off by one, && and ||
swapped, an if's condition negated, a lone call statement removed. Comments,
string and character literals and preprocessor lines are never touched. The
sites are sorted by file, line, column and operator, shuffled with a seeded
generator, the sites known to change nothing are dropped (EQUIVALENT says which
and why) and the first --count are tried, so a seed names the same sample on
the same tree and a fair sample on a changed one. Only the libraries named by
--libraries are mutated.

Each mutant is written into one scratch copy of the tree (an archive of a
commit, or a copy of a working tree), built without optimisation by Ninja
(through ccache when it is installed), and the GoogleTest programs whose link
depends on the mutated file run it: the library's own program is built and run
first, the others only when it has passed; a failure or a time-out kills it. Each result is
kept in the scratch folder under the tree's digest, so the same command run
again (or with a larger --count) goes on where the last one stopped. The end-to-end, packaging and soak suites are
skipped for speed. A mutant that does not compile is listed apart and not
counted.

    scripts/mutate.py                     # 40 mutants, the default seed, HEAD
    scripts/mutate.py --count 400         # a steadier figure
    scripts/mutate.py --commit da1e20e --report before.md
    scripts/mutate.py --libraries board,game  # only these libraries under src/
"""

import argparse
import bisect
import io
import json
import os
import random
import hashlib
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tarfile
import tempfile
import time
from dataclasses import dataclass, field

DEFAULT_SEED = 9
SOURCE_SUFFIXES = (".cpp", ".cc", ".h", ".hpp")
SKIPPED_TESTS = r"^(e2e|soak|packaging)\."
BUILD_FOLDER = "build"
# The libraries whose suites are quick enough to try a mutant in within a
# minute or two; sound's suites play real time and ui's start windows.
DEFAULT_LIBRARIES = "board,game,presentation,files,history"

# --------------------------------------------------------------------------
# Reading C++ just well enough to find mutation sites.

PUNCTUATORS = sorted(
    """<<= >>= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len, reverse=True)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|'(?=\w)|[\w.])*")
INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|0[bB][01']+|\d[\d']*)([uUlLzZ]*)$")
STRING_START = re.compile(r'(?:u8|u|U|L)?(R?)"')
CHAR_START = re.compile(r"(?:u8|u|U|L)?'")
RAW_DELIMITER = re.compile(r'[^()\\\s]{0,16}\(')


@dataclass
class Token:
    kind: str  # "id", "num", "str", "punct"
    text: str
    start: int
    end: int
    match: int = -1  # index of the partner bracket
    code: bool = False  # inside a function body, at the top of a block
    in_code_block: bool = False  # the innermost enclosing bracket is a code block


def tokenize(text):
    tokens = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "\\" and text.startswith("\n", i + 1):
            i += 2
            continue
        if line_start and c == "#":
            # A directive runs to the end of the line, continuation lines included.
            while i < n and text[i] != "\n":
                if text.startswith("\\\n", i):
                    i += 1
                elif text.startswith("/*", i):
                    close = text.find("*/", i + 2)
                    i = n if close < 0 else close + 1
                i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            close = text.find("\n", i)
            i = n if close < 0 else close
            continue
        if text.startswith("/*", i):
            close = text.find("*/", i + 2)
            i = n if close < 0 else close + 2
            continue
        string = STRING_START.match(text, i)
        if string and string.group(1):
            delimiter = RAW_DELIMITER.match(text, string.end())
            if delimiter:
                closing = ")" + delimiter.group(0)[:-1] + '"'
                close = text.find(closing, delimiter.end())
                end = n if close < 0 else close + len(closing)
                tokens.append(Token("str", text[i:end], i, end))
                i = end
                continue
        quote = string or CHAR_START.match(text, i)
        if quote:
            mark = text[quote.end() - 1]
            j = quote.end()
            while j < n and text[j] != mark and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            end = min(j + 1, n)
            tokens.append(Token("str", text[i:end], i, end))
            i = end
            continue
        word = IDENTIFIER.match(text, i)
        if word:
            tokens.append(Token("id", word.group(0), i, word.end()))
            i = word.end()
            continue
        number = NUMBER.match(text, i)
        if number:
            tokens.append(Token("num", number.group(0), i, number.end()))
            i = number.end()
            continue
        for punctuator in PUNCTUATORS:
            if text.startswith(punctuator, i):
                break
        else:
            punctuator = c
        tokens.append(Token("punct", punctuator, i, i + len(punctuator)))
        i += len(punctuator)
    return tokens


CODE_AFTER = {")", "]", "else", "do", "try", "mutable", "noexcept", "const", "override", "final"}


def classify(tokens):
    """Pairs brackets and marks which braces open code (function bodies and
    blocks), as opposed to classes, namespaces, enumerations and initialisers."""
    stack = []  # (index, is code)
    for index, token in enumerate(tokens):
        token.in_code_block = bool(stack) and tokens[stack[-1][0]].text == "{" and stack[-1][1]
        if token.kind != "punct":
            continue
        if token.text in "([{":
            code = False
            if token.text == "{":
                before = tokens[index - 1].text if index else ""
                enclosing_code = bool(stack) and stack[-1][1] and tokens[stack[-1][0]].text == "{"
                if before in CODE_AFTER:
                    code = True
                elif before in (";", "{", "}") and enclosing_code:
                    code = True
                elif before == ":" and enclosing_code:
                    code = True
                else:
                    # A trailing return type: ") -> Type {".
                    j = index - 1
                    while j > 0 and tokens[j].text not in (";", "{", "}", "(", ")", "->", "=", ","):
                        j -= 1
                    code = tokens[j].text == "->" and j > 0 and tokens[j - 1].text in CODE_AFTER
            elif stack:
                code = stack[-1][1]  # a lambda in an argument list still opens code
            stack.append((index, code))
            token.code = code
        elif token.text in ")]}" and stack:
            opening, code = stack.pop()
            tokens[opening].match = index
            token.match = opening
            token.code = code


# --------------------------------------------------------------------------
# Mutation sites.

@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the tree
    line: int
    column: int
    operator: str
    start: int
    end: int
    replacement: str

    def key(self):
        return (self.path, self.line, self.column, self.operator, self.replacement)

    def library(self):
        parts = self.path.split("/")
        return parts[1] if len(parts) > 2 else parts[0]


NEIGHBOUR = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
NOT_A_CALL = {"return", "delete", "throw", "goto", "case", "default", "new", "sizeof", "static_assert",
              "co_return", "co_await", "co_yield", "typedef", "using", "else", "do", "if", "while", "for",
              "switch", "break", "continue", "assert", "emit", "Q_EMIT", "decltype", "alignof", "typeid",
              "static_cast", "reinterpret_cast", "const_cast", "dynamic_cast", "template", "typename",
              "operator", "co_await", "requires"}
MACRO = re.compile(r"[A-Z][A-Z0-9_]*$")


def spaced(text, token):
    return token.start > 0 and text[token.start - 1].isspace() and token.end < len(text) and text[token.end].isspace()


def off_by_one(literal, delta):
    match = INTEGER.match(literal)
    digits, suffix = match.group(1).replace("'", ""), match.group(2)
    if digits[:2] in ("0x", "0X"):
        value = int(digits, 16) + delta
        body = format(value, "x")
        body = body.upper() if any(ch.isupper() for ch in digits[2:]) else body
        return digits[:2] + body.rjust(len(digits) - 2, "0") + suffix
    if digits[:2] in ("0b", "0B"):
        return digits[:2] + format(int(digits, 2) + delta, "b").rjust(len(digits) - 2, "0") + suffix
    return str(int(digits, 10 if digits == "0" or digits[0] != "0" else 8) + delta) + suffix


def call_statement_end(tokens, k):
    """The index of the ';' if a lone call statement begins at k (a.b->c(x).d(y);)."""
    j = k
    if tokens[j].text == "::":
        j += 1
    called = False
    while True:
        if j >= len(tokens) or tokens[j].kind != "id":
            return None
        j += 1
        called = False
        while j < len(tokens) and tokens[j].text in ("(", "[") and tokens[j].match > j:
            called = tokens[j].text == "("
            j = tokens[j].match + 1
        if j < len(tokens) and tokens[j].text in (".", "->", "::"):
            j += 1
            continue
        break
    return j if called and j < len(tokens) and tokens[j].text == ";" else None


def statement_starts_at(tokens, k):
    if not tokens[k].in_code_block or k == 0:
        return False
    before = tokens[k - 1]
    if before.text in (";", "{", "}", "else", "do"):
        return before.text != "{" or before.code
    if before.text == ")" and before.match > 0:
        return tokens[before.match - 1].text in ("if", "while", "for")
    if before.text == ":":
        j = k - 2
        while j >= 0 and tokens[j].text not in (";", "{", "}"):
            j -= 1
        return tokens[j + 1].text in ("case", "default")
    return False


def find_sites(path, text):
    tokens = tokenize(text)
    classify(tokens)
    line_starts = [0] + [m.end() for m in re.finditer("\n", text)]

    def mutant(operator, start, end, replacement):
        line = bisect.bisect_right(line_starts, start)
        return Mutant(path, line, start - line_starts[line - 1] + 1, operator, start, end, replacement)

    sites = []
    for k, token in enumerate(tokens):
        before = tokens[k - 1].text if k else ""
        after = tokens[k + 1].text if k + 1 < len(tokens) else ""
        if token.kind == "punct" and token.text in NEIGHBOUR and before != "operator":
            # Angle brackets of templates are written without spaces around them.
            if token.text in ("==", "!=") or spaced(text, token):
                sites.append(mutant("comparison", token.start, token.end, NEIGHBOUR[token.text]))
        elif token.kind == "punct" and token.text in ("&&", "||") and spaced(text, token):
            sites.append(mutant("and-or", token.start, token.end, "||" if token.text == "&&" else "&&"))
        elif token.kind == "num" and INTEGER.match(token.text):
            pure_virtual = before == "=" and after == ";" and k > 1 and tokens[k - 2].text in CODE_AFTER
            if not pure_virtual:
                for delta in (1, -1):
                    if delta < 0 and re.fullmatch(r"[0xXbB']*", INTEGER.match(token.text).group(1)):
                        continue  # no -1 in place of a zero
                    sites.append(mutant("literal", token.start, token.end, off_by_one(token.text, delta)))
        elif token.kind == "id" and token.text == "if" and after == "(" and token.in_code_block:
            opening = k + 1
            closing = tokens[opening].match
            if closing <= opening:
                continue
            # After an init-statement ("if (auto x = f(); x > 0)") only the condition is negated.
            first = j = opening + 1
            while j < closing:
                if tokens[j].text in ("(", "[", "{") and tokens[j].match > j:
                    j = tokens[j].match
                elif tokens[j].text == ";":
                    first = j + 1
                j += 1
            inner = tokens[first:closing]
            declares = any(t.text == "=" for t in inner)
            if inner and not declares:
                start, end = inner[0].start, inner[-1].end
                sites.append(mutant("negation", start, end, "!(" + text[start:end] + ")"))
        elif (token.kind == "id" or token.text == "::") and statement_starts_at(tokens, k):
            name = token.text if token.kind == "id" else tokens[k + 1].text if k + 1 < len(tokens) else ""
            if name in NOT_A_CALL or MACRO.match(name):
                continue
            semicolon = call_statement_end(tokens, k)
            if semicolon is None:
                continue
            # After an if, else or loop header an empty block keeps the next statement where it was.
            empty = "{}" if before in (")", "else", "do") else ""
            sites.append(mutant("removed-call", token.start, tokens[semicolon].end, empty))
    return sites


# Sites whose mutants change no behaviour a player or a file could see: each
# kind is (name, operators, pattern the mutated span's line must match with the
# span inside the pattern's group 1, why no test can tell).
EQUIVALENT = [
    ("reserve", {"literal", "comparison", "removed-call"}, re.compile(r"(\w+(?:\.|->)[rR]eserve\(.*\);?)"),
     "a reserve only sizes the capacity; what is stored stays the same"),
    ("memory estimate", {"literal", "comparison", "negation"}, re.compile(r"(.*\bcapacity\(\).*)"),
     "a line that counts capacities only estimates memory for the benchmarks; no rule reads it"),
    ("query hint", {"removed-call"}, re.compile(r"(\w+\.setForwardOnly\(.*\);)"),
     "a forward-only query reads the same rows, with less memory"),
    ("durability", {"removed-call"},
     re.compile(r"((?:syncFolder|::fsync|::fdatasync)\(.*\);|\w+\.exec\(QStringLiteral\(\"PRAGMA synchronous = \w+\"\)\);)"),
     "a sync only matters when the power fails before the disk has the data"),
    ("busy timeout", {"literal"}, re.compile(r"(kBusyMilliseconds = \d+)"),
     "how long a locked history is waited for; only the timing changes"),
    ("deadline", {"comparison"}, re.compile(r"(steady_clock::now\(\) >=? deadline)"),
     "whether a wait ends on the very tick of its deadline or one later is only timing"),
    ("connection name", {"literal"}, re.compile(r"static std::atomic<int> (counter\{\d+\})"),
     "the counter only keeps connection names apart; any start does"),
    ("index growth", {"literal", "comparison"},
     re.compile(r"(oldSize > \d+|m_otherKeys\.size\(\) > 2 \* .* \+ \d+|m_popped > std::numeric_limits<uint32_t>::max\(\) / \d+)"),
     "when a brick index grows or is compacted changes its speed and size, never what it finds"),
    ("retry count", {"literal"}, re.compile(r"for \(int (?:attempt|retry|tries)\w* = 0; \w+ < (\d+);"),
     "how often a lost race for the settings file is run again; telling 16 from 15 needs 16 races lost in a row"),
    ("poll interval", {"literal"}, re.compile(r"sleep_for\((.*)\)"),
     "how long a wait sleeps between polls; only the timing changes"),
]


def equivalent(text, site):
    """The reason a site's mutant changes nothing, or None."""
    begin = text.rfind("\n", 0, site.start) + 1
    end = text.find("\n", site.start)
    line = text[begin:end if end >= 0 else len(text)]
    for name, operators, pattern, why in EQUIVALENT:
        if site.operator not in operators:
            continue
        for match in pattern.finditer(line):
            if match.start(1) <= site.start - begin and site.end - begin <= match.end(1):
                return name, why
    return None


def all_sites(tree, libraries):
    sites = []
    source_root = os.path.join(tree, "src")
    for folder, _, files in os.walk(source_root):
        relative = os.path.relpath(folder, tree)
        if relative == "src":
            continue  # main.cpp belongs to no library; only the end-to-end tests run it
        if relative.split(os.sep)[1] not in libraries:
            continue
        for name in files:
            if name.endswith(SOURCE_SUFFIXES):
                path = os.path.join(relative, name).replace(os.sep, "/")
                with open(os.path.join(tree, path), encoding="utf-8", errors="surrogateescape") as f:
                    text = f.read()
                sites.extend((site, equivalent(text, site)) for site in find_sites(path, text))
    sites.sort(key=lambda pair: pair[0].key())
    return sites


def sample(sites, seed, count):
    """The first count sites of the seeded shuffle that may change behaviour.
    The equivalent sites are shuffled too, so that a new kind of them leaves
    the order of the others as it was."""
    shuffled = list(sites)
    random.Random(seed).shuffle(shuffled)
    return [site for site, reason in shuffled if reason is None][:count]


# --------------------------------------------------------------------------
# The scratch copy, its build and its suites.

def run(command, **kwargs):
    return subprocess.run(command, check=True, text=True, **kwargs)


def tree_files(args):
    """Path -> (bytes, executable) of the tree to mutate."""
    files = {}
    if args.tree:
        listing = run(["git", "-C", args.tree, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                      stdout=subprocess.PIPE).stdout
        for path in filter(None, listing.split("\0")):
            full = os.path.join(args.tree, path)
            if os.path.isfile(full) and not os.path.islink(full):
                with open(full, "rb") as f:
                    files[path] = (f.read(), os.access(full, os.X_OK))
        return files
    archive = subprocess.run(["git", "-C", args.repo, "archive", "--format=tar", args.commit],
                             check=True, stdout=subprocess.PIPE).stdout
    with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
        for member in tar.getmembers():
            if member.isfile():
                files[member.name] = (tar.extractfile(member).read(), bool(member.mode & 0o111))
    return files


def sync_tree(files, root):
    """Writes only what differs, so that the build stays incremental between runs."""
    for path, (content, executable) in files.items():
        full = os.path.join(root, path)
        try:
            with open(full, "rb") as f:
                same = f.read() == content
        except OSError:
            same = False
        if not same:
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "wb") as f:
                f.write(content)
        os.chmod(full, 0o755 if executable else 0o644)
    for folder, folders, names in os.walk(root, topdown=False):
        if os.path.relpath(folder, root).split(os.sep)[0] == BUILD_FOLDER:
            continue
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), root)
            if path not in files:
                os.remove(os.path.join(folder, name))
        if folder != root and not os.listdir(folder) and os.path.relpath(folder, root) != BUILD_FOLDER:
            os.rmdir(folder)


@dataclass
class Suite:
    program: str  # absolute path
    cwd: str
    env: dict
    filters: list = field(default_factory=list)
    baseline: float = 0.0

    def name(self):
        return os.path.basename(self.program)


def install_tools(repo):
    """The packages the suites need, and Ninja. ccache speeds the rebuilds up
    where it is installed but is not needed."""
    run([os.path.join(repo, "scripts", "deps.sh"), "mutate"])


def configure(source, build):
    # No optimisation and no debug information: a mutant's rebuild and the
    # links are what a mutant costs, far more than its suites at -O0.
    command = ["cmake", "-S", source, "-B", build, "-G", "Ninja", "-DBUILD_TESTING=ON", "-DTOLMORA_BENCHMARKS=OFF",
               "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    stamp = os.path.join(build, "mutate-configured")
    try:
        with open(stamp) as f:
            if f.read() == repr(command) and os.path.exists(os.path.join(build, "build.ninja")):
                return
    except OSError:
        pass
    if os.path.exists(os.path.join(build, "CMakeCache.txt")):
        os.remove(os.path.join(build, "CMakeCache.txt"))
    run(command, stdout=subprocess.DEVNULL)
    with open(stamp, "w") as f:
        f.write(repr(command))


def discover_suites(build, skipped):
    listing = json.loads(run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                             stdout=subprocess.PIPE).stdout)
    suites = {}
    for test in listing.get("tests", []):
        command = test.get("command") or []
        if re.search(skipped, test["name"]) or not command:
            continue
        filters = [arg.split("=", 1)[1] for arg in command[1:] if arg.startswith("--gtest_filter=")]
        if not filters:
            print(f"note: {test['name']} is no GoogleTest case and is not run", file=sys.stderr)
            continue
        if not os.path.exists(command[0]):
            print(f"note: {test['name']} is not built and is not run", file=sys.stderr)
            continue
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = dict(os.environ)
        for setting in properties.get("ENVIRONMENT", []):
            key, _, value = setting.partition("=")
            env[key] = value
        suite = suites.setdefault(command[0], Suite(command[0], properties.get("WORKING_DIRECTORY", build), env))
        suite.filters.extend(filters)
    return list(suites.values())


def run_suites(suites, jobs, timeout_of):
    """Runs the suites side by side; returns (outcome, detail, seconds) once one
    fails or all pass. outcome is 'passed', 'failed' or 'timeout'."""
    started = time.monotonic()
    waiting = list(suites)
    running = {}
    result = ("passed", "", 0.0)
    try:
        while (waiting or running) and result[0] == "passed":
            while waiting and len(running) < jobs:
                suite = waiting.pop(0)
                command = [suite.program, "--gtest_filter=" + ":".join(suite.filters), "--gtest_fail_fast",
                           "--gtest_brief=1"]
                output = tempfile.TemporaryFile()
                process = subprocess.Popen(command, cwd=suite.cwd, env=suite.env, stdout=output,
                                           stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, start_new_session=True)
                running[process] = (suite, time.monotonic(), output)
            time.sleep(0.05)
            for process, (suite, began, output) in list(running.items()):
                elapsed = time.monotonic() - began
                if process.poll() is None:
                    if elapsed > timeout_of(suite):
                        result = ("timeout", suite.name(), elapsed)
                    continue
                output.seek(0)
                output = output.read().decode(errors="replace")
                del running[process]
                suite.last = elapsed
                if process.returncode != 0:
                    failed = re.findall(r"^\[  FAILED  \] (\S+)", output, re.M)
                    result = ("failed", suite.name() + (": " + failed[0] if failed else f" (exit {process.returncode})"),
                              elapsed)
                    suite.output = output
    finally:
        for process in running:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
    return result[0], result[1], time.monotonic() - started


def test_programs(build):
    """The programs built under tests/; the product, tools and benchmarks are
    built only as far as the tests need them."""
    listing = subprocess.run(["ninja", "-C", build, "-t", "targets", "all"], check=True, text=True,
                             stdout=subprocess.PIPE).stdout
    return sorted({line.split(":")[0] for line in listing.splitlines()
                   if re.match(r"tests/[^\s\[]+: CXX_EXECUTABLE_LINKER", line)})


def ninja(build, targets, jobs, dry=False):
    command = ["ninja", "-C", build, f"-j{jobs}"] + (["-n"] if dry else []) + targets
    return subprocess.run(command, text=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def dependent_suites(source, build, path, suites, jobs):
    """The suites whose programs a change to this file rebuilds: touch it, ask
    Ninja what it would do, and put the file's time back."""
    full = os.path.join(source, path)
    stat = os.stat(full)
    os.utime(full, None)
    try:
        plan = ninja(build, [os.path.relpath(s.program, build) for s in suites], jobs, dry=True).stdout
    finally:
        os.utime(full, ns=(stat.st_atime_ns, stat.st_mtime_ns))
    if "Re-running CMake" in plan:
        # A configure step that runs on every build (a CONFIGURE_DEPENDS glob)
        # hides the plan from a dry run: no suite would ever be found.
        raise SystemExit("the build re-runs CMake on every call, so the suites a file reaches cannot be told")
    linked = set(re.findall(r"Linking \S+ executable (\S+)", plan))
    return [s for s in suites if os.path.relpath(s.program, build) in linked]


# --------------------------------------------------------------------------

def line_of(text, start):
    begin = text.rfind("\n", 0, start) + 1
    end = text.find("\n", start)
    return text[begin:end if end >= 0 else len(text)].strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED, help=f"sample seed (default {DEFAULT_SEED})")
    parser.add_argument("--count", type=int, default=40, help="mutants to try (default 40)")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--commit", default="HEAD", help="commit of this repository to mutate (default HEAD)")
    where.add_argument("--tree", help="a working tree to mutate as it is, uncommitted changes included")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs and suites run side by side (default 2)")
    parser.add_argument("--workdir", help="scratch folder (default build-mutate/ in this repository)")
    parser.add_argument("--skip", default=SKIPPED_TESTS, help=f"CTest names not run (default {SKIPPED_TESTS!r})")
    parser.add_argument("--timeout", type=float, default=60,
                        help="least seconds a suite may run before its mutant counts as killed (default 60);"
                             " a slow suite gets five times its unmutated time")
    parser.add_argument("--libraries", default=DEFAULT_LIBRARIES,
                        help=f"comma-separated folders under src/ to mutate (default {DEFAULT_LIBRARIES})")
    parser.add_argument("--report", help="also write the report to this Markdown file")
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    args = parser.parse_args()

    here = os.path.dirname(os.path.abspath(__file__))
    args.repo = run(["git", "-C", here, "rev-parse", "--show-toplevel"], stdout=subprocess.PIPE).stdout.strip()
    if args.tree:
        args.tree = os.path.abspath(args.tree)
        label = f"tree {args.tree}"
    else:
        args.commit = run(["git", "-C", args.repo, "rev-parse", "--verify", args.commit + "^{commit}"],
                          stdout=subprocess.PIPE).stdout.strip()
        label = f"commit {args.commit}"
    workdir = os.path.abspath(args.workdir or os.path.join(args.repo, "build-mutate"))
    # The build sits inside the copy, as in a checkout, so that compiler cache
    # entries made here and in another scratch folder serve each other.
    source = os.path.join(workdir, "tree")
    build = os.path.join(source, BUILD_FOLDER)
    os.makedirs(source, exist_ok=True)
    began = time.monotonic()

    files = tree_files(args)
    sync_tree(files, source)
    libraries = set(filter(None, args.libraries.split(",")))
    sites = all_sites(source, libraries)
    chosen = sample(sites, args.seed, args.count)
    texts = {}
    for m in chosen:
        if m.path not in texts:
            with open(os.path.join(source, m.path), "rb") as f:
                texts[m.path] = f.read()
    if args.list:
        for m in chosen:
            text = texts[m.path].decode(errors="surrogateescape")
            print(f"{m.path}:{m.line}:{m.column} {m.operator} {text[m.start:m.end]!r} -> {m.replacement!r}")
        return 0

    # What a mutant did is kept under the digest of the tree and of how it was
    # tried, so that a run cut short goes on where it stopped.
    # Scripts and prose build nothing and no suite reads them.
    digest = hashlib.sha256(repr((args.skip, args.timeout)).encode())
    for path in sorted(files):
        if not (path.startswith(("scripts/", "docs/")) or path.endswith(".md")):
            digest.update(path.encode() + b"\0" + files[path][0] + b"\0")
    kept_path = os.path.join(workdir, f"results-{digest.hexdigest()[:16]}.jsonl")
    kept = {}
    if os.path.exists(kept_path):
        with open(kept_path, encoding="utf-8") as f:
            for line in f:
                try:
                    entry = json.loads(line)
                except ValueError:
                    continue  # a line cut by a kill
                kept[tuple(entry["key"])] = entry

    log = lambda message: print(message, file=sys.stderr, flush=True)
    skipped = len(sites) - sum(reason is None for _, reason in sites)
    log(f"{label}: {len(sites)} sites, {skipped} of them equivalent; trying {len(chosen)} with seed {args.seed},"
        f" {sum(tuple(m.key()) in kept for m in chosen)} of them tried before")
    install_tools(args.repo)
    configure(source, build)
    built = ninja(build, test_programs(build), args.jobs)
    if built.returncode != 0:
        log(built.stdout[-4000:])
        log("the unmutated tree does not build")
        return 2
    suites = discover_suites(build, args.skip)
    dependents = {path: dependent_suites(source, build, path, suites, args.jobs) for path in texts}
    # Only the suites some mutant will run need a baseline.
    needed = [s for s in suites if any(s in chosen_suites for chosen_suites in dependents.values())]
    if not needed:
        log("no suite reaches any sampled file: the figure would mean nothing")
        return 2
    outcome, detail, seconds = run_suites(needed, args.jobs, lambda s: 600)
    if outcome != "passed":
        failing = next((s for s in needed if getattr(s, "output", None)), None)
        log((failing.output[-4000:] if failing else "") + f"\nthe unmutated suites do not pass: {detail}")
        return 2
    for suite in needed:
        suite.baseline = suite.last
    log(f"unmutated suites pass in {seconds:.1f} s: "
        + ", ".join(f"{s.name()} {s.baseline:.1f} s" for s in needed))
    timeout_of = lambda s: max(args.timeout, 5 * s.baseline)

    def build_and_run(targets):
        """(outcome, detail, build seconds, test seconds). The first program is
        built and run alone: most mutants fail it, and the other programs need
        not be linked for them."""
        build_seconds = test_seconds = 0.0
        for stage in (targets[:1], targets[1:]):
            if not stage:
                continue
            clock = time.monotonic()
            built = ninja(build, [os.path.relpath(s.program, build) for s in stage], args.jobs)
            build_seconds += time.monotonic() - clock
            if built.returncode != 0:
                errors = re.findall(r"error: (.*)", built.stdout)
                return "uncompiled", errors[0] if errors else "build failed", build_seconds, test_seconds
            outcome, detail, seconds = run_suites(stage, args.jobs, timeout_of)
            test_seconds += seconds
            if outcome != "passed":
                return outcome, detail, build_seconds, test_seconds
        return "passed", "" if targets else "no suite builds this file", build_seconds, test_seconds

    # A run started in the background ignores SIGINT, and kill sends SIGTERM:
    # either stops it between steps, the file restored and the report written.
    def stop(number, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)

    results = []
    mutating = time.monotonic()
    try:
        for number, m in enumerate(chosen, 1):
            original = texts[m.path]
            text = original.decode(errors="surrogateescape")
            mutated = text[:m.start] + m.replacement + text[m.end:]
            before, after = line_of(text, m.start), line_of(mutated, m.start)
            entry = kept.get(tuple(m.key()))
            if entry is None:
                with open(os.path.join(source, m.path), "wb") as f:
                    f.write(mutated.encode(errors="surrogateescape"))
                try:
                    # The mutated library's own suites first, then the quickest: the first
                    # failure ends the mutant's run.
                    own = os.path.join(build, "tests", m.library(), "")
                    targets = sorted(dependents[m.path], key=lambda s: (not s.program.startswith(own), s.baseline))
                    outcome, detail, build_seconds, seconds = build_and_run(targets)
                finally:
                    with open(os.path.join(source, m.path), "wb") as f:
                        f.write(original)
                entry = {"key": list(m.key()), "outcome": outcome, "detail": detail,
                         "build": round(build_seconds, 1), "tests": round(seconds, 1)}
                with open(kept_path, "a", encoding="utf-8") as f:
                    f.write(json.dumps(entry) + "\n")
            outcome, detail = entry["outcome"], entry["detail"]
            status = {"passed": "survived", "failed": "killed", "timeout": "killed", "uncompiled": "uncompiled"}[outcome]
            results.append((m, status, outcome, detail, before, after))
            log(f"[{number}/{len(chosen)}] {m.path}:{m.line} {m.operator}: {after}  -> {status}"
                f" ({detail}; build {entry['build']:.1f} s, tests {entry['tests']:.1f} s)")
    except KeyboardInterrupt:
        log("interrupted; reporting the mutants tried so far")

    timing = (mutating - began, time.monotonic() - mutating)
    report = make_report(args, label, sites, results, timing)
    print(report)
    if args.report:
        with open(args.report, "w", encoding="utf-8") as f:
            f.write(report)
    return 0


def make_report(args, label, sites, results, timing):
    command = "scripts/mutate.py " + " ".join(shlex.quote(a) for a in sys.argv[1:])
    skipped = {}
    for _, reason in sites:
        if reason:
            skipped[reason] = skipped.get(reason, 0) + 1
    lines = [f"# Mutation check", "",
             f"- command: `{command.strip()}`",
             f"- {label}, seed {args.seed}, {len(results)} of {len(sites) - sum(skipped.values())} sites"
             f" in src/{{{args.libraries}}} ({sum(skipped.values())} more left out as equivalent)",
             f"- {timing[0] / 60:.1f} minutes to build and pass the unmutated suites,"
             f" {timing[1] / 60:.1f} minutes for the mutants", "",
             "| library | killed | survived | kill rate | timed out | not compiled |",
             "|---|---:|---:|---:|---:|---:|"]
    libraries = sorted({m.library() for m, *_ in results})
    total = [0, 0, 0, 0]
    for library in libraries + [None]:
        rows = [r for r in results if library is None or r[0].library() == library]
        killed = sum(r[1] == "killed" for r in rows)
        survived = sum(r[1] == "survived" for r in rows)
        timed_out = sum(r[2] == "timeout" for r in rows)
        uncompiled = sum(r[1] == "uncompiled" for r in rows)
        rate = f"{100 * killed / (killed + survived):.0f}%" if killed + survived else "-"
        name = f"src/{library}" if library else "**all**"
        lines.append(f"| {name} | {killed} | {survived} | {rate} | {timed_out} | {uncompiled} |")
    lines += ["", "## Survivors", ""]
    lines += [f"- `{m.path}:{m.line}` {m.operator}: `{before}` → `{after}`"
              + (f" ({detail})" if detail else "")
              for m, status, _, detail, before, after in results if status == "survived"] or ["none"]
    lines += ["", "## Left out as equivalent", ""]
    lines += [f"- {name} ({count}): {why}" for (name, why), count in sorted(skipped.items())] or ["none"]
    lines += ["", "## Not compiled", ""]
    lines += [f"- `{m.path}:{m.line}` {m.operator}: `{after}` ({detail})"
              for m, status, _, detail, before, after in results if status == "uncompiled"] or ["none"]
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    sys.exit(main())
