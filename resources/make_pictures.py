#!/usr/bin/env python3
"""Draws the pictures of the language resource libraries (bitmaps, icons, cursors) into a folder.

The pictures are our own: simple shapes in the client's colours, at the sizes the screens
expect. A picture that needs transparent parts uses magenta (255, 0, 255) as its key colour,
as the skin's bitmaps do.

    make_pictures.py OUTPUT_FOLDER
"""
import os
import struct
import sys

TEAL = (0, 128, 128)
WHITE = (255, 255, 255)
GREY = (200, 200, 200)
DARK = (60, 60, 60)


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP file; pixel(x, y) gives (r, g, b) with y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def dib32_with_mask(size, pixel):
    """The image part of an icon or cursor: 32-bit BGRA colours plus a 1-bit AND mask.
    pixel(x, y) gives (r, g, b, a)."""
    colours = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixel(x, y)
            colours += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colours) + len(mask), 0, 0, 0, 0)
    return info + bytes(colours) + bytes(mask)


def icon_file(size, pixel, hotspot=None):
    """An .ico (hotspot None) or .cur file with one image."""
    image = dib32_with_mask(size, pixel)
    kind = 1 if hotspot is None else 2
    planes_or_x, bits_or_y = (1, 32) if hotspot is None else hotspot
    header = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes_or_x, bits_or_y, len(image), 6 + 16)
    return header + entry + image


def drop_button(hover):
    """Drop-down button of the skinned combo box: a down arrow on a plain face."""
    face = GREY if hover else WHITE

    def pixel(x, y):
        if x == 0:
            return DARK
        # Arrow rows 8..11, narrowing towards the bottom, centred on x = 10.
        if 8 <= y <= 11 and abs(x - 10) <= 11 - y:
            return TEAL if hover else DARK
        return face
    return bmp24(20, 20, pixel)


def app_icon(x, y):
    """The client's icon: a teal disc with a white bar across."""
    dx, dy = x - 15.5, y - 15.5
    if dx * dx + dy * dy > 15.5 * 15.5:
        return (0, 0, 0, 0)
    if 13 <= y <= 18 and 6 <= x <= 25:
        return WHITE + (255,)
    return TEAL + (255,)


def pointer_cursor(x, y):
    """The presenter's finger pointer: a red dot with a white ring, hot spot in the centre."""
    dx, dy = x - 15.5, y - 15.5
    d2 = dx * dx + dy * dy
    if d2 <= 5 * 5:
        return (220, 30, 30, 255)
    if d2 <= 7 * 7:
        return WHITE + (255,)
    return (0, 0, 0, 0)


# file name -> contents; the .rc files name the same files.
PICTURES = {
    "combo_drop_hover.bmp": lambda: drop_button(True),
    "combo_drop.bmp": lambda: drop_button(False),
    "app.ico": lambda: icon_file(32, app_icon),
    "pointer.cur": lambda: icon_file(32, pointer_cursor, hotspot=(16, 16)),
}


# ---- Drawing canvas: memo cards (177 x 134), a sticky-note colour with a darker strip on top
# and a frame; the selected card has a thick blue frame.
MEMO_COLOURS = {"yellow": (255, 240, 150), "pink": (255, 205, 215), "green": (200, 240, 190),
                "blue": (195, 225, 255)}


def memo_card(colour, selected):
    r, g, b = MEMO_COLOURS[colour]
    strip = (int(r * 0.85), int(g * 0.85), int(b * 0.85))
    frame = (40, 110, 220) if selected else (int(r * 0.7), int(g * 0.7), int(b * 0.7))
    edge = 3 if selected else 1

    def pixel(x, y):
        if x < edge or y < edge or x >= 177 - edge or y >= 134 - edge:
            return frame
        if y < 18:
            return strip
        return (r, g, b)
    return bmp24(177, 134, pixel)


PICTURES.update({
    "memo_yellow.bmp": lambda: memo_card("yellow", False),
    "memo_yellow_sel.bmp": lambda: memo_card("yellow", True),
    "memo_pink.bmp": lambda: memo_card("pink", False),
    "memo_pink_sel.bmp": lambda: memo_card("pink", True),
    "memo_green.bmp": lambda: memo_card("green", False),
    "memo_green_sel.bmp": lambda: memo_card("green", True),
    "memo_blue.bmp": lambda: memo_card("blue", False),
    "memo_blue_sel.bmp": lambda: memo_card("blue", True),
})


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(make())


if __name__ == "__main__":
    main()
