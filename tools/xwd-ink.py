#!/usr/bin/python3
"""Says whether an Xvfb framebuffer (XWD, 24 or 32 bits a pixel, black root
window from -br) shows a painted window with text on it.

    xwd-ink.py Xvfb_screen0

Prints the window's size and its count of dark pixels and exits 0 when a
window of at least 300x300 pixels shows at least 500 dark pixels; exits 1
without output otherwise (not painted yet).
"""
import struct
import sys


def main():
    data = open(sys.argv[1], "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel != 32:
        sys.exit(f"xwd-ink.py: {bits_per_pixel} bits a pixel, expected 32")
    pixels = data[header_size + 12 * ncolors:]
    # Least significant byte first: blue, green, red, unused.
    red, green, blue = (2, 1, 0) if byte_order == 0 else (1, 2, 3)

    def rows():
        for y in range(height):
            row = pixels[y * bytes_per_line:y * bytes_per_line + 4 * width]
            yield y, row[red::4], row[green::4], row[blue::4]

    # The window: the bounding box of the light pixels on the black root.
    left, top, right, bottom = width, height, -1, -1
    for y, r, g, b in rows():
        light = [x for x in range(width) if r[x] > 150 and g[x] > 150 and b[x] > 150]
        if light:
            left, right = min(left, light[0]), max(right, light[-1])
            top, bottom = min(top, y), y
    if right - left < 300 or bottom - top < 300:
        sys.exit(1)
    dark = 0
    for y, r, g, b in rows():
        if top <= y <= bottom:
            dark += sum(1 for x in range(left, right + 1) if r[x] < 100 and g[x] < 100 and b[x] < 100)
    if dark < 500:
        sys.exit(1)
    print(f"{right - left + 1}x{bottom - top + 1} window, {dark} dark pixels")


if __name__ == "__main__":
    main()
