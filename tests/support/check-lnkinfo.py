#!/usr/bin/env python3
"""Checks shortcuts written under Wine with lnkinfo, an independent .lnk parser.

Usage: check-lnkinfo.py EXPECTATIONS_FILE   (a Windows path like C:/tessaly-test/x.txt)

Each line of the expectations file (code page 936 bytes, fields separated by
tabs, backslash escapes for \\, \\n and \\t) is one of:
  link   LINK_PATH  TARGET  ARGUMENTS  DESCRIPTION
  login  LINK_PATH  INSTALL_FOLDER  NUMBER  PASSWORD  MODE  WEB_ADDRESS
A "login" line is a shortcut made by Tessaly: its target, arguments and
description are worked out here from the inputs, with Python's own MD5 and
Base64, not taken from the program.
"""
import base64
import hashlib
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def wine_prefix():
    return subprocess.run([os.path.join(ROOT, "scripts", "wine-harness.sh"), "--prefix"],
                          check=True, capture_output=True, text=True).stdout.strip()


def unix_path(windows_path):
    """C:\\x\\y -> <prefix>/drive_c/x/y (lower-case drive, like Wine's dosdevices)."""
    drive, rest = windows_path[0].lower(), windows_path[2:].replace("\\", "/")
    return os.path.join(wine_prefix(), "dosdevices", drive + ":") + rest


def unescape(field):
    out, i = bytearray(), 0
    while i < len(field):
        if field[i] == 0x5C and i + 1 < len(field):  # backslash
            out += {ord("n"): b"\n", ord("t"): b"\t", ord("\\"): b"\\"}[field[i + 1]]
            i += 2
        else:
            out.append(field[i])
            i += 1
    return bytes(out)


def expected_login(install, number, password, mode, web_address):
    prefix = {b"1": "正常登陆QQ ", b"0": "隐身登陆QQ "}[mode].encode("gbk")
    status = {b"1": b"10", b"0": b"40"}[mode]
    name = prefix + number
    pwdhash = base64.b64encode(hashlib.md5(password).digest())
    arguments = b" /START QQUIN:" + number + b" PWDHASH:" + pwdhash + b" /STAT:" + status
    return install + b"\\QQ.exe", arguments, name + b"\n" + web_address


def lnkinfo_fields(path):
    result = subprocess.run(["lnkinfo", "-c", "windows-936", path], capture_output=True)
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
    with open(expectations, "rb") as f:
        records = [line.rstrip(b"\n").split(b"\t") for line in f if line.strip()]
    if not records:
        print(f"no shortcuts listed in {expectations}")
        return 1
    failures = 0
    for record in records:
        kind, fields = record[0], [unescape(f) for f in record[1:]]
        link_path = fields[0]
        if kind == b"login":
            target, arguments, description = expected_login(*fields[1:])
        else:
            target, arguments, description = fields[1:4]
        want = {"Local path": target, "Command line arguments": arguments,
                "Description": description}
        got, raw = lnkinfo_fields(unix_path(link_path.decode("gbk")))
        shown = link_path.decode("gbk")
        for key, value in want.items():
            expected = value.decode("gbk")
            if got.get(key) != expected:
                failures += 1
                print(f"FAIL {shown}: {key}: lnkinfo says {got.get(key)!r}, expected {expected!r}")
        if not any(key in got for key in want):
            print(raw)
        print(f"checked {shown}")
    print(f"{len(records) * 3 - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
