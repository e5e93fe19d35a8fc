#!/usr/bin/env python3
"""Draws Tessaly's program icon and writes it as a Windows .ico file.

    make_icon.py OUTPUT.ico

The icon holds one 48 x 48 image with 32 bits per pixel (BGRA with alpha, plus
the 1-bit AND mask that Windows still reads): a rounded teal-to-blue tile, a
golden key lying across it and, in the lower left corner, a white badge with a
bent shortcut arrow. Everything is drawn with signed distance functions and
4 x 4 supersampling, using only the standard library, so the output is the same
byte for byte on every run.
"""
import math
import struct
import sys

SIZE = 48
SAMPLES = 4  # per axis, per pixel


def clamp01(value):
    return 0.0 if value < 0.0 else 1.0 if value > 1.0 else value


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hex_rgb(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


# --- signed distances (negative inside) -------------------------------------

def sd_round_rect(px, py, x0, y0, x1, y1, radius):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def sd_circle(px, py, cx, cy, radius):
    return math.hypot(px - cx, py - cy) - radius


def sd_segment(px, py, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy))
    return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width


def inside_triangle(px, py, points):
    """-1 inside the triangle, 1 outside (only the sign is ever used)."""
    signs = []
    for i in range(3):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % 3]
        signs.append((x1 - x0) * (py - y0) - (y1 - y0) * (px - x0) >= 0)
    return -1.0 if all(signs) or not any(signs) else 1.0


# --- the design -----------------------------------------------------------------

TILE = (2.0, 2.0, 46.0, 46.0, 9.0)
TILE_TOP = hex_rgb("2FB8A6")
TILE_BOTTOM = hex_rgb("1E5FA8")
TILE_EDGE = hex_rgb("174A82")
KEY_LIGHT = hex_rgb("FFE08A")
KEY_DARK = hex_rgb("E0A526")
KEY_OUTLINE = hex_rgb("8A5A0A")
BADGE = hex_rgb("FFFFFF")
BADGE_EDGE = hex_rgb("9AA7B4")
ARROW = hex_rgb("1E5FA8")

KEY_HEAD = (16.5, 16.5)
KEY_AXIS = (math.sqrt(0.5), math.sqrt(0.5))  # the shaft runs to the lower right
KEY_SIDE = (math.sqrt(0.5), -math.sqrt(0.5))  # the teeth stand to the upper right


def key_distance(px, py):
    """Distance to the key: a ring for the head, a shaft and two teeth."""
    u = (px - KEY_HEAD[0]) * KEY_AXIS[0] + (py - KEY_HEAD[1]) * KEY_AXIS[1]
    v = (px - KEY_HEAD[0]) * KEY_SIDE[0] + (py - KEY_HEAD[1]) * KEY_SIDE[1]
    head = sd_circle(u, v, 0.0, 0.0, 9.0)
    hole = -sd_circle(u, v, -2.0, 0.0, 3.2)
    ring = max(head, hole)
    shaft = sd_round_rect(u, v, 6.0, -2.6, 29.0, 2.6, 1.2)
    tooth_a = sd_round_rect(u, v, 19.0, 1.0, 22.5, 7.0, 0.8)
    tooth_b = sd_round_rect(u, v, 24.5, 1.0, 28.0, 5.5, 0.8)
    return min(ring, shaft, tooth_a, tooth_b), u


def arrow_distance(px, py):
    """Distance to the bent shortcut arrow inside the badge."""
    cx, cy, radius = 17.0, 42.0, 7.0
    angle = math.atan2(py - cy, px - cx)
    # The stroke follows the quarter circle from the left point up to the top.
    if -math.pi <= angle <= -math.pi / 2:
        arc = abs(math.hypot(px - cx, py - cy) - radius) - 1.3
    else:
        arc = min(math.hypot(px - (cx - radius), py - cy), math.hypot(px - cx, py - (cy - radius))) - 1.3
    head = inside_triangle(px, py, ((15.5, 30.5), (21.0, 35.0), (15.5, 39.5)))
    return min(arc, head)


def over(dst, color, alpha):
    """Composites a straight colour with its alpha over a premultiplied pixel."""
    r, g, b, a = dst
    return (color[0] * alpha + r * (1 - alpha), color[1] * alpha + g * (1 - alpha),
            color[2] * alpha + b * (1 - alpha), alpha + a * (1 - alpha))


def shade(px, py):
    pixel = (0.0, 0.0, 0.0, 0.0)
    tile = sd_round_rect(px, py, *TILE)
    if tile <= 0.0:
        t = clamp01((py - TILE[1]) / (TILE[3] - TILE[1]))
        body = lerp(TILE_TOP, TILE_BOTTOM, t)
        # A soft highlight across the upper half of the tile.
        if py < 22.0:
            body = lerp(body, (1.0, 1.0, 1.0), 0.10 * (1 - py / 22.0))
        pixel = over(pixel, body, 1.0)
        if tile > -1.0:
            pixel = over(pixel, TILE_EDGE, 0.85)

    # The key's shadow, then the key with a thin darker outline.
    shadow, _ = key_distance(px - 1.2, py - 1.6)
    if shadow <= 0.0 and tile <= 0.0:
        pixel = over(pixel, (0.0, 0.0, 0.0), 0.28)
    key, along = key_distance(px, py)
    if key <= 0.0:
        face = lerp(KEY_LIGHT, KEY_DARK, clamp01((along + 9.0) / 38.0))
        pixel = over(pixel, KEY_OUTLINE if key > -0.9 else face, 1.0)

    badge = sd_round_rect(px, py, 5.0, 27.0, 24.0, 46.0, 3.5)
    if badge <= 0.0:
        pixel = over(pixel, BADGE_EDGE if badge > -1.0 else BADGE, 1.0)
        if arrow_distance(px, py) <= 0.0:
            pixel = over(pixel, ARROW, 1.0)
    return pixel


def render():
    """Returns SIZE rows of SIZE (r, g, b, a) bytes, top row first."""
    rows = []
    step = 1.0 / SAMPLES
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    sample = shade(x + (sx + 0.5) * step, y + (sy + 0.5) * step)
                    for i in range(4):
                        total[i] += sample[i]
            count = SAMPLES * SAMPLES
            r, g, b, a = (value / count for value in total)
            if a <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            # Icons hold straight (not premultiplied) colour.
            row.append(tuple(int(round(clamp01(c / a) * 255)) for c in (r, g, b)) +
                       (int(round(a * 255)),))
        rows.append(row)
    return rows


def ico_bytes(rows):
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):  # DIB rows are stored bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                         0, 0)
    image = header + bytes(xor) + bytes(mask)
    icon_dir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return icon_dir + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    data = ico_bytes(render())
    with open(sys.argv[1], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
