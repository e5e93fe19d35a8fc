#!/usr/bin/env python3
"""Checks shortcuts written under Wine with lnkinfo, an independent .lnk parser.

Usage: check-lnkinfo.py EXPECTATIONS_FILE   (a Windows path like C:/tessaly-test/x.txt)

The locale the shortcuts were written in is TESSALY_LOCALE (default zh_CN), as
for the Wine harness. Each record of the expectations file (UTF-8, each field
ended by the unit separator 0x1F, each record by the record separator 0x1E)
is one of:
  link   LINK_PATH  TARGET  ARGUMENTS  DESCRIPTION
  login  LINK_PATH  INSTALL_FOLDER  NUMBER  PASSWORD  MODE  WEB_ADDRESS
A "login" line is a shortcut made by Tessaly: its target, arguments and
description are worked out here from the inputs, with Python's own MD5,
Base64 and code page tables, not taken from the program. The link's file name
is checked too: Wine keeps Unicode file names as UTF-8 on Linux.
"""
import base64
import hashlib
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LOCALE = os.environ.get("TESSALY_LOCALE", "zh_CN")
CODE_PAGE = {"zh_CN": "936", "zh_TW": "950", "en_US": "1252", "ja_JP": "932"}[LOCALE]


def wine_prefix():
    return subprocess.run([os.path.join(ROOT, "scripts", "wine-harness.sh"), "--prefix"],
                          check=True, capture_output=True, text=True).stdout.strip()


def unix_path(windows_path):
    """C:\\x\\y -> <prefix>/drive_c/x/y (lower-case drive, like Wine's dosdevices)."""
    drive, rest = windows_path[0].lower(), windows_path[2:].replace("\\", "/")
    return os.path.join(wine_prefix(), "dosdevices", drive + ":") + rest


def expected_login(install, number, password, mode, web_address):
    prefix = {"1": "正常登陆QQ ", "0": "隐身登陆QQ "}[mode]
    status = {"1": "10", "0": "40"}[mode]
    name = prefix + number
    # The client hashes the password's bytes in the system's ANSI code page.
    digest = hashlib.md5(password.encode("cp" + CODE_PAGE)).digest()
    pwdhash = base64.b64encode(digest).decode("ascii")
    arguments = " /START QQUIN:" + number + " PWDHASH:" + pwdhash + " /STAT:" + status
    return install + "\\QQ.exe", arguments, name + "\n" + web_address


def lnkinfo_fields(path):
    result = subprocess.run(["lnkinfo", "-c", "windows-" + CODE_PAGE, path], capture_output=True)
    if result.returncode != 0:
        raise RuntimeError(f"lnkinfo failed on {path}: {result.stderr.decode(errors='replace')}")
    text = result.stdout.decode("utf-8")
    fields, last = {}, None
    for line in text.splitlines():
        match = re.match(r"^\t([^\t]+)\t+: (.*)$", line)  # "\tKey\t\t: value", value kept whole
        if match:
            last = match.group(1)
            fields[last] = match.group(2)
        elif last == "Description" and line and not line.startswith("\t"):
            fields[last] += "\n" + line  # the description's own line feed
    return fields, text


def main():
    expectations = unix_path(sys.argv[1])
    with open(expectations, encoding="utf-8") as f:
        records = [record.split("\x1f")[:-1] for record in f.read().split("\x1e")[:-1]]
    if not records:
        print(f"no shortcuts listed in {expectations}")
        return 1
    failures = checks = 0
    for record in records:
        kind, fields = record[0], record[1:]
        link_path = fields[0]
        if kind == "login":
            target, arguments, description = expected_login(*fields[1:])
        else:
            target, arguments, description = fields[1:4]
        want = {"Local path": target, "Command line arguments": arguments,
                "Description": description}
        if not os.path.exists(unix_path(link_path)):
            checks += 1
            failures += 1
            print(f"FAIL {link_path}: no such file")
            continue
        got, raw = lnkinfo_fields(unix_path(link_path))
        for key, expected in want.items():
            checks += 1
            if got.get(key) != expected:
                failures += 1
                print(f"FAIL {link_path}: {key}: lnkinfo says {got.get(key)!r}, "
                      f"expected {expected!r}")
        if not any(key in got for key in want):
            print(raw)
        print(f"checked {link_path}")
    print(f"{checks - failures} passed, {failures} failed ({LOCALE}, code page {CODE_PAGE})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
