#!/usr/bin/env python3
"""Checks, with strace, that Tessaly.exe writes a new shortcut through to the
disk before it moves it over the old one: an fsync of the temporary file ends
before the rename that puts it in place begins. (Under Wine the program's
process flushes and the wineserver renames, so both are traced.)

Usage: check-flush.py DEMO.exe Tessaly.exe   trace a demonstration run (the
         prefix's server and display are stopped first, so that the ones the
         run starts are traced too)
       check-flush.py --trace FILE           judge a saved trace
"""
import os
import re
import subprocess
import sys
import tempfile
import time

HARNESS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "wine-harness.sh")
# The demonstration takes about 10 s on an idle machine; ctest allows 600.
RUN_BUDGET = 500
TEMPORARY = r"~[0-9a-f]{3}"


def calls(lines):
    """Each system call as (text, start, end). strace writes a call on two
    lines, "<unfinished ...>" then "<... NAME resumed>", when another traced
    process makes one meanwhile: the halves are joined by process."""
    pending, found = {}, []
    for line in lines:
        pid, stamp, text = (line.split(None, 2) + ["", ""])[:3]
        resumed = re.match(r"<\.\.\. \w+ resumed>(.*)", text)
        if resumed and pid in pending:
            start_text, start = pending.pop(pid)
            found.append((start_text + resumed.group(1), start, float(stamp)))
        elif text.endswith("<unfinished ...>"):
            pending[pid] = (text[: -len("<unfinished ...>")].rstrip(), float(stamp))
        elif re.match(r"\w+\(", text):
            found.append((text, float(stamp), float(stamp)))
    return found


def verdict(lines):
    traced = calls(lines)
    moves = [c for c in traced if re.match(r'rename\w*\(.*"[^"]*' + TEMPORARY + r'", .*\.lnk"', c[0])]
    flushes = [c for c in traced if re.match(r"f(data)?sync\(\d+<[^>]*" + TEMPORARY + r">\)", c[0])]
    print("\n".join(f"{start:.6f}-{end:.6f} {text}" for text, start, end in moves + flushes))
    if len(moves) != 1:
        return f"FAIL: {len(moves)} moves of a temporary file over a shortcut, not one"
    if not any(end <= moves[0][1] for _, _, end in flushes):
        return "FAIL: no flush before the move"
    return None


def traced_run(demo, program):
    subprocess.run([HARNESS, "--stop"], check=True)
    with tempfile.TemporaryDirectory() as folder:
        log, status = os.path.join(folder, "trace"), os.path.join(folder, "status")
        # The run's exit status marks its end; the server and display it
        # started live on under strace until they are stopped.
        tracer = subprocess.Popen(["strace", "-f", "--seccomp-bpf", "-y", "-q", "-ttt", "-o", log, "-e",
                                   "trace=fsync,fdatasync,rename,renameat,renameat2", "bash", "-c",
                                   f'"$@"; echo $? >"{status}"', "run", HARNESS, demo, program,
                                   "C:\\tessaly-test\\flush.bmp"])
        deadline = time.monotonic() + RUN_BUDGET
        while not os.path.exists(status) and time.monotonic() < deadline and tracer.poll() is None:
            time.sleep(0.2)
        ended = os.path.exists(status)
        subprocess.run([HARNESS, "--stop"], check=True)
        tracer.wait()
        if not ended:
            sys.exit(f"set-up failure: the traced demonstration did not end within {RUN_BUDGET} s"
                     f" (strace's exit code: {tracer.returncode})")
        if open(status).read().strip() != "0":
            sys.exit("set-up failure: the traced demonstration failed; the smoke test says why")
        return open(log, errors="replace").read().splitlines()


if __name__ == "__main__":
    lines = open(sys.argv[2], errors="replace").read().splitlines() if sys.argv[1] == "--trace" \
        else traced_run(sys.argv[1], sys.argv[2])
    failure = verdict(lines)
    print(failure or "the temporary file is flushed before it is moved")
    sys.exit(1 if failure else 0)
