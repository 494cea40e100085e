#!/usr/bin/env python3
"""Which test functions, and which rows of a data-driven function, a test could lose.

  measure [--tests REGEX]
                     runs every test function, and every row of a table, alone in the coverage
                     tree that tools/mutation.py builds, and keeps the product lines each runs
  unique RESULTS...  lists the units that kill no mutant of their own in the mutation results
                     given and run no product line that no other unit runs
  check RESULTS... --dropped FILE...
                     says which killed mutant, or which product line, the units listed in the
                     files (one a line) would leave without a test
  mutants RESULTS... --dropped FILE...
                     prints every mutant, of any product .cpp file, on a line that the units listed
                     run and that the results do not hold yet: run them with
                     `tools/mutation.sh --ids`, and check then judges those units by every fault
                     they could catch, not by a sample

A unit is `ctest-name::function` or `ctest-name::function(row)`. Being listed by `unique` does not
make a unit useless: a sample of mutants says nothing of the others, so a row at the edge of a
range may still be the only one to catch a fault there. It tells where to read first."""
import argparse
import json
import os
import re
import signal
import subprocess
import sys
from collections import Counter, defaultdict
from pathlib import Path

from mutation import Run, gcov_counts, mutants_of


def product_gcda(tree):
    """The .gcda file of each product object, by the folder its compiler ran in."""
    found = defaultdict(list)
    for source, out, directory in Run.compiled(tree):
        if "/tests/" not in source and "/build/" not in source:
            found[directory].append(os.path.splitext(os.path.join(directory, out))[0] + ".gcda")
    return found


def lines_run(gcda, root):
    """`file:line` for every product line that the counts in the .gcda files show as run."""
    run = set()
    for directory, files in gcda.items():
        present = [f for f in files if os.path.exists(f)]
        for start in range(0, len(present), 40):
            for path, number, count in gcov_counts(present[start:start + 40], directory):
                if count and path.startswith(root + "/") and "/tests/" not in path \
                        and "/build/" not in path:
                    run.add(f"{path[len(root) + 1:]}:{number}")
    return run


def measure(tree, only):
    # The sources the tree was configured from, for the names of their lines.
    cache = (tree / "CMakeCache.txt").read_text()
    source = os.path.realpath(re.search(r"^CMAKE_HOME_DIRECTORY:INTERNAL=(.*)$", cache, re.M)[1])
    kept = tree / "test-units.json"
    units = json.loads(kept.read_text()) if kept.exists() else {}
    gcda = product_gcda(tree)
    listing = json.loads(subprocess.run(["ctest", "--test-dir", str(tree), "--show-only=json-v1"],
                                        capture_output=True, text=True, check=True).stdout)
    for test in listing["tests"]:
        name, command = test["name"], test.get("command") or []
        # A font run repeats functions of its test; a script is not a QTest executable.
        if "@" in name or not command or not command[0].startswith(str(tree)) \
                or not re.search(only, name):
            continue
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = dict(os.environ)
        env.update(v.split("=", 1) for v in properties.get("ENVIRONMENT", []))
        folder = properties.get("WORKING_DIRECTORY", str(tree))
        tags = subprocess.run([command[0], "-datatags"], env=env, cwd=folder,
                              capture_output=True, text=True).stdout
        # "Class function" for a function without rows, "Class function row" for each row.
        for line in tags.splitlines():
            parts = line.split(" ", 2)
            if len(parts) < 2:
                continue
            argument = parts[1] + (f":{parts[2]}" if len(parts) == 3 else "")
            unit = f"{name}::{parts[1]}" + (f"({parts[2]})" if len(parts) == 3 else "")
            if unit in units:
                continue
            for files in gcda.values():
                for f in files:
                    if os.path.exists(f):
                        os.unlink(f)
            ran = subprocess.Popen([command[0], argument], env=env, cwd=folder,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
            try:
                passed = ran.wait(timeout=600) == 0
            except subprocess.TimeoutExpired:
                os.killpg(ran.pid, signal.SIGKILL)
                ran.wait()
                passed = False
            units[unit] = {"passed": passed, "lines": sorted(lines_run(gcda, source))}
            kept.write_text(json.dumps(units))
            print(f"{unit}: {len(units[unit]['lines'])} lines", flush=True)


def killers(results):
    """For each killed mutant, the units that failed on it: its rows where a function's rows
    are known, the function otherwise. A crash names only the executable: no unit."""
    found = {}
    for path in results:
        for line in Path(path).read_text().splitlines():
            mutant = json.loads(line)
            if mutant["status"] != "killed" or mutant["id"] in found:
                continue
            named = {u for u in mutant.get("by", []) + mutant.get("rows", []) if "::" in u}
            rows = {u for u in named if "(" in u}
            found[mutant["id"]] = rows | {f for f in named - rows
                                          if not any(r.startswith(f + "(") for r in rows)}
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=["measure", "unique", "check", "mutants"])
    parser.add_argument("results", nargs="*", help="mutation results, the newest first")
    parser.add_argument("--build", default="build/mutation-coverage")
    parser.add_argument("--dropped", nargs="*", default=[])
    parser.add_argument("--tests", default="", help="measure only the ctest names matching")
    args = parser.parse_args()
    source = Path(__file__).resolve().parent.parent
    tree = (source / args.build).resolve()
    if args.command == "measure":
        measure(tree, args.tests)
        return
    units = {u: set(v["lines"]) for u, v in json.loads((tree / "test-units.json").read_text()).items()}
    # A function with rows is measured row by row.
    with_rows = {u.split("(")[0] for u in units if "(" in u}
    units = {u: lines for u, lines in units.items() if u not in with_rows}
    kills = killers(args.results)
    if args.command == "unique":
        runs = Counter(line for lines in units.values() for line in lines)
        own = Counter(next(iter(k)) for k in kills.values() if len(k) == 1)
        shared = Counter(u for k in kills.values() for u in k)
        for unit, lines in sorted(units.items()):
            if not own[unit] and all(runs[line] > 1 for line in lines):
                print(f"{shared[unit]:4d} {unit}")
        return
    dropped = {line.strip() for path in args.dropped for line in Path(path).read_text().splitlines()
               if line.strip() and not line.startswith("#")}
    gone = lambda unit: unit in dropped or unit.split("(")[0] in dropped
    if args.command == "mutants":
        done = {json.loads(line)["id"] for path in args.results
                for line in Path(path).read_text().splitlines()}
        lines = set().union(*(lines for u, lines in units.items() if gone(u)))
        # The mutation tool plants its faults in .cpp files only.
        for path in sorted({line.rpartition(":")[0] for line in lines if ".cpp:" in line}):
            for ident, number, _, _ in mutants_of(path, (source / path).read_text()):
                if f"{path}:{number}" in lines and ident not in done:
                    print(ident)
        return
    problems = [f"{unit}: not a unit measured" for unit in sorted(dropped)
                if unit not in units and unit not in with_rows]
    problems += [f"{mutant}: no test left to kill it" for mutant, k in sorted(kills.items())
                 if k and all(gone(u) for u in k)]
    kept = set().union(*(lines for u, lines in units.items() if not gone(u)))
    problems += [f"{line}: no test left to run it"
                 for line in sorted(set().union(*units.values()) - kept)]
    print("\n".join(problems + [f"{len(dropped)} units dropped, {len(problems)} problems"]))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
