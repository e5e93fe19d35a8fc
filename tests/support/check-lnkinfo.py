#!/usr/bin/env python3
"""Checks shortcuts written under Wine with lnkinfo, an independent .lnk parser.

Usage: check-lnkinfo.py EXPECTATIONS_FILE   (a Windows path like C:/tessaly-test/x.txt)

The locale the shortcuts were written in is TESSALY_LOCALE (default zh_CN), and
the prefix TESSALY_WINE_ARCH's, as for the Wine harness. Each record of the
expectations file (UTF-8, each field ended by the unit separator 0x1F, each
record by the record separator 0x1E) is LINK_PATH TARGET ARGUMENTS DESCRIPTION,
as the tests write them out literally (tests/support/golden_shortcuts.h).
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LOCALE = os.environ.get("TESSALY_LOCALE", "zh_CN")
CODE_PAGE = {"zh_CN": "936", "zh_TW": "950", "en_US": "1252", "ja_JP": "932"}[LOCALE]


def unix_path(windows_path, prefix):
    """C:\\x\\y -> <prefix>/dosdevices/c:/x/y (lower-case drive, like Wine's dosdevices)."""
    return os.path.join(prefix, "dosdevices", windows_path[0].lower() + ":") + windows_path[2:].replace("\\", "/")


def lnkinfo_fields(path):
    result = subprocess.run(["lnkinfo", "-c", "windows-" + CODE_PAGE, path], capture_output=True)
    fields, last = {}, None
    for line in result.stdout.decode("utf-8").splitlines():
        match = re.match(r"^\t([^\t]+)\t+: (.*)$", line)  # "\tKey\t\t: value", value kept whole
        if match:
            last = match.group(1)
            fields[last] = match.group(2)
        elif last == "Description" and line and not line.startswith("\t"):
            fields[last] += "\n" + line  # the description's own line feed
    return fields


def main():
    prefix = subprocess.run([os.path.join(ROOT, "scripts", "wine-harness.sh"), "--prefix"],
                            check=True, capture_output=True, text=True).stdout.strip()
    with open(unix_path(sys.argv[1], prefix), encoding="utf-8") as f:
        records = [record.split("\x1f")[:-1] for record in f.read().split("\x1e")[:-1]]
    failures = 0 if records else 1
    for link, target, arguments, description in records:
        # Wine keeps Unicode file names as UTF-8 on Linux: the name is checked too.
        got = lnkinfo_fields(unix_path(link, prefix)) if os.path.exists(unix_path(link, prefix)) else {}
        for key, expected in (("Local path", target), ("Command line arguments", arguments),
                              ("Description", description)):
            if got.get(key) != expected:
                failures += 1
                print(f"FAIL {link}: {key}: lnkinfo says {got.get(key)!r}, expected {expected!r}")
        print(f"checked {link}")
    print(f"{len(records)} shortcuts, {failures} failures ({LOCALE}, code page {CODE_PAGE})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
