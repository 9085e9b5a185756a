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
import zlib

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


# ---- Login window ----
NAVY = (24, 44, 78)
NAVY_LIGHT = (44, 78, 128)


def login_face(width, height):
    """The login window's face: a navy field that lightens downwards, a teal band at the top with
    a white mark, and a pale panel behind the ID and password boxes."""
    def pixel(x, y):
        if y < 96:
            if 40 <= y <= 70 and 75 <= x <= 105 and (x - 90) ** 2 + (y - 55) ** 2 <= 15 * 15:
                return WHITE
            if 52 <= y <= 58 and 115 <= x <= 300:
                return WHITE
            return TEAL
        if 170 <= y <= 244 and 65 <= x <= 415:
            return NAVY_LIGHT
        t = (y - 96) / max(1, height - 96)
        return tuple(int(a + (b - a) * t) for a, b in zip(NAVY, NAVY_LIGHT))
    return bmp24(width, height, pixel)


def login_button(state):
    """The log-in button: a rounded teal face with a white arrow; darker when pressed, grey when
    disabled."""
    face = {"normal": TEAL, "down": (0, 96, 96), "over": (0, 150, 150), "disabled": GREY}[state]

    def pixel(x, y):
        if (x < 3 or x > 131) and (y < 3 or y > 49):
            return NAVY_LIGHT
        if 20 <= y <= 32 and 55 <= x <= 72:
            return WHITE
        if 72 <= x <= 84 and abs(y - 26) <= 84 - x:
            return WHITE
        return face
    return bmp24(135, 53, pixel)


def title_button(kind, state):
    """The small buttons of the borderless window: minimise (a bar), close (a cross) and server
    settings (a ring)."""
    face = {"normal": TEAL, "down": (0, 96, 96), "over": (0, 150, 150), "disabled": GREY}[state]

    def pixel(x, y):
        if kind == "min" and 13 <= y <= 15 and 5 <= x <= 14:
            return WHITE
        if kind == "close" and 5 <= x <= 14 and 5 <= y <= 14 and (abs(x - y) <= 1 or abs(x + y - 19) <= 1):
            return WHITE
        if kind == "server" and 16 <= (x - 9.5) ** 2 + (y - 9.5) ** 2 <= 36:
            return WHITE
        return face
    return bmp24(20, 20, pixel)


PICTURES["login_face.bmp"] = lambda: login_face(478, 358)
PICTURES["sso_face.bmp"] = lambda: login_face(480, 360)
for _state, _suffix in (("normal", ""), ("down", "_down"), ("over", "_over"), ("disabled", "_disabled")):
    PICTURES["login_button%s.bmp" % _suffix] = (lambda s: lambda: login_button(s))(_state)
    for _kind in ("min", "close", "server"):
        PICTURES["login_%s%s.bmp" % (_kind, _suffix)] = (lambda k, s: lambda: title_button(k, s))(_kind, _state)


# ---- Skinned controls and pop-ups (second block) ----
MAGENTA = (255, 0, 255)
HEADER = (0, 150, 170)
BORDER = (190, 200, 205)
PAPER = (255, 255, 255)


def rounded(w, h, radius, inside, outside=MAGENTA, border=None):
    """A rounded rectangle filling w x h; pixels outside the corners take 'outside'."""
    def pixel(x, y):
        cx = min(max(x, radius), w - 1 - radius)
        cy = min(max(y, radius), h - 1 - radius)
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if d2 > radius * radius:
            return outside
        if border and (d2 > (radius - 1) ** 2 or x in (0, w - 1) or y in (0, h - 1)):
            return border
        return inside(x, y) if callable(inside) else inside
    return pixel


def frame_piece(index):
    """The pop-up frame: a teal header band 45 px high over a white, grey-edged body; corners
    rounded on magenta. index 0..8: TL, T, TR, L, C, R, BL, B, BR."""
    sizes = [(12, 45), (1, 45), (12, 45), (12, 1), (1, 1), (12, 1), (12, 12), (1, 12), (12, 12)]
    w, h = sizes[index]
    col, row = index % 3, index // 3

    def pixel(x, y):
        # Position inside a notional 24 x (45 + 12) pop-up, to share the rounding.
        gx = x if col == 0 else (x + 12 if col == 2 else 6)
        gy = y if row == 0 else (y + 45 if row == 2 else 20)
        r = 6
        cx = min(max(gx, r), 23 - r)
        cy = min(max(gy, r), 56 - r)
        if (gx - cx) ** 2 + (gy - cy) ** 2 > r * r:
            return MAGENTA
        if gy < 45:
            return HEADER
        if gx in (0, 23) or gy == 56:
            return BORDER
        return PAPER
    if row == 1:
        return bmp24(w, h, lambda x, y: BORDER if (col == 0 and x == 0) or (col == 2 and x == w - 1) else PAPER)
    return bmp24(w, h, pixel)


def shaded(colour, kind):
    """Normal, hover (lighter), down (darker) and disabled (grey) looks of a colour."""
    r, g, b = colour
    if kind == "hover":
        return tuple(min(255, c + 40) for c in colour)
    if kind == "down":
        return tuple(max(0, c - 50) for c in colour)
    if kind == "disabled":
        return (200, 200, 200)
    return colour


def push_button(colour, kind):
    # White outside the rounding: the pop-ups' body, whether or not the mask's region clips it.
    return bmp24(90, 27, rounded(90, 27, 5, shaded(colour, kind), outside=PAPER))


def button_mask():
    return bmp24(90, 27, rounded(90, 27, 5, (0, 0, 0), outside=MAGENTA))


def cross_button(size, face, kind):
    """A square close button: a white cross on the face colour."""
    back = shaded(face, kind)

    def pixel(x, y):
        m = size // 4
        if m <= x < size - m and m <= y < size - m and (abs(x - y) <= 0 or abs(x + y - (size - 1)) <= 0):
            return PAPER
        return back
    return bmp24(size, size, pixel)


SEGMENTS = {  # seven segments a b c d e f g per digit
    0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg", 5: "acdfg", 6: "acdefg",
    7: "abc", 8: "abcdefg", 9: "abcdfg"}


def clock_digit(n):
    """A 32 x 44 seven-segment digit, dark on white."""
    on = SEGMENTS[n]

    def pixel(x, y):
        lit = (("a" in on and 4 <= y <= 7 and 8 <= x <= 23) or
               ("g" in on and 20 <= y <= 23 and 8 <= x <= 23) or
               ("d" in on and 36 <= y <= 39 and 8 <= x <= 23) or
               ("f" in on and 4 <= x <= 7 and 8 <= y <= 19) or
               ("b" in on and 24 <= x <= 27 and 8 <= y <= 19) or
               ("e" in on and 4 <= x <= 7 and 24 <= y <= 35) or
               ("c" in on and 24 <= x <= 27 and 24 <= y <= 35))
        return DARK if lit else PAPER
    return bmp24(32, 44, pixel)


def clock_colon():
    return bmp24(14, 44, lambda x, y: DARK if 5 <= x <= 8 and (12 <= y <= 15 or 28 <= y <= 31) else PAPER)


def spinner(frame):
    """24 x 24: four dots around the centre, the frame's dot dark, the others grey."""
    spots = [(12, 4), (20, 12), (12, 20), (4, 12)]

    def pixel(x, y):
        for i, (sx, sy) in enumerate(spots):
            if (x - sx) ** 2 + (y - sy) ** 2 <= 9:
                return HEADER if i == frame else GREY
        return MAGENTA
    return bmp24(24, 24, pixel)


def grid_piece(index):
    """The 3 x 3 example frame grid (row by row), 8 x 8 pieces: grey border, rounded outer corners."""
    col, row = index % 3, index // 3

    def pixel(x, y):
        gx, gy = x + 8 * col, y + 8 * row
        r = 6
        cx = min(max(gx, r), 23 - r)
        cy = min(max(gy, r), 23 - r)
        d2 = (gx - cx) ** 2 + (gy - cy) ** 2
        if d2 > r * r:
            return MAGENTA
        if d2 > (r - 1) ** 2 or gx in (0, 23) or gy in (0, 23):
            return BORDER
        return (246, 248, 250)
    return bmp24(8, 8, pixel)


def slider_thumb(kind):
    colour = {"normal": HEADER, "hover": shaded(HEADER, "hover"), "down": shaded(HEADER, "down")}[kind]
    return bmp24(12, 16, rounded(12, 16, 3, colour, outside=PAPER))


def pane_toggle(expanded, kind):
    """17 x 21: the handle of a side column, a teal tab with a white chevron pointing right
    (expanded: collapse to the side) or left; on the column's strip it is what tells a user that
    the column opens there."""
    face = shaded(HEADER, kind)
    back = PAPER

    def pixel(x, y):
        dx = x - 6 if expanded else 10 - x
        if 0 <= dx <= 4 and abs(abs(y - 10) - dx) <= 0.5:
            return WHITE
        inside = 1 <= x <= 15 and 1 <= y <= 19
        corner = (x in (1, 15)) and (y in (1, 19))
        return face if inside and not corner else back
    return bmp24(17, 21, pixel)


def option_button(on, kind):
    colour = HEADER if on else (150, 150, 150)
    return bmp24(60, 23, rounded(60, 23, 4, shaded(colour, kind), outside=PAPER))


def notice_background():
    """275 x 107: white card with a teal top line, grey border, rounded on magenta."""
    def inside(x, y):
        return HEADER if y < 4 else PAPER
    return bmp24(275, 107, rounded(275, 107, 6, inside, outside=MAGENTA, border=BORDER))


def notice_header():
    """164 x 20: the product's name plate, the title bar's ring and letters ZEL in teal on white."""
    def pixel(x, y):
        d = (x - 9) ** 2 + (y - 10) ** 2
        if 16 <= d <= 56:
            return HEADER
        for i, ch in enumerate("ZEL"):
            cx = 22 + i * 14
            if cx <= x < cx + 10 and 3 <= y < 17:
                if LOGO_LETTERS[ch][(y - 3) // 2][(x - cx) // 2] == "1":
                    return HEADER
        return PAPER
    return bmp24(164, 20, pixel)


def popup_logo():
    return bmp24(40, 16, rounded(40, 16, 4, lambda x, y: PAPER if 6 <= y <= 9 and 8 <= x <= 31 else HEADER,
                                 outside=PAPER))


CONTROL_PICTURES = {}
for _i in range(9):
    CONTROL_PICTURES["popup_frame_%d.bmp" % _i] = (lambda i=_i: frame_piece(i))
    CONTROL_PICTURES["frame_grid_%d.bmp" % _i] = (lambda i=_i: grid_piece(i))
for _name, _colour in (("ok", HEADER), ("yes", HEADER), ("no", (140, 140, 140)), ("cancel", (140, 140, 140))):
    for _kind in ("normal", "hover", "down", "disabled"):
        CONTROL_PICTURES["btn_%s_%s.bmp" % (_name, _kind)] = (lambda c=_colour, k=_kind: push_button(c, k))
for _kind in ("normal", "hover", "down", "disabled"):
    CONTROL_PICTURES["small_close_%s.bmp" % _kind] = (lambda k=_kind: cross_button(16, HEADER, k))
    CONTROL_PICTURES["notice_close_%s.bmp" % _kind] = (lambda k=_kind: cross_button(15, (150, 150, 150), k))
    CONTROL_PICTURES["pane_expanded_%s.bmp" % _kind] = (lambda k=_kind: pane_toggle(True, k))
    CONTROL_PICTURES["pane_collapsed_%s.bmp" % _kind] = (lambda k=_kind: pane_toggle(False, k))
    CONTROL_PICTURES["pane_option_on_%s.bmp" % _kind] = (lambda k=_kind: option_button(True, k))
    CONTROL_PICTURES["pane_option_off_%s.bmp" % _kind] = (lambda k=_kind: option_button(False, k))
for _n in range(10):
    CONTROL_PICTURES["clock_%d.bmp" % _n] = (lambda n=_n: clock_digit(n))
for _f in range(4):
    CONTROL_PICTURES["spinner_%d.bmp" % _f] = (lambda f=_f: spinner(f))
for _kind in ("normal", "hover", "down"):
    CONTROL_PICTURES["slider_thumb_%s.bmp" % _kind] = (lambda k=_kind: slider_thumb(k))
CONTROL_PICTURES.update({
    "button_mask.bmp": button_mask,
    "popup_logo.bmp": popup_logo,
    "notice_back.bmp": notice_background,
    "notice_header.bmp": notice_header,
    "clock_colon.bmp": clock_colon,
    "loading_picture.bmp": lambda: bmp24(120, 80, lambda x, y: (235, 245, 247) if (x + y) % 16 else BORDER),
    "slider_track.bmp": lambda: bmp24(100, 2, lambda x, y: (156, 176, 178)),
    "pane_top_line.bmp": lambda: bmp24(283, 2, lambda x, y: BORDER),
    "pane_body.bmp": lambda: bmp24(283, 1, lambda x, y: BORDER if x in (0, 282) else (250, 250, 250)),
    "pane_foot.bmp": lambda: bmp24(283, 70, lambda x, y: BORDER if x in (0, 282) or y == 69 else (250, 250, 250)),
    "pane_back.bmp": lambda: bmp24(283, 900, lambda x, y: (250, 250, 250)),
})
PICTURES.update(CONTROL_PICTURES)


# ---- Skinned controls: the bitmap scroll bar ----
MAGENTA = (255, 0, 255)
SCROLL_FACE = (235, 235, 235)
SCROLL_THUMB = (170, 170, 170)
SCROLL_THUMB_HELD = (110, 110, 110)


def scroll_arrow(up, pressed):
    """A 14 x 10 arrow button of the scroll bar: a small triangle on the bar's face."""
    ink = TEAL if pressed else DARK

    def pixel(x, y):
        row = (y - 3) if up else (6 - y)    # 0 at the tip
        if 0 <= row <= 3 and abs(x - 7) <= row:
            return ink
        return SCROLL_FACE
    return bmp24(14, 10, pixel)


def scroll_thumb(part, pressed):
    """A 7 x 4 piece of the thumb: rounded caps keyed with magenta, an opaque middle."""
    colour = SCROLL_THUMB_HELD if pressed else SCROLL_THUMB

    def pixel(x, y):
        corner = x in (0, 6) and ((part == "top" and y == 0) or (part == "bottom" and y == 3))
        return MAGENTA if corner else colour
    return bmp24(7, 4, pixel)


PICTURES.update({
    "scroll_down.bmp": lambda: scroll_arrow(False, False),
    "scroll_down_pressed.bmp": lambda: scroll_arrow(False, True),
    "scroll_up.bmp": lambda: scroll_arrow(True, False),
    "scroll_up_pressed.bmp": lambda: scroll_arrow(True, True),
    "scroll_thumb_top.bmp": lambda: scroll_thumb("top", False),
    "scroll_thumb_top_pressed.bmp": lambda: scroll_thumb("top", True),
    "scroll_thumb_middle.bmp": lambda: scroll_thumb("middle", False),
    "scroll_thumb_middle_pressed.bmp": lambda: scroll_thumb("middle", True),
    "scroll_thumb_bottom_pressed.bmp": lambda: scroll_thumb("bottom", True),
    "scroll_thumb_bottom.bmp": lambda: scroll_thumb("bottom", False),
})



# ---- Application shell: the server address dialog ----
def server_dialog_back():
    """480 x 360: a teal band on top (the heading lies on it), a white card below with a grey edge."""
    def pixel(x, y):
        if y < 150:
            return HEADER
        if x in (0, 479) or y == 359:
            return BORDER
        return PAPER
    return bmp24(480, 360, pixel)


def wide_button(colour, kind):
    return bmp24(105, 26, rounded(105, 26, 5, shaded(colour, kind), outside=PAPER))


for _kind in ("normal", "hover", "down", "disabled"):
    PICTURES["server_default_%s.bmp" % _kind] = (lambda k=_kind: wide_button((140, 140, 140), k))
    PICTURES["server_save_%s.bmp" % _kind] = (lambda k=_kind: wide_button(HEADER, k))
PICTURES["server_back.bmp"] = server_dialog_back


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


# ---- Documents: the meeting's document pane ----
def docpane_header():
    """The pane's header strip: a light band with a grey line under it."""
    return bmp24(283, 31, lambda x, y: BORDER if y == 30 else (246, 248, 250))


def docpane_body():
    return bmp24(261, 1, lambda x, y: BORDER if x == 0 else PAPER)


def docpane_edge():
    return bmp24(6, 272, lambda x, y: BORDER if x == 0 else (246, 248, 250))


def small_glyph_button(kind, state):
    """22 x 22: a box (archive), three dots (menu) or a folder (private files) on a light face."""
    back = shaded((236, 240, 243), state)
    ink = (170, 170, 170) if state == "disabled" else HEADER

    def pixel(x, y):
        if kind == "archive" and ((6 <= x <= 15 and y in (7, 15)) or (x in (6, 15) and 7 <= y <= 15) or (9 <= x <= 12 and y == 10)):
            return ink
        if kind == "menu" and y in range(10, 13) and any(c <= x <= c + 2 for c in (5, 10, 15)):
            return ink
        if kind == "private" and 5 <= x <= 16 and 7 <= y <= 15 and (y in (7, 9, 15) or x in (5, 16)):
            return ink
        return back
    return bmp24(22, 22, pixel)


for _state in ("normal", "hover", "down", "disabled"):
    PICTURES["archive_%s.bmp" % _state] = (lambda s=_state: small_glyph_button("archive", s))
    PICTURES["docmenu_%s.bmp" % _state] = (lambda s=_state: small_glyph_button("menu", s))
for _state in ("normal", "hover", "down"):
    PICTURES["private_%s.bmp" % _state] = (lambda s=_state: small_glyph_button("private", s))
PICTURES["private_focus.bmp"] = lambda: small_glyph_button("private", "hover")
PICTURES["doclabel.bmp"] = lambda: bmp24(46, 12, lambda x, y: HEADER if y in (0, 11) or x in (0, 45) else PAPER)
PICTURES.update({
    "docpane_header.bmp": docpane_header,
    "docpane_body.bmp": docpane_body,
    "docpane_edge.bmp": docpane_edge,
})


# ---- Application shell: title bar ----
TITLE_BAND = (0, 155, 188)
TITLE_DARK = (0, 120, 150)

# 5 x 7 block letters of the title logo.
LOGO_LETTERS = {
    "Z": ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
}


def title_background(part):
    """80 pixels high: the teal band (darker towards the left edge) over white."""
    width = {"left": 320, "middle": 1, "right": 320}[part]

    def pixel(x, y):
        if y >= 40:
            return WHITE
        if part == "left" and x < 200:
            t = x / 200.0
            return tuple(int(d + (b - d) * t) for d, b in zip(TITLE_DARK, TITLE_BAND))
        return TITLE_BAND
    return bmp24(width, 80, pixel)


def title_logo():
    """A white disc and the letters ZEL on magenta (transparent)."""
    def pixel(x, y):
        if (x - 12) ** 2 + (y - 12) ** 2 <= 100:
            return WHITE if (x - 12) ** 2 + (y - 12) ** 2 >= 30 else TITLE_BAND
        for i, ch in enumerate("ZEL"):
            cx = 30 + i * 20
            if cx <= x < cx + 15 and 2 <= y < 23:
                if LOGO_LETTERS[ch][(y - 2) // 3][(x - cx) // 3] == "1":
                    return WHITE
        return MAGENTA
    return bmp24(90, 25, pixel)


def title_glyph(kind, x, y, w, h):
    """True where the glyph of a title-bar button is drawn."""
    cx, cy = (w - 1) / 2.0, (h - 1) / 2.0
    if kind == "min":
        return y == h - 4 and 3 <= x <= w - 4
    if kind == "max":
        return 3 <= x <= w - 4 and 3 <= y <= h - 4 and (x in (3, w - 4) or y in (3, 4, h - 4))
    if kind == "restore":
        back = 5 <= x <= w - 3 and 2 <= y <= h - 6 and (x in (5, w - 3) or y == 2)
        front = 2 <= x <= w - 6 and 5 <= y <= h - 3 and (x in (2, w - 6) or y in (5, h - 3))
        return back or front
    if kind == "close":
        return 3 <= x <= w - 4 and 3 <= y <= h - 4 and (abs(x - y) <= 0.5 or abs(x + y - (w - 1)) <= 0.5)
    if kind == "full":
        corner = (x <= 5 or x >= w - 6) and (y <= 5 or y >= h - 6)
        return corner and (x in (1, w - 2) or y in (1, h - 2))
    if kind == "menu":
        lines = 5 <= x <= 18 and y in (3, 7, 11)
        arrow = 40 <= x <= 50 and 6 <= y <= 10 and abs(x - 45) <= 10 - y
        return lines or arrow
    if kind == "refresh":
        d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        return (7 <= d <= 9 and not (x > cx and y < cy - 2)) or (x >= cx + 2 and x <= cx + 8 and y == cy - 7 + (x - cx - 2) // 3)
    if kind == "video":
        body = 6 <= x <= 18 and 9 <= y <= 20
        lens = 19 <= x <= 24 and abs(y - 14.5) <= (x - 18) * 0.9
        return body or lens
    if kind == "filebox":
        return 6 <= x <= 23 and 8 <= y <= 22 and (y in (8, 11, 22) or x in (6, 23) or (12 <= x <= 17 and y == 15))
    if kind == "chat":
        bubble = ((x - cx) / 10.0) ** 2 + ((y - 13) / 7.0) ** 2 <= 1.0
        tail = 8 <= x <= 12 and 18 <= y <= 24 and x - 8 <= 24 - y
        return bubble or tail
    if kind == "back":
        return (abs(y - 14.5) <= 1 and 14 <= x <= 32) or (abs(y - 14.5) + 14 - 1 <= x <= abs(y - 14.5) + 14 + 1 and abs(y - 14.5) <= 8)
    return False


def title_bar_button(kind, state, w, h, on_band, lit=False):
    """A title-bar button: white glyph on the band (window buttons), or a teal glyph on a light
    face (function buttons); lit: the chat button's messages-present look."""
    if on_band:
        face, ink = shaded(TITLE_BAND, state), WHITE
    else:
        face = {"normal": WHITE, "hover": (232, 244, 248), "down": (205, 230, 238), "disabled": WHITE}[state]
        ink = (190, 190, 190) if state == "disabled" else (TITLE_DARK if not lit else (230, 80, 40))

    def pixel(x, y):
        if not on_band and kind != "back" and (x in (0, w - 1) or y in (0, h - 1)):
            return (200, 215, 222)
        if title_glyph(kind, x, y, w, h):
            return ink
        if lit and kind == "chat" and (x - (w - 6)) ** 2 + (y - 5) ** 2 <= 10:
            return (230, 60, 40)
        return face
    return bmp24(w, h, pixel)


def title_clock():
    def pixel(x, y):
        d = ((x - 7.5) ** 2 + (y - 7.5) ** 2) ** 0.5
        if 6 <= d <= 7.5:
            return (0, 188, 212)
        if (x in (7, 8) and 3 <= y <= 8) or (y in (7, 8) and 7 <= x <= 11):
            return (0, 188, 212)
        return WHITE
    return bmp24(16, 16, pixel)


PICTURES["title_back_left.bmp"] = lambda: title_background("left")
PICTURES["title_back_middle.bmp"] = lambda: title_background("middle")
PICTURES["title_back_right.bmp"] = lambda: title_background("right")
PICTURES["title_logo.bmp"] = title_logo
PICTURES["title_clock.bmp"] = title_clock
PICTURES["title_spare.bmp"] = lambda: bmp24(1, 1, lambda x, y: WHITE)
for _state in ("normal", "hover", "down", "disabled"):
    for _kind, _w, _h, _band in (("min", 15, 15, True), ("max", 15, 15, True), ("restore", 15, 15, True),
                                 ("close", 15, 15, True), ("full", 15, 15, True), ("menu", 61, 16, True),
                                 ("refresh", 30, 30, False), ("video", 30, 30, False),
                                 ("filebox", 30, 30, False), ("chat", 30, 30, False), ("back", 45, 30, False)):
        PICTURES["title_%s_%s.bmp" % (_kind, _state)] = (
            lambda k=_kind, s=_state, w=_w, h=_h, b=_band: title_bar_button(k, s, w, h, b))
    PICTURES["title_chat_on_%s.bmp" % _state] = (lambda s=_state: title_bar_button("chat", s, 30, 30, False, True))



# ---- Approvals: the approval window and the electronic-signature info dialog ----
def approval_back():
    """303 x 244: a white card with a thin border and a teal header, magenta outside the corners."""
    def inside(x, y):
        if x in (0, 302) or y in (0, 243):
            return BORDER
        return HEADER if y < 34 else PAPER
    return bmp24(303, 244, rounded(303, 244, 6, inside))


PICTURES["approval_back.bmp"] = approval_back
for _state in ("normal", "hover", "down", "disabled"):
    PICTURES["sign_info_close_%s.bmp" % _state] = (lambda s=_state: push_button((120, 130, 140), s))

# ---- Meeting screen: information side panel, thumbnails, bookmarks, meeting information ----
def thumb_placeholder():
    """150 x 105: a grey page outline on the panel's colour, while the thumbnail is on its way."""
    def pixel(x, y):
        if 50 <= x <= 100 and 12 <= y <= 92:
            if x in (50, 100) or y in (12, 92):
                return (169, 169, 169)
            if 58 <= x <= 92 and y % 10 == 0 and 20 <= y <= 80:
                return (205, 205, 210)
            return (250, 250, 252)
        return (233, 233, 241)
    return bmp24(150, 105, pixel)


def favorite_mark():
    """24 x 24 star-like mark in amber on magenta."""
    def pixel(x, y):
        cx, cy = 11.5, 11.5
        dx, dy = abs(x - cx), abs(y - cy)
        if dx + dy <= 11 and (dx <= 3 or dy <= 3 or dx + dy <= 7):
            return (255, 180, 0)
        return MAGENTA
    return bmp24(24, 24, pixel)


def search_clear(state):
    """18 x 18: a small cross in a circle."""
    ink = {"normal": (140, 140, 140), "hover": (0, 150, 170), "disabled": (205, 205, 205)}[state]
    def pixel(x, y):
        d = ((x - 8.5) ** 2 + (y - 8.5) ** 2) ** 0.5
        if d <= 8 and (abs((x - 8.5) - (y - 8.5)) < 1.2 or abs((x - 8.5) + (y - 8.5)) < 1.2) and d <= 5:
            return PAPER
        if d <= 8:
            return ink
        return PAPER
    return bmp24(18, 18, pixel)


PICTURES.update({
    "thumb_placeholder.bmp": thumb_placeholder,
    "favorite_mark.bmp": favorite_mark,
    "search_clear_normal.bmp": lambda: search_clear("normal"),
    "search_clear_hover.bmp": lambda: search_clear("hover"),
    "search_clear_disabled.bmp": lambda: search_clear("disabled"),
})
# ---- Meeting list screen: kind and filter tabs, today box, calendar arrows, row icons ----
LIST_TEAL = (0, 188, 212)
LIST_BACK = (232, 233, 240)
LIST_GREY = (150, 150, 150)


def list_glyph(kind, x, y, cx, cy, scale):
    """True where a glyph covers the point; (cx, cy) its centre, scale its half size."""
    dx, dy = (x - cx) / scale, (y - cy) / scale
    if kind == "people":       # two heads over a table
        return ((dx + 0.45) ** 2 + (dy + 0.45) ** 2 <= 0.06 or (dx - 0.45) ** 2 + (dy + 0.45) ** 2 <= 0.06
                or (-0.9 <= dx <= 0.9 and 0.05 <= dy <= 0.3) or (abs(dx) <= 0.1 and 0.3 <= dy <= 0.9))
    if kind == "document":     # a sheet with three lines
        inside = -0.6 <= dx <= 0.6 and -0.85 <= dy <= 0.85
        edge = inside and (dx <= -0.5 or dx >= 0.5 or dy <= -0.75 or dy >= 0.75)
        line = -0.35 <= dx <= 0.35 and any(abs(dy - c) <= 0.07 for c in (-0.35, 0.0, 0.35))
        return edge or line
    if kind == "all":          # three bars
        return -0.8 <= dx <= 0.8 and any(abs(dy - c) <= 0.12 for c in (-0.55, 0.0, 0.55))
    if kind == "open":         # a play triangle
        return -0.5 <= dx <= 0.7 and abs(dy) <= (0.7 - dx) * 0.6
    if kind == "done":         # a check mark
        return (abs(dy - (dx + 0.1)) <= 0.18 and -0.6 <= dx <= -0.1) or (abs(dy + (dx - 0.1) * 1.6 - 0.0) <= 0.2 and -0.15 <= dx <= 0.75)
    if kind == "today":        # a right arrow in a ring
        r2 = dx * dx + dy * dy
        return 0.64 <= r2 <= 1.0 or (abs(dy) <= 0.1 and -0.45 <= dx <= 0.3) or (0.05 <= dx <= 0.45 and abs(dy) <= 0.45 - dx)
    if kind == "right":
        return -0.3 <= dx <= 0.35 and abs(dy) <= (0.35 - dx) * 0.9 and abs(dy) >= (0.35 - dx) * 0.9 - 0.35
    if kind == "left":
        return list_glyph("right", 2 * cx - x, y, cx, cy, scale)
    return False


def list_tab(kind, state, width, height):
    """A tab: white (normal), pale teal (hover) or teal (selected) with a glyph."""
    back = {"normal": (255, 255, 255), "hover": (224, 250, 253), "selected": LIST_TEAL}[state]
    ink = (255, 255, 255) if state == "selected" else (LIST_TEAL if state == "hover" else LIST_GREY)
    scale = min(width, height) * 0.28

    def pixel(x, y):
        if (x < 2 or x > width - 3) and (y < 2 or y > height - 3):
            return LIST_BACK
        if list_glyph(kind, x, y, width / 2, height / 2, scale):
            return ink
        return back
    return bmp24(width, height, pixel)


def list_icon(kind, colour, width, height, back=(255, 255, 255)):
    """A small icon: a glyph or a filled disc in a colour on a plain background."""
    def pixel(x, y):
        if kind == "dot":
            return colour if (x - width / 2 + 0.5) ** 2 + (y - height / 2 + 0.5) ** 2 <= (width / 2 - 1) ** 2 else back
        if kind == "badge":
            return colour if 1 <= x < width - 1 and 3 <= y < height - 3 else back
        if list_glyph(kind, x, y, width / 2, height / 2, min(width, height) * 0.42):
            return colour
        return back
    return bmp24(width, height, pixel)


for _name, _kind, _w, _h in (("kind_meetings", "people", 120, 112), ("kind_reports", "document", 120, 112),
                             ("tab_all", "all", 76, 34), ("tab_open", "open", 76, 34),
                             ("tab_done", "done", 76, 34), ("tab_fourth", "all", 76, 34)):
    for _state in ("normal", "hover", "selected"):
        PICTURES["list_%s_%s.bmp" % (_name, _state)] = (lambda k=_kind, s=_state, w=_w, h=_h: list_tab(k, s, w, h))
for _state, _colour in (("normal", LIST_TEAL), ("hover", (0, 150, 170)), ("down", (0, 110, 130))):
    PICTURES["list_today_%s.bmp" % _state] = (lambda c=_colour: list_icon("today", c, 20, 20, MAGENTA))
for _dir in ("left", "right"):
    for _state, _colour in (("normal", DARK), ("down", LIST_TEAL), ("over", (0, 150, 170)), ("disabled", GREY)):
        PICTURES["cal_%s_%s.bmp" % (_dir, _state)] = (lambda d=_dir, c=_colour: list_icon(d, c, 20, 20))
for _name, _colour in (("1", (60, 132, 231)), ("2", (0, 188, 80)), ("3", (178, 178, 178)), ("4", (178, 178, 178)),
                       ("11", (255, 174, 0)), ("12", (0, 188, 212)), ("13", (242, 89, 111)), ("14", (178, 178, 178))):
    PICTURES["list_status_%s.bmp" % _name] = (lambda c=_colour: list_icon("dot", c, 16, 16))
PICTURES["list_flag_feedback.bmp"] = lambda: list_icon("badge", (92, 180, 236), 53, 24)
PICTURES["list_flag_note.bmp"] = lambda: list_icon("document", (255, 174, 0), 24, 24)
PICTURES["list_flag_reporter.bmp"] = lambda: list_icon("people", (0, 188, 212), 24, 24, MAGENTA)
PICTURES["list_flag_urgent.bmp"] = lambda: list_icon("dot", (255, 0, 0), 24, 24, MAGENTA)
PICTURES["list_flag_open.bmp"] = lambda: list_icon("open", (60, 132, 231), 24, 24, MAGENTA)
PICTURES["list_flag_hidden.bmp"] = lambda: list_icon("all", LIST_GREY, 24, 24, MAGENTA)
PICTURES["list_flag_type12.bmp"] = lambda: list_icon("done", (0, 150, 170), 17, 21, MAGENTA)
# ---- Meeting screen: the private document list's back button ----
for _state, _name in (("normal", "private_back_normal.bmp"), ("hover", "private_back_hover.bmp"),
                      ("down", "private_back_down.bmp")):
    PICTURES[_name] = (lambda s=_state: small_glyph_button("private", s))
# ---- Meeting detail and minutes ----
def minutes_button(state):
    """22 x 22: a sheet with three lines on a light face (the minutes header button)."""
    back = shaded((236, 240, 243), state)
    ink = (170, 170, 170) if state == "disabled" else HEADER

    def pixel(x, y):
        if 6 <= x <= 15 and 4 <= y <= 17 and (x in (6, 15) or y in (4, 17)):
            return ink
        if 8 <= x <= 13 and y in (8, 11, 14):
            return ink
        return back
    return bmp24(22, 22, pixel)


for _state in ("normal", "hover", "down", "disabled"):
    PICTURES["minutes_%s.bmp" % _state] = (lambda s=_state: minutes_button(s))
# ---- Chat and attendees ----
CHAT_BACK = (232, 236, 240)
KEY = (255, 0, 255)


def bubble_piece(fill, edge, piece):
    """One of a bubble's nine pieces: corners 6 x 6 rounded, edges 6 x 1 or 1 x 6, centre 1 x 1."""
    w = 6 if piece[-1] in "LR" else 1
    h = 6 if piece[0] in "TB" else 1
    if piece == "C":
        return bmp24(1, 1, lambda x, y: fill)

    def pixel(x, y):
        # distance from the corner's rounded edge
        cx = x if piece[-1] == "L" else (w - 1 - x)
        cy = y if piece[0] == "T" else (h - 1 - y)
        if piece in ("TL", "TR", "BL", "BR"):
            d2 = (5 - cx) ** 2 + (5 - cy) ** 2
            if d2 > 30:
                return KEY
            if d2 > 20:
                return edge
            return fill
        if piece in ("T", "B"):
            return edge if cy == 0 else fill
        return edge if cx == 0 else fill
    return bmp24(w, h, pixel)


for _i, _p in enumerate(("TL", "T", "TR", "L", "C", "R", "BL", "B", "BR")):
    PICTURES["chat_other_%s.bmp" % _p.lower()] = (lambda p=_p: bubble_piece(PAPER, BORDER, p))
    PICTURES["chat_mine_%s.bmp" % _p.lower()] = (lambda p=_p: bubble_piece((255, 236, 120), (225, 200, 80), p))


def send_button(state):
    """70 x 50: a rounded teal face with a white paper-plane arrow."""
    face = {"normal": HEADER, "hover": (0, 170, 190), "down": (0, 120, 140), "disabled": (180, 190, 195)}[state]

    def pixel(x, y):
        if (x < 3 and y < 3) or (x > 66 and y < 3) or (x < 3 and y > 46) or (x > 66 and y > 46):
            return CHAT_BACK
        if 24 <= x <= 46 and abs(y - 25) <= (46 - x) * 10 // 22:
            return WHITE
        return face
    return bmp24(70, 50, pixel)


def more_button(state):
    """243 x 30: a light bar with a small up arrow at its centre."""
    face = {"normal": (244, 246, 248), "hover": (230, 240, 244), "down": (215, 228, 234)}[state]

    def pixel(x, y):
        if y in (0, 29) or x in (0, 242):
            return BORDER
        if 11 <= y <= 18 and abs(x - 121) <= y - 11:
            return HEADER
        return face
    return bmp24(243, 30, pixel)


PICTURES.update({
    "chat_top_line.bmp": lambda: bmp24(283, 8, lambda x, y: (210, 216, 222) if y < 2 else CHAT_BACK),
    "chat_back.bmp": lambda: bmp24(300, 128, lambda x, y: CHAT_BACK),
    "chat_input_area.bmp": lambda: bmp24(280, 65, lambda x, y: BORDER if y == 0 else (246, 247, 249)),
    "chat_day_line.bmp": lambda: bmp24(238, 19, lambda x, y: KEY if (x < 2 or x > 235) and (y < 2 or y > 16)
                                       else (150, 160, 170)),
    "attendee_present.bmp": lambda: bmp24(12, 12, lambda x, y: (40, 180, 90) if (x - 5.5) ** 2 + (y - 5.5) ** 2 < 25 else KEY),
    "attendee_absent.bmp": lambda: bmp24(12, 12, lambda x, y: (190, 190, 190) if (x - 5.5) ** 2 + (y - 5.5) ** 2 < 25 else KEY),
    "attendee_presenter.bmp": lambda: bmp24(61, 18, lambda x, y: (230, 90, 60) if 2 < y < 15 else KEY),
    "attendee_confirm_y.bmp": lambda: bmp24(18, 18, lambda x, y: (40, 150, 220) if (x - 8.5) ** 2 + (y - 8.5) ** 2 < 72 else KEY),
    "attendee_confirm_n.bmp": lambda: bmp24(18, 18, lambda x, y: (220, 70, 70) if (x - 8.5) ** 2 + (y - 8.5) ** 2 < 72 else KEY),
    "attendee_extra.bmp": lambda: bmp24(8, 8, lambda x, y: BORDER),
})
for _state in ("normal", "hover", "down", "disabled"):
    PICTURES["chat_send_%s.bmp" % _state] = (lambda s=_state: send_button(s))
for _state in ("normal", "hover", "down"):
    PICTURES["chat_more_%s.bmp" % _state] = (lambda s=_state: more_button(s))


# ---- Whiteboard tools ----
WBT_FACE = (246, 247, 251)
WBT_INK = (60, 70, 90)
WBT_ACCENT = (0, 120, 215)
WBT_STATES = ("normal", "down", "hover", "disabled")
WBT_COLOURS = [(233, 0, 0), (255, 96, 0), (255, 216, 0), (74, 231, 5), (0, 138, 10),
               (0, 198, 255), (0, 67, 236), (0, 5, 108), (96, 0, 157), (255, 0, 246),
               (255, 255, 255), (199, 199, 199), (128, 128, 128), (67, 67, 67), (0, 0, 0)]


def _in_line(x, y, x0, y0, x1, y1, width=1.5):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
    px, py = x0 + t * dx, y0 + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= width * width


def _glyph(kind, x, y, w, h):
    """True where the tool's little drawing has ink (in a w x h box)."""
    cx, cy = w / 2.0, h / 2.0
    m = min(w, h)
    if kind == "pen":
        return _in_line(x, y, w * 0.25, h * 0.75, w * 0.75, h * 0.25, m * 0.07)
    if kind == "highlighter":
        return _in_line(x, y, w * 0.25, h * 0.7, w * 0.75, h * 0.3, m * 0.14)
    if kind in ("clearpanel", "eraser", "clear0"):
        return w * 0.3 <= x <= w * 0.7 and h * 0.35 <= y <= h * 0.65
    if kind == "undo":
        return _in_line(x, y, w * 0.3, cy, w * 0.7, cy, 1.3) or _in_line(x, y, w * 0.3, cy, w * 0.45, h * 0.35, 1.3) \
            or _in_line(x, y, w * 0.3, cy, w * 0.45, h * 0.65, 1.3)
    if kind == "redo":
        return _glyph("undo", w - 1 - x, y, w, h)
    if kind in ("prev", "next"):
        xx = x if kind == "next" else w - 1 - x
        return _in_line(xx, y, w * 0.4, h * 0.3, w * 0.6, cy, 1.3) or _in_line(xx, y, w * 0.6, cy, w * 0.4, h * 0.7, 1.3)
    if kind == "keepoff":
        return _in_line(x, y, w * 0.3, h * 0.5, w * 0.7, h * 0.5, 1.2)
    if kind == "keepon":
        return _in_line(x, y, w * 0.5, h * 0.2, w * 0.5, h * 0.8, 1.2) or _in_line(x, y, w * 0.3, h * 0.4, w * 0.7, h * 0.4, 1.2)
    if kind.startswith("shape"):
        n = int(kind[5:])
        x0, y0, x1, y1 = w * 0.25, h * 0.3, w * 0.75, h * 0.7
        if n == 0:
            return any(_in_line(x, y, w * (0.25 + 0.1 * i), cy + (3 if i % 2 else -3), w * (0.35 + 0.1 * i),
                                cy + (-3 if i % 2 else 3), 1.2) for i in range(5))
        if n == 1:
            return _in_line(x, y, x0, y1, x1, y0, 1.2)
        if n == 2:
            return _in_line(x, y, x0, cy, w * 0.45, y1, 1.3) or _in_line(x, y, w * 0.45, y1, x1, y0, 1.3)
        if n in (3, 4):
            inside = x0 <= x <= x1 and y0 <= y <= y1
            border = inside and (x < x0 + 1.5 or x > x1 - 1.5 or y < y0 + 1.5 or y > y1 - 1.5)
            if n == 4 and ((x - x0 < 3 or x1 - x < 3) and (y - y0 < 3 or y1 - y < 3)):
                return False
            return border
        rx, ry = (x1 - x0) / 2, (y1 - y0) / 2
        d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        return 0.7 <= d <= 1.15
    if kind.startswith("width"):
        n = int(kind[5:])
        return _in_line(x, y, w * 0.25, cy, w * 0.75, cy, 1 + n * 1.2)
    if kind.startswith("pointer"):
        n = int(kind[7:])
        return (x - cx) ** 2 + (y - cy) ** 2 <= (3 + 3 * n) ** 2
    if kind == "clear1":
        return (w * 0.3 <= x <= w * 0.7 and h * 0.25 <= y <= h * 0.75) and (x < w * 0.3 + 2 or x > w * 0.7 - 2 or y < h * 0.25 + 2 or y > h * 0.75 - 2)
    if kind == "clear2":
        return any((w * (0.22 + d) <= x <= w * (0.62 + d) and h * (0.22 + d) <= y <= h * (0.62 + d)) and
                   (x < w * (0.22 + d) + 2 or y < h * (0.22 + d) + 2) for d in (0.0, 0.16))
    if kind == "save":
        return (w * 0.25 <= x <= w * 0.75 and h * 0.2 <= y <= h * 0.8) and not (w * 0.35 <= x <= w * 0.65 and h * 0.2 <= y <= h * 0.45)
    if kind == "favorite":
        return abs(x - cx) + abs(y - cy) <= m * 0.32
    if kind == "mode":
        return (w * 0.25 <= x <= w * 0.75 and h * 0.25 <= y <= h * 0.75) and ((x - w * 0.25) < 2 or (y - h * 0.25) < 2 or x > w * 0.75 - 2 or y > h * 0.75 - 2 or abs(x - y) < 1.5)
    if kind == "whiteboard":
        return (w * 0.2 <= x <= w * 0.8 and h * 0.25 <= y <= h * 0.7) and (x < w * 0.2 + 2 or x > w * 0.8 - 2 or y < h * 0.25 + 2 or y > h * 0.7 - 2)
    if kind == "addpage":
        return _in_line(x, y, cx, h * 0.25, cx, h * 0.75, 1.3) or _in_line(x, y, w * 0.25, cy, w * 0.75, cy, 1.3)
    if kind == "move":
        return _in_line(x, y, cx, h * 0.2, cx, h * 0.8, 1.2) or _in_line(x, y, w * 0.2, cy, w * 0.8, cy, 1.2)
    if kind == "laser":
        return (x - cx) ** 2 + (y - cy) ** 2 <= (m * 0.18) ** 2
    if kind in ("sticky", "stickyfull"):
        box = w * 0.25 <= x <= w * 0.75 and h * 0.25 <= y <= h * 0.75
        if kind == "stickyfull":
            return box
        return box and (x < w * 0.25 + 2 or y < h * 0.25 + 2 or x > w * 0.75 - 2 or y > h * 0.75 - 2)
    return False


def wbt_button(kind, state, w=37, h=37):
    face = {"normal": WBT_FACE, "down": (210, 228, 250), "hover": (232, 240, 252), "disabled": (240, 240, 240)}[state]
    ink = {"normal": WBT_INK, "down": WBT_ACCENT, "hover": WBT_ACCENT, "disabled": (190, 190, 190)}[state]
    if kind == "highlighter" and state != "disabled":
        ink = (230, 200, 0) if state == "normal" else (250, 170, 0)
    if kind == "stickyfull" and state != "disabled":
        ink = (255, 200, 40)
    if kind == "laser" and state != "disabled":
        ink = (220, 0, 0)

    def pixel(x, y):
        if _glyph(kind, x, y, w, h):
            return ink
        if state == "down" and (x == 0 or y == 0 or x == w - 1 or y == h - 1):
            return WBT_ACCENT
        return face
    return bmp24(w, h, pixel)


def wbt_colour(rgb, state):
    def pixel(x, y):
        ring = state == "down" and (x < 2 or y < 2 or x > 15 or y > 15)
        hover = state == "hover" and (x == 0 or y == 0 or x == 17 or y == 17)
        if ring:
            return WBT_ACCENT
        if hover:
            return (120, 120, 120)
        if rgb == (255, 255, 255) and (x in (2, 15) or y in (2, 15)):
            return (200, 200, 200)
        return rgb
    return bmp24(18, 18, pixel)


WBT_BUTTONS = [(26500, "pen", 37, 37), (26504, "highlighter", 37, 37), (26508, "clearpanel", 37, 37),
               (26512, "undo", 37, 37), (26516, "redo", 37, 37), (26520, "keepoff", 20, 17),
               (26524, "keepon", 20, 17)]
WBT_BUTTONS += [(26528 + 4 * n, "shape%d" % n, 37, 37) for n in range(6)]
WBT_BUTTONS += [(26552 + 4 * n, "width%d" % n, 37, 37) for n in range(3)]
WBT_BUTTONS += [(26564 + 4 * n, "pointer%d" % n, 37, 37) for n in range(3)]
WBT_BUTTONS += [(26576, "clear0", 37, 37), (26580, "clear1", 37, 37), (26584, "clear2", 37, 37)]
WBT_BUTTONS += [(26650, "save", 23, 21), (26654, "favorite", 25, 23), (26660, "prev", 22, 22),
                (26664, "next", 22, 22), (26668, "mode", 30, 30), (26672, "whiteboard", 30, 30),
                (26676, "addpage", 30, 30), (26680, "move", 25, 23), (26684, "laser", 30, 30),
                (26688, "eraser", 25, 23), (1257, "sticky", 30, 30), (1261, "stickyfull", 30, 30)]
for _base, _kind, _w, _h in WBT_BUTTONS:
    for _i, _state in enumerate(WBT_STATES):
        PICTURES["wbt_%d.bmp" % (_base + _i)] = (lambda k=_kind, s=_state, w=_w, h=_h: wbt_button(k, s, w, h))
for _p, _rgb in enumerate(WBT_COLOURS):
    for _i, _state in enumerate(("normal", "down", "hover")):
        PICTURES["wbt_%d.bmp" % (26600 + 3 * _p + _i)] = (lambda c=_rgb, s=_state: wbt_colour(c, s))


def wbt_frame_piece(n):
    """The tool bar's nine-slice frame (corners, edges, centre), 8 x 8 each: a grey line on white."""
    line = (205, 210, 218)

    def pixel(x, y):
        left, top, right, bottom = n in (0, 1, 2), n in (0, 7, 6), n in (4, 5, 6), n in (2, 3, 4)
        if (left and x == 0) or (right and x == 7) or (top and y == 0) or (bottom and y == 7):
            return line
        return PAPER
    return bmp24(8, 8, pixel)


for _n, _id in enumerate((1026, 1029, 1032, 1033, 1034, 1031, 1028, 1027, 1030)):
    PICTURES["wbt_%d.bmp" % _id] = (lambda n=_n: wbt_frame_piece(n))
PICTURES["wbt_837.bmp"] = lambda: bmp24(167, 95, lambda x, y: (240, 242, 246))
PICTURES["wbt_781.bmp"] = lambda: bmp24(185, 56, lambda x, y: (246, 247, 251))
PICTURES["wbt_1065.bmp"] = lambda: bmp24(183, 2, lambda x, y: (225, 228, 234))

WBT_MEMO = {1: (255, 241, 170), 2: (255, 207, 170), 3: (170, 225, 255), 4: (229, 229, 229)}


def wbt_memo_panel(index, w):
    """A memo panel's card: the colour with a darker fold at the top, magenta outside the corners."""
    r, g, b = WBT_MEMO[index]
    fold = (int(r * 0.88), int(g * 0.88), int(b * 0.88))
    edge = (int(r * 0.7), int(g * 0.7), int(b * 0.7))
    inner = rounded(w, 220, 8, (r, g, b), outside=MAGENTA)

    def pixel(x, y):
        c = inner(x, y)
        if c == MAGENTA:
            return c
        if x == 0 or y == 0 or x == w - 1 or y == 219:
            return edge
        if y < 12:
            return fold
        return c
    return bmp24(w, 220, pixel)


for _idx, (_editor, _viewer) in {1: (530, 578), 2: (535, 576), 3: (516, 575), 4: (526, 577)}.items():
    PICTURES["wbt_%d.bmp" % _editor] = (lambda i=_idx: wbt_memo_panel(i, 399))
    PICTURES["wbt_%d.bmp" % _viewer] = (lambda i=_idx: wbt_memo_panel(i, 299))
for _idx, _id in {1: 534, 2: 533, 3: 532, 4: 531}.items():
    PICTURES["wbt_%d.bmp" % _id] = (lambda i=_idx: bmp24(43, 33, lambda x, y, c=WBT_MEMO[i]: (150, 150, 150) if x in (0, 42) or y in (0, 32) else c))
# The memo editor's OK (422 normal, 423 pressed, 421 hover, 420 disabled), the viewer's delete
# (634, 635, 633, 632) and edit (638, 639, 637, 636): coloured push buttons with a mark.
for _base, _colour in ((420, WBT_ACCENT), (632, (220, 70, 60)), (636, (90, 110, 140))):
    for _state, _off in (("disabled", 0), ("hover", 1), ("normal", 2), ("down", 3)):
        PICTURES["wbt_%d.bmp" % (_base + _off)] = (lambda c=_colour, s=_state: push_button(c, s))
MEMO_TEXT_COLOURS = [(0, 0, 0), (199, 199, 199), (233, 0, 0), (0, 138, 10), (0, 5, 108)]
for _n, (_normal, _pressed, _hover) in enumerate(((445, 456, 444), (487, 486, 488), (471, 448, 479),
                                                  (472, 462, 483), (468, 482, 451))):
    for _id, _state in ((_normal, "normal"), (_pressed, "down"), (_hover, "hover")):
        PICTURES["wbt_%d.bmp" % _id] = (lambda c=MEMO_TEXT_COLOURS[_n], s=_state: bmp24(18, 18, lambda x, y: (
            WBT_ACCENT if s == "down" and (x < 2 or y < 2 or x > 15 or y > 15) else
            c if (x - 8.5) ** 2 + (y - 8.5) ** 2 <= 36 else (255, 255, 255))))


# ---- Whiteboard: the laser pointer and the memo banner ----
def png_rgba(width, height, pixel):
    """A 32-bit RGBA PNG file; pixel(x, y) gives (r, g, b, a)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


# The drawing tool bar's colour table: the pointer's colour index is a column of it.
POINTER_COLOURS = [(233, 0, 0), (0, 198, 255), (0, 0, 0), (255, 96, 0), (0, 67, 236), (67, 67, 67), (255, 216, 0),
                   (0, 5, 108), (128, 128, 128), (74, 231, 5), (96, 0, 157), (199, 199, 199), (0, 138, 10),
                   (255, 0, 246), (255, 255, 255)]
POINTER_RADIUS = {1: 6, 2: 10, 3: 14}


def pointer_dot(size, colour, canvas):
    """A dot of the pointer's colour inside a white ring, centred in a canvas x canvas square."""
    inner = POINTER_RADIUS[size]
    centre = (canvas - 1) / 2.0

    def pixel(x, y):
        d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
        if d <= inner:
            return colour + (255,)
        if d <= inner + 2:
            return (255, 255, 255, 255)
        if d <= inner + 3:
            return (120, 120, 120, 160)
        return (0, 0, 0, 0)
    return pixel


def pointer_ids(row):
    """Picture and cursor ids of a size row, by colour column."""
    pictures = {1: [902] + list(range(936, 963, 2)), 2: list(range(874, 889)), 3: [901] + list(range(935, 962, 2))}
    cursors = {1: list(range(906, 935, 2)), 2: list(range(853, 868)), 3: list(range(905, 934, 2))}
    return pictures[row], cursors[row]


for _size in (1, 2, 3):
    _pictures, _cursors = pointer_ids(_size)
    for _col, _colour in enumerate(POINTER_COLOURS):
        _side = 2 * POINTER_RADIUS[_size] + 8
        PICTURES["pointer_%d.png" % _pictures[_col]] = (
            lambda s=_size, c=_colour, n=_side: png_rgba(n, n, pointer_dot(s, c, n)))
        PICTURES["pointer_%d.cur" % _cursors[_col]] = (
            lambda s=_size, c=_colour: icon_file(32, lambda x, y: pointer_dot(s, c, 32)(x, y), hotspot=(16, 16)))
# The pointer tool's cursor while no button is down: a small ring.
PICTURES["pointer_868.cur"] = lambda: icon_file(32, lambda x, y: (
    (60, 60, 60, 255) if 5 <= ((x - 15.5) ** 2 + (y - 15.5) ** 2) ** 0.5 <= 7 else (0, 0, 0, 0)), hotspot=(16, 16))
# The memo banner: a dark strip that the canvas lays over the page half transparent.
PICTURES["wbt_515.bmp"] = lambda: bmp24(8, 50, lambda x, y: (40, 48, 64) if y else (90, 100, 120))


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "--list":
        print(";".join(PICTURES))
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, make in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(make())


if __name__ == "__main__":
    main()
