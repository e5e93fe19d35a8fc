#!/usr/bin/env python3
"""Checks the release properties of Tessaly.exe from its PE header and imports.

Usage: check-pe.py PATH-OF-Tessaly.exe i386|x86-64

- The architecture: the shipped program is i386; the 64-bit build of the
  same sources, a test vehicle, is x86-64.
- Hardening: NX compatible, dynamic base with a relocation table, terminal
  server aware.
- Reproducible: no link time stamp.
- Imports only from Windows' own DLLs, and no ANSI ("...A") function from
  USER32, SHELL32 or ADVAPI32: text crosses into Windows only as UTF-16.
- No import that Windows 7 lacks, so that the program starts there.
- At most 300 KB.
"""
import os
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
               "shell32.dll", "user32.dll"}
UNICODE_ONLY_DLLS = {"advapi32.dll", "shell32.dll", "user32.dll"}
# Per-monitor DPI functions of Windows 10: looked up at run time instead.
NEWER_THAN_WINDOWS_7 = {"GetDpiForWindow", "GetSystemMetricsForDpi", "GetDpiForSystem",
                        "AdjustWindowRectExForDpi", "SetThreadDpiAwarenessContext"}
FLAGS = {0x0040: "DYNAMIC_BASE", 0x0100: "NX_COMPAT", 0x8000: "TERMINAL_SERVER_AWARE"}
MAX_SIZE = 300 * 1024
# The machine field of the PE header, and the objdump that reads that machine.
MACHINES = {"i386": (0x014C, "i686-w64-mingw32-objdump"), "x86-64": (0x8664, "x86_64-w64-mingw32-objdump")}


def machine_of(exe):
    with open(exe, "rb") as f:
        data = f.read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<H", data, pe + 4)[0] if data[pe:pe + 4] == b"PE\0\0" else None


def main():
    exe, wanted = sys.argv[1], sys.argv[2]
    machine, objdump = MACHINES[wanted]
    if machine_of(exe) != machine:
        print(f"FAIL {exe} is not an {wanted} image (machine {machine_of(exe)!r})")
        return 1
    dump = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    problems = []

    characteristics = int(re.search(r"^DllCharacteristics\s+([0-9a-fA-F]+)", dump, re.M).group(1), 16)
    problems += [f"{name} not set" for bit, name in FLAGS.items() if not characteristics & bit]
    if "PE File Base Relocations" not in dump:
        problems.append("no relocation table: the image cannot be moved")
    stamp = re.search(r"^Time/Date\s+(.*)$", dump, re.M).group(1)
    if "1970" not in stamp:
        problems.append(f"link time stamp {stamp!r}")

    dll = None
    for line in dump.splitlines():
        match = re.match(r"\s*DLL Name: (\S+)", line)
        if match:
            dll = match.group(1).lower()
            if dll not in SYSTEM_DLLS:
                problems.append(f"imports {dll}, not a system DLL")
            continue
        match = re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)$", line)
        if match and dll in UNICODE_ONLY_DLLS and match.group(1).endswith("A"):
            problems.append(f"{dll} {match.group(1)} takes ANSI text")
        if match and match.group(1) in NEWER_THAN_WINDOWS_7:
            problems.append(f"imports {match.group(1)}, which Windows 7 lacks")

    size = os.path.getsize(exe)
    if size > MAX_SIZE:
        problems.append(f"{size} bytes, over {MAX_SIZE}")

    for problem in problems:
        print("FAIL", problem)
    print(f"{exe}: {size} bytes, DllCharacteristics 0x{characteristics:04x}, "
          f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
