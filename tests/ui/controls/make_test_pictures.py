#!/usr/bin/env python3
"""Draws the pictures the control tests embed: one plain colour per button state, so that a
pixel tells which picture a button shows, and masks with magenta where the button is cut away.

    make_test_pictures.py OUTPUT_FOLDER
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "resources"))
from make_pictures import bmp24  # noqa: E402

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
W, H = 40, 20


def solid(colour):
    return bmp24(W, H, lambda x, y: colour)


def rounded_mask(x, y):
    """Black inside, magenta in 3x3 corner squares."""
    corner_x = x < 3 or x >= W - 3
    corner_y = y < 3 or y >= H - 3
    return MAGENTA if corner_x and corner_y else BLACK


def left_cut_mask(x, y):
    """Magenta in the first 10 columns: every row's opaque run reaches the right edge."""
    return MAGENTA if x < 10 else BLACK


PICTURES = {
    "normal.bmp": lambda: solid((0, 128, 0)),
    "pressed.bmp": lambda: solid((0, 0, 160)),
    "hover.bmp": lambda: solid((200, 200, 0)),
    "disabled.bmp": lambda: solid((128, 128, 128)),
    "focus.bmp": lambda: solid((0, 160, 160)),
    "mask_round.bmp": lambda: bmp24(W, H, rounded_mask),
    "mask_left.bmp": lambda: bmp24(30, 12, left_cut_mask),
    "tile.bmp": lambda: bmp24(7, 5, lambda x, y: (200, 0, 0) if x == 0 else (0, 0, 200)),
    "picture.bmp": lambda: bmp24(16, 16, lambda x, y: MAGENTA if x < 8 else (0, 128, 0)),
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(make())


if __name__ == "__main__":
    main()
