#!/usr/bin/env python3
"""Plants each fault of mutants.py in a clean copy of the project, one at a
time, runs the README's test command on it, and prints which were caught.

    tests/mutants/run.py [--work DIR] [--tree] [NAME ...]

The copy is made once from HEAD (or, with --tree, from the working tree) in
DIR (default /tmp/tessaly-mutants); its build folders are kept between
mutants, so each run rebuilds only what the fault touched. The unmutated copy
must pass first. A mutant is caught when the test command fails (it stops at
the first failing level) or runs past the time limit; one that does not even
build is a fault of the mutant, not a catch. Results also go to
DIR/results.tsv as they come. With TESSALY_WINE_ARCH=win64 in the
environment, the test command takes its 64-bit path for every run.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
from mutants import MUTANTS  # noqa: E402

TIME_LIMIT = 1200  # seconds for one run of the test command


def copy_project(work, from_tree):
    source = os.path.join(work, "src")
    if os.path.isdir(source):
        return source
    os.makedirs(source)
    if from_tree:
        files = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                               cwd=ROOT, check=True, capture_output=True).stdout.split(b"\0")
        for name in filter(None, (f.decode() for f in files)):
            if os.path.isfile(os.path.join(ROOT, name)):
                os.makedirs(os.path.dirname(os.path.join(source, name)), exist_ok=True)
                shutil.copy2(os.path.join(ROOT, name), os.path.join(source, name))
    else:
        archive = subprocess.run(["git", "archive", "HEAD"], cwd=ROOT, check=True,
                                 capture_output=True).stdout
        subprocess.run(["tar", "-x", "-C", source], input=archive, check=True)
    subprocess.run(["git", "init", "-q"], cwd=source, check=True)  # the format check lists files with git
    subprocess.run(["git", "add", "-A"], cwd=source, check=True)
    return source


def run_tests(source, log):
    env = dict(os.environ, TESSALY_FAIL_FAST="1")
    env.pop("DISPLAY", None)
    start = time.time()
    try:
        result = subprocess.run(["bash", "scripts/test.sh"], cwd=source, env=env, timeout=TIME_LIMIT,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        output = result.stdout.decode(errors="replace")
        failed = [line.split(":")[0] for line in output.splitlines() if line.endswith(": FAILED")]
        level = failed[0] if failed else "exit %d" % result.returncode
        if not result.returncode:
            outcome = ("SURVIVED", "")
        elif level.endswith(" build"):
            outcome = ("NO BUILD", level)  # the fault must compile for a test to catch it
        else:
            outcome = ("caught", level)
    except subprocess.TimeoutExpired as timeout:
        output = (timeout.stdout or b"").decode(errors="replace")
        subprocess.run(["bash", "scripts/wine-harness.sh", "--stop"], cwd=source)
        outcome = ("caught", "time limit")
    with open(log, "w") as f:
        f.write(output)
    return outcome + (int(time.time() - start),)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", default="/tmp/tessaly-mutants")
    parser.add_argument("--tree", action="store_true", help="copy the working tree, not HEAD")
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    chosen = [m for m in MUTANTS if not args.names or m[0] in args.names]

    source = copy_project(args.work, args.tree)
    logs = os.path.join(args.work, "logs")
    os.makedirs(logs, exist_ok=True)
    status, level, seconds = run_tests(source, os.path.join(logs, "baseline.log"))
    if status != "SURVIVED":
        print(f"the unmutated copy fails ({level}); see {logs}/baseline.log")
        return 2
    print(f"baseline passes ({seconds} s)")

    results = os.path.join(args.work, "results.tsv")
    rows = []
    with open(results, "w") as table:
        for name, path, text, replacement in chosen:
            target = os.path.join(source, path)
            with open(target, encoding="utf-8") as f:
                original = f.read()
            if text not in original:
                rows.append((name, path, "NOT APPLIED", "text not found", 0))
            else:
                with open(target, "w", encoding="utf-8") as f:
                    f.write(original.replace(text, replacement, 1))
                if path.endswith((".cpp", ".h")):
                    # Only the tests may catch a fault, not the format check.
                    subprocess.run(["clang-format", "-i", target], check=True)
                try:
                    rows.append((name, path) + run_tests(source, os.path.join(logs, name + ".log")))
                finally:
                    with open(target, "w", encoding="utf-8") as f:
                        f.write(original)
            table.write("\t".join(map(str, rows[-1])) + "\n")
            table.flush()
            print("%-28s %-45s %-9s %s" % rows[-1][:4], flush=True)

    caught = sum(1 for row in rows if row[2] == "caught")
    print(f"\n{caught} of {len(rows)} caught")
    for row in rows:
        if row[2] != "caught":
            print(f"  {row[2]}: {row[0]} ({row[1]})")
    return 0 if caught == len(rows) else 1


if __name__ == "__main__":
    sys.exit(main())
