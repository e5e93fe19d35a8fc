#!/usr/bin/env python3
"""Checks what Tessaly.exe is, from its PE header, imports and manifest.

Usage: check-exe.py Tessaly.exe i386|x86-64 BUILD_FOLDER

- The architecture: the shipped program is i386; the 64-bit build of the
  same sources, a test vehicle, is x86-64.
- Hardening: NX compatible, dynamic base with a relocation table, terminal
  server aware; the objects of each of the program's libraries (core,
  platform, ui) call the stack check, and some call the checked buffer
  functions, so the stack protector and _FORTIFY_SOURCE reach its code. Reproducible: no link time stamp.
- Imports only from Windows' own DLLs, none that Windows 7 lacks, and no ANSI
  ("...A") function from USER32, SHELL32 or ADVAPI32: text crosses into
  Windows only as UTF-16.
- Its manifest asks for common controls 6, the invoking user's rights and
  per-monitor DPI awareness (v2 on Windows 10, dpiAware on 7 and 8.1).
"""
import glob
import re
import subprocess
import sys

SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
               "shell32.dll", "user32.dll"}
UNICODE_ONLY_DLLS = {"advapi32.dll", "shell32.dll", "user32.dll"}
# Per-monitor DPI functions of Windows 10: looked up at run time instead.
NEWER_THAN_WINDOWS_7 = {"GetDpiForWindow", "GetSystemMetricsForDpi", "GetDpiForSystem",
                        "AdjustWindowRectExForDpi", "SetThreadDpiAwarenessContext"}
FLAGS = {0x0040: "DYNAMIC_BASE", 0x0100: "NX_COMPAT", 0x8000: "TERMINAL_SERVER_AWARE"}
# objdump's name for the image's format, and the objdump that reads it.
FORMATS = {"i386": ("pei-i386", "i686-w64-mingw32-"), "x86-64": ("pei-x86-64", "x86_64-w64-mingw32-")}
# What a hardened object calls: the stack check, and a checked buffer function.
HARDENING_CALLS = {"the stack check": r"^\s+U _?__stack_chk_fail$", "a checked buffer function": r"^\s+U _?__\w+_chk$"}
MANIFEST_LINES = [
    b'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"',
    b'<requestedExecutionLevel level="asInvoker" uiAccess="false"/>',
    b'<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>',
    b'<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">'
    b'PerMonitorV2, PerMonitor</dpiAwareness>',
]


def header_problems(exe, wanted):
    file_format, tools = FORMATS[wanted]
    dump = subprocess.run([tools + "objdump", "-p", exe], check=True, capture_output=True, text=True).stdout
    if f"file format {file_format}" not in dump:
        return [f"not a {wanted} image"]
    characteristics = int(re.search(r"^DllCharacteristics\s+([0-9a-fA-F]+)", dump, re.M).group(1), 16)
    problems = [f"{name} not set" for bit, name in FLAGS.items() if not characteristics & bit]
    if "PE File Base Relocations" not in dump:
        problems.append("no relocation table: the image cannot be moved")
    if "1970" not in (stamp := re.search(r"^Time/Date\s+(.*)$", dump, re.M).group(1)):
        problems.append(f"link time stamp {stamp!r}")
    dll = None
    for line in dump.splitlines():
        if match := re.match(r"\s*DLL Name: (\S+)", line):
            dll = match.group(1).lower()
            if dll not in SYSTEM_DLLS:
                problems.append(f"imports {dll}, not a system DLL")
        elif match := re.match(r"\s+[0-9a-f]+\s+\d+\s+(\w+)$", line):
            if dll in UNICODE_ONLY_DLLS and match.group(1).endswith("A"):
                problems.append(f"{dll} {match.group(1)} takes ANSI text")
            if match.group(1) in NEWER_THAN_WINDOWS_7:
                problems.append(f"imports {match.group(1)}, which Windows 7 lacks")
    return problems


exe, wanted, build = sys.argv[1:4]
problems = header_problems(exe, wanted)
# Each of the program's libraries links the hardening: each calls the stack
# check. The objects are fat LTO objects: their ordinary code (pe-*) is read,
# not the intermediate language the linker plugin would list.
object_format = "--target=" + FORMATS[wanted][0].replace("pei-", "pe-")
symbols = {part: subprocess.run([FORMATS[wanted][1] + "nm", object_format,
                                 *glob.glob(f"{build}/{part}/**/*.obj", recursive=True)],
                                capture_output=True, text=True).stdout for part in ("core", "platform", "ui")}
problems += [f"no object of {part}/ calls {what}" for what, call in HARDENING_CALLS.items() for part in symbols
             if not re.search(call, symbols[part] if what == "the stack check" else "".join(symbols.values()), re.M)]
# The manifest is stored in the image as the text it is.
problems += [f"the manifest lacks {line.decode()}" for line in MANIFEST_LINES if line not in open(exe, "rb").read()]
print("".join(f"FAIL {problem}\n" for problem in problems) + f"{exe}: {len(problems)} problem(s)")
sys.exit(1 if problems else 0)
