#!/usr/bin/env python3
"""Prints a C++ string literal holding the code page 936 bytes of each argument.

Used when adding a fixed Chinese text to the sources, which keep them as escaped bytes.
"""
import sys

HEX = set("0123456789abcdefABCDEF")

for text in sys.argv[1:]:
    out, after_escape = "", False
    for b in text.encode("gbk"):
        if b >= 0x80:
            out += "\\x%02X" % b
            after_escape = True
            continue
        ch = chr(b)
        if after_escape and ch in HEX:
            out += '" "'  # end the literal so the next character is not read as part of the escape
        out += {'"': '\\"', "\\": "\\\\", "\n": "\\n"}.get(ch, ch)
        after_escape = False
    print(f'"{out}"  // {text}')
