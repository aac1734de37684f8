#!/usr/bin/env python3
"""Draws the lamp and padlock images of the program as small RGBA PNG files.

Standard library only. Run it in this folder to rewrite the images:
    python3 make_images.py
"""

import struct
import zlib

SIZE = 16
SAMPLES = 4  # per axis, for smooth edges


def write_png(path, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\x00" + b"".join(struct.pack("4B", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def render(shade):
    """shade(x, y) -> (r, g, b, a) or None at a point of the unit square; supersampled."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / SIZE
                    y = (py + (sy + 0.5) / SAMPLES) / SIZE
                    colour = shade(x, y)
                    if colour is not None:
                        alpha = colour[3] / 255.0
                        for i in range(3):
                            acc[i] += colour[i] * alpha
                        acc[3] += alpha
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(a * 255),))
        rows.append(row)
    return rows


def lamp(body, light):
    """A round lamp: dark rim, body colour, a lighter spot towards the upper left."""

    def shade(x, y):
        dx, dy = x - 0.5, y - 0.5
        r2 = dx * dx + dy * dy
        if r2 > 0.47 * 0.47:
            return None
        if r2 > 0.40 * 0.40:
            return (40, 40, 40, 255)
        hx, hy = x - 0.38, y - 0.36
        t = min(1.0, (hx * hx + hy * hy) ** 0.5 / 0.42)
        return tuple(round(light[i] * (1 - t) + body[i] * t) for i in range(3)) + (255,)

    return render(shade)


def padlock(closed):
    """A padlock: a grey shackle over a brass body; open, the shackle stands lifted on one side."""
    body = (196, 150, 40, 255)
    edge = (110, 80, 10, 255)
    steel = (90, 90, 100, 255)

    def shade(x, y):
        # Body with a darker edge and a keyhole.
        if 0.18 <= x <= 0.82 and 0.46 <= y <= 0.94:
            if x < 0.24 or x > 0.76 or y < 0.52 or y > 0.88:
                return edge
            if (x - 0.5) ** 2 + (y - 0.64) ** 2 < 0.06 ** 2 or (0.47 <= x <= 0.53 and 0.64 <= y <= 0.78):
                return (40, 30, 0, 255)
            return body
        # Shackle: a half ring above the body, lifted when open.
        lift = 0.0 if closed else 0.12
        cy = 0.34 - lift
        dx, dy = x - 0.5, y - cy
        r = (dx * dx + dy * dy) ** 0.5
        if dy <= 0 and 0.17 <= r <= 0.27:
            return steel
        left_leg = 0.23 <= x <= 0.33
        right_leg = 0.67 <= x <= 0.77
        if cy <= y <= 0.46 and (right_leg or (closed and left_leg)):
            return steel
        if not closed and left_leg and cy <= y <= cy + 0.06:
            return steel
        return None

    return render(shade)


def main():
    write_png("lamp_off.png", lamp((30, 70, 30), (70, 120, 70)))
    write_png("lamp_green.png", lamp((0, 200, 0), (200, 255, 200)))
    write_png("lamp_red.png", lamp((220, 0, 0), (255, 190, 190)))
    write_png("lamp_disabled.png", lamp((150, 150, 150), (215, 215, 215)))
    write_png("padlock_locked.png", padlock(True))
    write_png("padlock_unlocked.png", padlock(False))


if __name__ == "__main__":
    main()
