#!/usr/bin/env python3
"""Gives an MSI's summary information the values a rebuild must repeat.

    set-msi-summary.py PACKAGE.msi PACKAGE_CODE EPOCH LANGUAGE

wixl stamps the package with a random revision number (the package code) and
the time of the build, and writes no language in its template; msibuild then
labels the summary in the build machine's code page. This rewrites, in place,
the code page (65001, the UTF-8 the texts are in), the template's language,
the revision number and both dates (EPOCH, seconds since 1970). Every new
value has the length of the old one, so only those bytes change.
"""
import struct
import sys

# FMTID_SummaryInformation as it is stored, and the properties rewritten here.
SUMMARY_FMTID = bytes.fromhex("e0859ff2f94f6810ab9108002b27b3d9")
CODEPAGE, TEMPLATE, REVISION, CREATED, SAVED = 1, 7, 9, 12, 13
VT_I2, VT_LPSTR, VT_FILETIME = 2, 30, 64


def properties(data):
    """{property id: (type, offset of its value)} of the summary's one section."""
    at = data.find(SUMMARY_FMTID)
    if at < 28 or data.find(SUMMARY_FMTID, at + 1) != -1:
        raise SystemExit("no single summary information stream found")
    section = at - 28 + struct.unpack_from("<I", data, at + 16)[0]
    size, count = struct.unpack_from("<II", data, section)
    found = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
        if offset >= size:
            raise SystemExit("summary information section is damaged")
        found[pid] = (struct.unpack_from("<I", data, section + offset)[0], section + offset + 4)
    return found


def replace_text(data, props, pid, text):
    kind, at = props[pid]
    length = struct.unpack_from("<I", data, at)[0]
    new = text.encode("ascii") + b"\0"
    if kind != VT_LPSTR or length != len(new):
        raise SystemExit(f"summary property {pid} is not a text of {len(new)} bytes")
    data[at + 4:at + 4 + length] = new


def main():
    path, package_code, epoch, language = sys.argv[1:5]
    data = bytearray(open(path, "rb").read())
    props = properties(data)
    kind, at = props[CODEPAGE]
    if kind != VT_I2:
        raise SystemExit("summary code page is not a 16-bit value")
    struct.pack_into("<H", data, at, 65001)
    template = data[props[TEMPLATE][1] + 4:].split(b"\0")[0].decode("ascii")
    replace_text(data, props, TEMPLATE, template.split(";")[0] + ";" + language)
    replace_text(data, props, REVISION, "{" + package_code.upper() + "}")
    filetime = (int(epoch) + 11644473600) * 10**7  # 100 ns steps since 1601
    for pid in (CREATED, SAVED):
        kind, at = props[pid]
        if kind != VT_FILETIME:
            raise SystemExit(f"summary property {pid} is not a time")
        struct.pack_into("<Q", data, at, filetime)
    open(path, "wb").write(data)


if __name__ == "__main__":
    main()
