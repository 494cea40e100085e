#!/usr/bin/env python3
"""Mutation runs: which tests catch which faults.

Plants one small fault (a mutant) at a time in the chosen C++ files, rebuilds what changed (the
tree's libraries are shared, so that is one library and no executable), runs the tests whose
executable uses that library and that reach the mutated line (a tree built with --coverage
tells, once per run), two at a time, and records which test functions failed. The results go,
one line per mutant, to a JSON-lines file in the build folder, so that a run can be stopped and
resumed; the report is computed from that file.

  tools/mutation.sh [--build DIR] [--sample N] [--seed S] [--every-test] PATH...
  tools/mutation.sh --report [--against RESULTS] [--sample N] [--seed S] PATH...

PATH is a file or a folder of .cpp files, relative to the source folder. Kept out of CI: a
mutant costs a compile, a library's link and the tests that use it.
"""

import argparse
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from collections import defaultdict
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

# Binary operators are only taken with a blank on each side, as the code is formatted: that
# keeps template brackets, streams and pointers out.
SPACED = [
    ("==", "!="), ("!=", "=="), ("<=", "<"), (">=", ">"), ("<", "<="), (">", ">="),
    ("&&", "||"), ("||", "&&"), ("+", "-"), ("-", "+"), ("*", "/"), ("/", "*"),
]
WORDS = [("true", "false"), ("false", "true")]
NUMBER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
NOT = re.compile(r"!(?=[\w(])")
# "FAIL!  : Class::function(row) ...": the row is empty for a function without a table.
FAIL = re.compile(r"^FAIL!\s+:\s+(\w+)::(\w+)\((.*?)\)\s", re.M)


def blank_literals(line):
    """The line with string and character literals and a trailing comment blanked out, so that
    columns still match the original."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
        elif c in "\"'":
            # A digit separator, as in 60'000, is no quote.
            if c == "'" and i > 0 and line[i - 1].isdigit():
                out.append(c)
            else:
                quote = c
                out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))[: len(line)]


def mutants_of(path, text):
    """Every mutant of one file: (id, line number, description, mutated text)."""
    lines = text.split("\n")
    found = []
    in_comment = False
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "*")) or "static_assert" in line:
            continue
        code = blank_literals(line)
        edits = []
        for old, new in SPACED:
            for m in re.finditer(r"(?<=\s)" + re.escape(old) + r"(?=\s)", code):
                edits.append((m.start(), len(old), new, f"{old} -> {new}"))
        for old, new in WORDS:
            for m in re.finditer(r"\b" + old + r"\b", code):
                edits.append((m.start(), len(old), new, f"{old} -> {new}"))
        for m in NOT.finditer(code):
            edits.append((m.start(), 1, "", "! removed"))
        for m in NUMBER.finditer(code):
            value = int(m.group(1))
            edits.append((m.start(), len(m.group(1)), str(value + 1), f"{value} -> {value + 1}"))
        for column, length, new, what in edits:
            mutated = line[:column] + new + line[column + length :]
            body = "\n".join(lines[: number - 1] + [mutated] + lines[number:])
            found.append((f"{path}:{number}:{column + 1}:{what}", number, what, body))
    return found


def gcov_counts(gcdas, directory):
    """(source file, line, count) for each line that gcov counts in the given .gcda files, whose
    objects were compiled in directory."""
    report = subprocess.run(["gcov", "--json-format", "--stdout", *gcdas], cwd=directory,
                            text=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    for document in report.stdout.splitlines():
        for entry in json.loads(document).get("files", []):
            # Relative to the compiler's folder, as ccache may give it.
            path = os.path.realpath(os.path.join(directory, entry["file"]))
            for line in entry["lines"]:
                yield path, line["line_number"], line["count"]


class Run:
    def __init__(self, source, build, timeout_factor=3):
        self.source = source
        self.build = build
        self.results = build / "mutation-results.jsonl"
        self.backup = build / "mutation-original"
        self.times = build / "mutation-baseline.json"
        self.timeout_factor = timeout_factor
        self.tests = {}  # ctest name -> (executable, seconds at baseline)
        self.loads = {}  # executable -> the shared libraries it loads
        self.users = {}  # source file -> the tests that use its library
        self.objects = None  # source file -> its objects in the build tree
        self.sources = None  # object in the build tree -> its source file
        self.coverage = build.parent / (build.name + "-coverage")
        self.lines = {}  # source file -> the lines gcov can count
        self.reached = {}  # test -> source file -> the lines it runs; absent: it always runs
        self.skipped = None  # a pattern of ctest names left out of every mutant

    # -- the build tree --------------------------------------------------------------------
    def configure(self):
        # The libraries shared: a mutant rebuilds one of them and relinks no test executable.
        subprocess.run(["cmake", "--preset", "dev", "-B", str(self.build), "-DQM_BENCH=OFF",
                        "-DQM_SHARED_LIBS=ON", "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"],
                       cwd=self.source, check=True, stdout=sys.stderr)

    def compile(self, timeout=None):
        # The whole tree's first build may take an hour on a loaded machine: only a mutant's
        # rebuild has a limit, past which it counts as stillborn.
        try:
            done = subprocess.run(["cmake", "--build", str(self.build)], cwd=self.source,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                  timeout=timeout)
        except subprocess.TimeoutExpired:
            return False
        return done.returncode == 0

    # -- which lines each test reaches ------------------------------------------------------
    def measure_coverage(self, files):
        """Runs each test once in a tree built with --coverage (unoptimised, or lines merge)
        and keeps the lines of the chosen files that it runs. A test that starts programs of
        its own always runs: a child that is killed writes no counts."""
        key = self.coverage / "mutation-lines.json"
        listed = {n: str(e) for n, (e, _) in self.tests.items()}
        # What the tests and the product are, the tools left out.
        stamp = "".join(subprocess.run(command, cwd=self.source, text=True,
                                       stdout=subprocess.PIPE).stdout
                        for command in (["git", "ls-files", "-s", "--", ".", ":!tools"],
                                        ["git", "diff", "HEAD", "--", ".", ":!tools"]))
        stamp = hashlib.sha256(stamp.encode()).hexdigest()
        if key.exists():
            kept = json.loads(key.read_text())
            if kept.get("stamp") == stamp and kept.get("listed") == listed:
                self.lines = {f: set(v) for f, v in kept["lines"].items()}
                self.reached = {t: {f: set(v) for f, v in r.items()}
                                for t, r in kept["reached"].items()}
                return
        subprocess.run(["cmake", "--preset", "dev", "-B", str(self.coverage), "-DQM_BENCH=OFF",
                        "-DQM_SHARED_LIBS=ON", "-DQM_WERROR=OFF",
                        "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON",
                        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O0 -g -DNDEBUG",
                        "-DCMAKE_CXX_FLAGS=--coverage", "-DCMAKE_EXE_LINKER_FLAGS=--coverage",
                        "-DCMAKE_SHARED_LINKER_FLAGS=--coverage"],
                       cwd=self.source, check=True, stdout=sys.stderr)
        subprocess.run(["cmake", "--build", str(self.coverage)], cwd=self.source, check=True,
                       stdout=sys.stderr)
        counted = {}  # gcda file -> (source file, the compiler's folder)
        wanted = {os.path.realpath(self.source / f): str(f) for f in files}
        for source, out, directory in self.compiled(self.coverage):
            if name := wanted.get(source):
                counted[os.path.splitext(os.path.join(directory, out))[0] + ".gcda"] = (
                    name, directory)
        self.lines, self.reached = defaultdict(set), {}
        for name, (exe, _) in self.tests.items():
            for gcda in self.coverage.rglob("*.gcda"):
                gcda.unlink()
            if self.starts_processes(exe):
                continue
            ran = subprocess.run(["ctest", "--test-dir", str(self.coverage), "-R",
                                  "^" + re.escape(name) + "$", "--timeout", "600"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if ran.returncode != 0:
                print(f"{name} fails in the coverage tree: it always runs", file=sys.stderr)
                continue
            reached = defaultdict(set)
            for gcda, (source, directory) in counted.items():
                if not os.path.exists(gcda):
                    continue
                for path, number, count in gcov_counts([gcda], directory):
                    if wanted.get(path) == source:
                        self.lines[source].add(number)
                        if count:
                            reached[source].add(number)
            self.reached[name] = reached
        key.write_text(json.dumps({
            "stamp": stamp, "listed": listed,
            "lines": {f: sorted(v) for f, v in self.lines.items()},
            "reached": {t: {f: sorted(v) for f, v in r.items()} for t, r in self.reached.items()},
        }))

    def starts_processes(self, exe):
        """Whether the test's own sources, or the project headers they include, start a
        program (QProcess, fork, exec)."""
        if self.sources is None:
            self.sources = {os.path.realpath(self.build / out): source
                            for source, out, _ in self.compiled(self.build)}
        sources = set()
        for line in self.inputs(exe):
            source = self.sources.get(os.path.realpath(self.build / line))
            if source and "/tests/" in source:
                sources.add(Path(source))
        seen = set()
        while sources:
            path = sources.pop()
            if path in seen or not path.exists():
                continue
            seen.add(path)
            text = path.read_text(errors="replace")
            if re.search(r"\bQProcess\b|\bfork\s*\(|\bexec[lv]p?e?\s*\(|posix_spawn", text):
                return True
            for included in re.findall(r'#include "([^"]+)"', text):
                for folder in (path.parent, self.source / "tests" / "support", self.source):
                    sources.add(folder / included)
        return False

    def reaching(self, path, line, tests):
        """The tests that may see a mutant of path at line: those that run the line, and
        those whose lines are not known (gcov counts no such line, or the test is not
        measured)."""
        if line not in self.lines.get(str(path), ()):
            return tests
        return [t for t in tests
                if t not in self.reached or line in self.reached[t].get(str(path), ())]

    def restore(self):
        """Puts back any file a stopped run left mutated."""
        if not self.backup.exists():
            return
        for saved in self.backup.rglob("*"):
            if saved.is_file():
                # A fresh time stamp, so that the build takes the file back.
                shutil.copyfile(saved, self.source / saved.relative_to(self.backup))
                saved.unlink()

    def baseline(self):
        listing = subprocess.run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"],
                                 stdout=subprocess.PIPE, check=True, text=True)
        listed = {}
        for test in json.loads(listing.stdout)["tests"]:
            command = test.get("command") or []
            # A font run (<test>@<family>) repeats some of its test's functions under another
            # font: it catches layouts that break, not the faults planted here, and would only
            # run them again.
            if command and "@" not in test["name"]:
                listed[test["name"]] = command[0]
        kept = json.loads(self.times.read_text()) if self.times.exists() else {}
        if kept.get("listed") == listed:
            self.tests = {n: (Path(listed[n]), s) for n, s in kept["passed"].items()}
        else:
            self.tests = {n: (Path(e), 0.0) for n, e in listed.items()}
            _, _, seconds = self.run_tests(list(listed), timeout=600)
            for name in listed:
                if name not in seconds:
                    print(f"leaving out {name}: it fails without any mutant", file=sys.stderr)
                    del self.tests[name]
                else:
                    self.tests[name] = (self.tests[name][0], seconds[name])
            passed = {n: s for n, (_, s) in self.tests.items()}
            self.times.write_text(json.dumps({"listed": listed, "passed": passed}))
        for exe in {exe for exe, _ in self.tests.values()}:
            self.loads[exe] = self.libraries(exe)
            # A test may run what it checks in a program of its own (a driver it starts as a
            # child): the driver, and what the driver loads, count as the test's.
            for helper in self.helpers(exe):
                self.loads[exe] |= {helper} | self.libraries(helper)

    def inputs(self, exe):
        """What ninja's graph gives as the inputs of exe, a line each; none for a program that
        the tree does not build (a tool of the system, such as bash running a script)."""
        target = os.path.relpath(os.path.realpath(exe), os.path.realpath(self.build))
        if target.startswith(".."):
            return []
        query = subprocess.run(["ninja", "-C", str(self.build), "-t", "query", target],
                               stdout=subprocess.PIPE, text=True).stdout
        return [line.strip() for line in query.partition("  outputs:\n")[0].splitlines()]

    def helpers(self, exe):
        """The executables that the build makes before exe for it (add_dependencies)."""
        found = set()
        for line in self.inputs(exe):
            if not line.startswith("|| "):
                continue
            path = os.path.realpath(self.build / line[3:])
            if os.path.isfile(path) and os.access(path, os.X_OK) and ".so" not in path:
                found.add(path)
        return found

    @staticmethod
    def libraries(exe):
        """The shared libraries an executable loads, as ldd resolves them."""
        try:
            out = subprocess.run(["ldd", str(exe)], stdout=subprocess.PIPE, text=True).stdout
        except OSError:
            return set()
        return {os.path.realpath(m.group(1)) for m in re.finditer(r"=> (/\S+)", out)}

    def using(self, path):
        """The tests whose executable links path's object, through static libraries or not, or
        loads a shared library built from it, as ninja's graph and ldd tell."""
        if path not in self.users:
            built, todo = set(), list(self.objects_of(path))
            while todo:
                query = subprocess.run(["ninja", "-C", str(self.build), "-t", "query",
                                        todo.pop()], stdout=subprocess.PIPE, text=True).stdout
                for line in query.partition("  outputs:\n")[2].splitlines():
                    out = line.strip()
                    built.add(os.path.realpath(self.build / out))
                    # An executable or a shared library ends the chain; what loads the
                    # library, ldd tells.
                    if out.endswith((".o", ".a")):
                        todo.append(out)
            self.users[path] = sorted(
                n for n, (exe, _) in self.tests.items()
                if os.path.realpath(exe) in built or self.loads.get(exe, set()) & built)
        return self.users[path]

    @staticmethod
    def compiled(tree):
        """(source file, its object relative to the compiler's folder, that folder) for each
        compile command of a build tree."""
        for c in json.loads((tree / "compile_commands.json").read_text()):
            if m := re.search(r" -o (\S+)", c["command"]):
                yield (os.path.realpath(os.path.join(c["directory"], c["file"])), m.group(1),
                       c["directory"])

    def objects_of(self, path):
        if self.objects is None:
            self.objects = defaultdict(list)
            for source, out, _ in self.compiled(self.build):
                self.objects[source].append(out)
        return self.objects[os.path.realpath(self.source / path)]

    def run_tests(self, names, timeout=None):
        """Runs the named ctest tests, two at a time, each with its own time limit; returns
        (all passed, the failures seen, the seconds each passing test took)."""
        # The longest first, so that the short ones fill the other worker meanwhile.
        names = sorted(names, key=lambda n: -self.tests[n][1])
        with ThreadPoolExecutor(2) as pool:
            outcomes = list(pool.map(lambda name: self.run_test(name, timeout), names))
        failures = set().union(*(failed for failed, _ in outcomes))
        seconds = {n: s for n, (failed, s) in zip(names, outcomes) if not failed}
        return not failures, failures, seconds

    def run_test(self, name, timeout):
        """One ctest test: (the failures seen, the seconds it took)."""
        limit = timeout or (self.tests[name][1] * self.timeout_factor + 10)
        started = time.monotonic()
        # A session of its own: a test that hangs is stopped with everything it started
        # (ctest's own limit is the test's property, far longer, and would leave them running).
        test = subprocess.Popen(
            ["ctest", "--test-dir", str(self.build), "-R", "^" + re.escape(name) + "$",
             "--output-on-failure"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
            text=True, errors="replace", start_new_session=True)
        try:
            output, _ = test.communicate(timeout=limit)
            failed = test.returncode != 0
        except subprocess.TimeoutExpired:
            output, failed = "", True
        # Also once the test is over: a child that it left running (a driver looping on a
        # mutant) would otherwise take a core from every mutant after it.
        try:
            os.killpg(test.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        if test.returncode is None:
            test.communicate()
        if not failed:
            return set(), time.monotonic() - started
        # A failing row is kept as function(row), so that a table's rows can be judged too.
        functions = {f"{name}::{m.group(2)}" + (f"({m.group(3)})" if m.group(3) else "")
                     for m in FAIL.finditer(output)}
        # A crash or a time-out names no function: the executable caught it.
        return functions or {name}, None

    # -- one mutant ------------------------------------------------------------------------
    def try_mutant(self, path, line, body):
        target = self.source / path
        saved = self.backup / path
        saved.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(target, saved)
        try:
            # The build takes the mutant with the file of the one before, put back.
            target.write_text(body)
            if not self.compile(timeout=900):
                return {"status": "stillborn"}
            ran = self.reaching(path, line, self.using(path))
            skipped = [t for t in ran if self.skipped and self.skipped.search(t)]
            ran = [t for t in ran if t not in skipped]
            _, failures, _ = self.run_tests(ran)
            status = "killed" if failures else "survived"
            by = sorted({f.partition("(")[0] for f in failures})
            outcome = {"status": status, "ran": ran, "by": by, "rows": sorted(failures)}
            if skipped:
                outcome["skipped"] = sorted(skipped)
            return outcome
        finally:
            # A fresh time stamp, so that the next build takes the file back.
            shutil.copyfile(saved, target)
            saved.unlink()

    def done(self):
        if not self.results.exists():
            return {}
        with self.results.open() as lines:
            return {r["id"]: r for r in map(json.loads, lines) if r.get("id")}


def chosen_files(source, paths):
    files = []
    for given in paths:
        full = source / given
        if full.is_dir():
            files += sorted(p for p in full.rglob("*.cpp"))
        elif full.is_file():
            files.append(full)
        else:
            sys.exit(f"no such file or folder: {given}")
    return [f.relative_to(source) for f in files]


def compare(records, earlier, out):
    """The mutants of this run that an earlier run of the same sample also tried, and the score
    of each on them: a change of tests must not let through what the tests caught before."""
    before = {}
    with open(earlier) as lines:
        for r in map(json.loads, lines):
            before[r["id"]] = r
    common = [r for r in records if r["id"] in before]
    scored = [r for r in common if r["status"] != "stillborn"]
    killed_now = sum(r["status"] == "killed" for r in scored)
    killed_before = sum(before[r["id"]]["status"] == "killed" for r in scored)
    print(f"against {earlier}: {len(common)} mutants in both runs", file=out)
    print(f"  killed before: {killed_before} of {len(scored)}, now: {killed_now}", file=out)
    for r in scored:
        was = before[r["id"]]["status"]
        if was != r["status"]:
            print(f"  {was} before, {r['status']} now: {r['id']}", file=out)


def report(records, out):
    per_file = defaultdict(lambda: defaultdict(int))
    only = defaultdict(list)
    for r in records:
        f = per_file[r["id"].split(":", 1)[0]]
        f["mutants"] += 1
        f[r["status"]] += 1
        if r["status"] == "killed" and len(r["by"]) == 1:
            f["by one test"] += 1
            only[r["by"][0]].append(r["id"])
    columns = ["mutants", "killed", "survived", "stillborn", "by one test"]
    lines = ["| file | " + " | ".join(columns) + " |", "|---" * (len(columns) + 1) + "|"]
    total = defaultdict(int)
    for name in sorted(per_file):
        for c in columns:
            total[c] += per_file[name][c]
        lines.append(f"| {name} | " + " | ".join(str(per_file[name][c]) for c in columns) + " |")
    lines.append("| all | " + " | ".join(str(total[c]) for c in columns) + " |")
    scored = total["killed"] + total["survived"]
    score = 100.0 * total["killed"] / scored if scored else 0.0
    lines += ["", f"score: {total['killed']} killed of {scored} = {score:.1f} %", ""]
    lines.append("mutants that only one test kills:")
    for test in sorted(only):
        lines.append(f"  {test}: {len(only[test])}")
        lines += [f"    {m}" for m in sorted(only[test])]
    lines.append("survivors:")
    lines += [f"  {r['id']}" for r in records if r["status"] == "survived"]
    print("\n".join(lines), file=out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("paths", nargs="+")
    parser.add_argument("--build", default="build/mutation")
    parser.add_argument("--sample", type=int, default=0, help="at most N mutants, drawn at random")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--ids", metavar="FILE",
                        help="only the mutants named in FILE, one id a line, in its order")
    parser.add_argument("--skip", metavar="REGEX",
                        help="leave out the tests whose ctest name matches; a mutant's record "
                             "names those it would have run, and a survivor may be killed by them")
    parser.add_argument("--report", action="store_true", help="only print the report so far")
    parser.add_argument("--against", metavar="RESULTS",
                        help="with --report: compare with the results file of an earlier run")
    parser.add_argument("--every-test", action="store_true",
                        help="run every test that loads the mutated library, reached or not")
    args = parser.parse_args()
    source = Path.cwd()
    build = (source / args.build).resolve()
    run = Run(source, build)
    run.skipped = re.compile(args.skip) if args.skip else None

    files = chosen_files(source, args.paths)
    mutants = [m for f in files for m in mutants_of(str(f), (source / f).read_text())]
    if args.sample and args.sample < len(mutants):
        mutants = random.Random(args.seed).sample(mutants, args.sample)
    if args.ids:
        order = {ident: n for n, ident in enumerate(Path(args.ids).read_text().splitlines())}
        mutants = sorted((m for m in mutants if m[0] in order), key=lambda m: order[m[0]])
    ids = {m[0] for m in mutants}
    if args.report:
        records = [r for i, r in run.done().items() if i in ids]
        report(records, sys.stdout)
        if args.against:
            compare(records, args.against, sys.stdout)
        return

    build.mkdir(parents=True, exist_ok=True)
    run.restore()
    # Stopped by a signal, the run still puts the file it mutated back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    run.configure()
    if not run.compile():
        sys.exit("the build fails without any mutant")
    run.baseline()
    if not args.every_test:
        run.measure_coverage(files)
    done = run.done()
    todo = [m for m in mutants if m[0] not in done]
    print(f"{len(mutants)} mutants, {len(mutants) - len(todo)} done before", file=sys.stderr)
    with run.results.open("a") as results:
        for count, (ident, line, _, body) in enumerate(todo, 1):
            outcome = run.try_mutant(ident.split(":", 1)[0], line, body)
            outcome["id"] = ident
            results.write(json.dumps(outcome) + "\n")
            results.flush()
            print(f"[{count}/{len(todo)}] {outcome['status']:9} {ident}", file=sys.stderr)
    if not run.compile():
        sys.exit("the build fails with every file put back")
    report([r for i, r in run.done().items() if i in ids], sys.stdout)


if __name__ == "__main__":
    main()
