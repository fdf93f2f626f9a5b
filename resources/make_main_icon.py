"""Draw the GlyphBay application icon (a magnifying glass) as a 32x32, 256-colour mainicon.ico."""

import math
import struct
import sys
from pathlib import Path

SIZE = 32
SUB = 4  # supersampling factor per axis, used to soften the inner edges

LENS_DARK, LENS_LIGHT = (20, 60, 150), (70, 140, 225)
WOOD_DARK, WOOD_LIGHT = (25, 14, 7), (115, 64, 37)

# Lens: an ellipse tilted so that it looks foreshortened along the handle's direction.
CX, CY = 12.5, 20.0
ANGLE = math.radians(45)  # major axis runs from top-left to bottom-right
A_OUT, B_OUT = 11.0, 9.0  # outer edge of the rim
RIM = 2.3
# Handle: from the rim towards the top-right corner.
DX, DY = math.cos(ANGLE), -math.sin(ANGLE)  # unit vector pointing up-right
OUTLINE = 0.80  # outer part of the rim (in squared ellipse units) drawn as an edge line
H_START = B_OUT - 1.0
COLLAR_END = B_OUT + 3.0
COLLAR_RADIUS = 1.9
H_END = 22.0
H_RADIUS = 2.6


def lens_coords(x, y):
    """Coordinates in the ellipse's own frame: u along the major axis, v along the handle axis."""
    px, py = x - CX, y - CY
    u = px * math.cos(ANGLE) + py * math.sin(ANGLE)
    v = px * DX + py * DY
    return u, v


def sample(x, y):
    """Colour at one sub-pixel position, or None where the icon is transparent."""
    u, v = lens_coords(x, y)
    outer = (u / A_OUT) ** 2 + (v / B_OUT) ** 2
    inner = (u / (A_OUT - RIM)) ** 2 + (v / (B_OUT - RIM)) ** 2
    # light falls from the top-left: shade by the position across the picture
    light = ((CX - x) - (CY - y) * 0.2) / A_OUT  # about -1 .. 1
    if inner <= 1.0:
        hu, hv = u + 3.0, v + 2.5
        spot = (hu / 3.2) ** 2 + (hv / 2.0) ** 2
        if spot <= 1.0:
            t = 1.0 - spot
            return mix((120, 180, 245), (235, 245, 255), t)
        t = 0.5 + 0.5 * max(-1.0, min(1.0, light + 0.3 * v / B_OUT))
        return mix(LENS_DARK, LENS_LIGHT, t)
    if outer <= 1.0:
        if outer >= OUTLINE:  # thin darker edge so the rim stands out on light backgrounds
            return (120, 125, 135)
        t = 0.5 + 0.5 * max(-1.0, min(1.0, light * 1.5))
        return mix((185, 190, 200), (255, 255, 255), t)
    # handle: a metal collar next to the rim, then a dark wooden grip with a rounded end
    along, across = v, -u
    if H_START <= along <= COLLAR_END and abs(across) <= COLLAR_RADIUS:
        return mix((120, 125, 135), (225, 228, 235), 0.5 + 0.5 * across / COLLAR_RADIUS)
    if COLLAR_END < along <= H_END and abs(across) <= H_RADIUS or \
            math.hypot(along - H_END, across) <= H_RADIUS:
        t = 0.5 + 0.5 * (across / H_RADIUS)
        return mix(WOOD_DARK, WOOD_LIGHT, t)
    return None


def mix(c0, c1, t):
    """Linear blend from c0 (t = 0) to c1 (t = 1), t clamped to that range."""
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def build_palette():
    """Index 0 is black (used under transparent pixels), then a 6x6x6 colour cube,
    a grey ramp and the exact lens and handle gradients, so the shading stays smooth."""
    pal = [(0, 0, 0)]
    steps = [0, 51, 102, 153, 204, 255]
    pal += [(r, g, b) for r in steps for g in steps for b in steps]  # 216 entries
    pal += [(v, v, v) for v in range(15, 256, 16)]  # 16 greys
    pal += [mix(LENS_DARK, LENS_LIGHT, i / 11) for i in range(12)]  # the lens gradient
    pal += [mix(WOOD_DARK, WOOD_LIGHT, i / 10) for i in range(11)]  # the handle gradient
    pal = [tuple(round(c) for c in rgb) for rgb in pal]
    assert len(pal) == 256
    return pal


def render():
    """Returns rows (top to bottom) of RGB tuples or None for transparent pixels."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            hits = []
            for sy in range(SUB):
                for sx in range(SUB):
                    c = sample(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    if c is not None:
                        hits.append(c)
            if 2 * len(hits) < SUB * SUB:
                row.append(None)
            else:
                row.append(tuple(sum(ch) / len(hits) for ch in zip(*hits)))
        rows.append(row)
    return rows


def nearest(pal, rgb):
    # index 0 is reserved for transparent pixels, so search from 1
    return min(range(1, len(pal)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(pal[i], rgb)))


def encode_ico(rows, pal):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIB rows are stored bottom-up
        xor += bytes(0 if c is None else nearest(pal, c) for c in row)
        bits = 0
        for c in row:
            bits = (bits << 1) | (c is None)
        mask += bits.to_bytes(SIZE // 8, "big")  # 32 bits: already a multiple of 4 bytes
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in pal)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + palette + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("mainicon.ico")
    pal = build_palette()
    out.write_bytes(encode_ico(render(), pal))


if __name__ == "__main__":
    main()
