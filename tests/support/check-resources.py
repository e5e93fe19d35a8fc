#!/usr/bin/env python3
"""Checks that the shipped Tessaly.exe holds the resources the tests saw.

Usage: check-resources.py SHIPPED.exe TESTED.exe

Where 32-bit programs cannot run, the dialog tests run the 64-bit build of the
same sources: this shows that the shipped 32-bit program carries exactly the
dialogs, strings, icons and version block they saw. Each exe's resources are
read by the windres of its own architecture; the one difference allowed is the
manifest's processor architecture, which must match each build's common
controls.
"""
import os
import struct
import subprocess
import sys
import tempfile

WINDRES = {0x014C: "i686-w64-mingw32-windres", 0x8664: "x86_64-w64-mingw32-windres"}
RT_MANIFEST = 24


def machine(exe):
    with open(exe, "rb") as f:
        data = f.read(4096)
    return struct.unpack_from("<H", data, struct.unpack_from("<I", data, 0x3C)[0] + 4)[0]


def name_or_id(data, at):
    """A .res type or name field: 0xFFFF and a number, or a UTF-16 text."""
    if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def resources(exe):
    """{(type, name): bytes} of the exe, through a .res file (windres keeps
    no language there)."""
    with tempfile.TemporaryDirectory() as folder:
        res = os.path.join(folder, "resources.res")
        subprocess.run([WINDRES[machine(exe)], "-i", exe, "-O", "res", "-o", res], check=True)
        with open(res, "rb") as f:
            data = f.read()
    found, at = {}, 0
    while at + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, at)
        kind, after = name_or_id(data, at + 8)
        name, _ = name_or_id(data, after)
        if size:
            found[(kind, name)] = data[at + header:at + header + size]
        at = (at + header + size + 3) & ~3
    return found


def main():
    shipped, tested = resources(sys.argv[1]), resources(sys.argv[2])
    problems = [f"{key} only in one" for key in sorted(set(shipped) ^ set(tested), key=str)]
    for key in sorted(set(shipped) & set(tested), key=str):
        theirs = tested[key]
        if key[0] == RT_MANIFEST:
            theirs = theirs.replace(b'processorArchitecture="amd64"', b'processorArchitecture="x86"')
        if shipped[key] != theirs:
            problems.append(f"{key} differs")
    for problem in problems:
        print("FAIL resource", problem)
    print(f"{len(shipped)} resources compared, {len(problems)} problem(s)")
    return 1 if problems or not shipped else 0


if __name__ == "__main__":
    sys.exit(main())
