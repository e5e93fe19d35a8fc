#!/usr/bin/env python3
"""Checks, with strace, that Tessaly.exe writes a new shortcut through to the
disk before it moves it over the old one: an fsync of the temporary file comes
before the rename that puts it in place. (Under Wine the program's process
flushes and the wineserver renames, so both are traced.)

Usage: check-flush.py DEMO.exe Tessaly.exe   (the prefix's server and display
are stopped first, so that the ones the run starts are traced too)
"""
import os
import re
import subprocess
import sys
import tempfile
import time

MOVE = r'rename\w*\(.*"[^"]*~[0-9a-f]{3}", .*\.lnk"'
HARNESS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "wine-harness.sh")


subprocess.run([HARNESS, "--stop"], check=True)
with tempfile.TemporaryDirectory() as folder:
    log = os.path.join(folder, "trace")
    tracer = subprocess.Popen(["strace", "-f", "--seccomp-bpf", "-y", "-q", "-o", log, "-e",
                               "trace=fsync,fdatasync,rename,renameat,renameat2",
                               HARNESS, sys.argv[1], sys.argv[2], "C:\\tessaly-test\\flush.bmp"])
    # Traced until the move, which comes after the flush it must follow; then
    # the server and the display the run started are stopped.
    for _ in range(600):
        time.sleep(0.1)
        if os.path.exists(log) and re.search(MOVE, open(log, errors="replace").read()):
            break
    subprocess.run([HARNESS, "--stop"], check=True)
    tracer.wait()
    lines = open(log, errors="replace").read().splitlines()
renames = [n for n, line in enumerate(lines) if re.search(MOVE, line)]
# A call another process interrupts is cut in two: "fsync(7</…~1c7> <unfinished ...>".
flushes = [n for n, line in enumerate(lines) if re.search(r"f(data)?sync\(\d+<[^>]*~[0-9a-f]{3}>(\)| <unfinished)", line)]
print("\n".join(lines[n] for n in renames + flushes))
ok = len(renames) == 1 and any(n < renames[0] for n in flushes)
print("the temporary file is flushed before it is moved" if ok else "FAIL: no flush before the move")
sys.exit(0 if ok else 1)
