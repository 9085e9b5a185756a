#!/usr/bin/env python3
"""Draws the pictures of the skin "ZEL.kor.skin" into a folder, as PNG files with an alpha
channel, using nothing but the standard library.

State images hold four equal strips side by side: normal, over, dim (disabled), down (pressed).
Pixels outside a shape are fully transparent; the colour under them is magenta (FF00FF), the
transparent colour of the client's bitmaps, so that a picture read without its alpha channel
still keys out the same pixels.

    make_pictures.py <output folder>
"""
import math
import os
import struct
import sys
import zlib

MAGENTA_CLEAR = (255, 0, 255, 0)


class Picture:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [MAGENTA_CLEAR] * (width * height)

    def put(self, x, y, rgba):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = rgba

    def fill(self, x0, y0, x1, y1, rgba):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y * self.width + x] = rgba

    def round_rect(self, x0, y0, x1, y1, radius, rgba):
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + radius - x - 0.5, 0, x + 0.5 - (x1 - radius))
                dy = max(y0 + radius - y - 0.5, 0, y + 0.5 - (y1 - radius))
                if dx * dx + dy * dy <= radius * radius:
                    self.put(x, y, rgba)

    def disc(self, cx, cy, radius, rgba):
        for y in range(int(cy - radius - 1), int(cy + radius + 2)):
            for x in range(int(cx - radius - 1), int(cx + radius + 2)):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, rgba)

    def line(self, x0, y0, x1, y1, width, rgba):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self.disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, rgba)

    def png(self):
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)
            for x in range(self.width):
                raw.extend(bytes(self.pixels[y * self.width + x]))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
                chunk(b"IEND", b""))


# Colours of the four states: normal, over, dim, down.
STATE_FILL = [(240, 240, 240, 255), (225, 235, 250, 255), (245, 245, 245, 255), (200, 215, 240, 255)]
STATE_INK = [(60, 60, 60, 255), (30, 90, 200, 255), (170, 170, 170, 255), (20, 60, 150, 255)]
ACCENT = (0, 120, 215, 255)
WHITE = (255, 255, 255, 255)


def strips(size_w, size_h, draw):
    """A four-strip state image; draw(picture, x0, state) paints one strip."""
    pic = Picture(size_w * 4, size_h)
    for state in range(4):
        draw(pic, state * size_w, state)
    return pic


def glyph_button(size, glyph):
    def draw(pic, x0, state):
        pic.round_rect(x0, 0, x0 + size, size, 3, STATE_FILL[state])
        glyph(pic, x0, size, STATE_INK[state])
    return strips(size, size, draw)


def glyph_close(pic, x0, size, ink):
    m = size * 0.3
    pic.line(x0 + m, m, x0 + size - m, size - m, 1.6, ink)
    pic.line(x0 + size - m, m, x0 + m, size - m, 1.6, ink)


def glyph_max(pic, x0, size, ink):
    m = int(size * 0.28)
    pic.fill(x0 + m, m, x0 + size - m, m + 2, ink)
    pic.fill(x0 + m, size - m - 1, x0 + size - m, size - m, ink)
    pic.fill(x0 + m, m, x0 + m + 1, size - m, ink)
    pic.fill(x0 + size - m - 1, m, x0 + size - m, size - m, ink)


def glyph_restore(pic, x0, size, ink):
    m = int(size * 0.28)
    s = int(size * 0.16)
    pic.fill(x0 + m + s, m, x0 + size - m, m + 1, ink)
    pic.fill(x0 + size - m - 1, m, x0 + size - m, size - m - s, ink)
    glyph_max_at(pic, x0 + m, m + s, size - 2 * m - s, ink)


def glyph_max_at(pic, x, y, side, ink):
    pic.fill(x, y, x + side, y + 2, ink)
    pic.fill(x, y + side - 1, x + side, y + side, ink)
    pic.fill(x, y, x + 1, y + side, ink)
    pic.fill(x + side - 1, y, x + side, y + side, ink)


def glyph_min(pic, x0, size, ink):
    m = int(size * 0.28)
    pic.fill(x0 + m, size - m - 2, x0 + size - m, size - m, ink)


def check_box(checked):
    def draw(pic, x0, state):
        size = pic.height
        pic.round_rect(x0 + 1, 1, x0 + size - 1, size - 1, 3, STATE_INK[state] if checked else (150, 150, 150, 255))
        if not checked:
            pic.round_rect(x0 + 2, 2, x0 + size - 2, size - 2, 2, WHITE)
        else:
            pic.line(x0 + size * 0.25, size * 0.5, x0 + size * 0.45, size * 0.7, 2, WHITE)
            pic.line(x0 + size * 0.45, size * 0.7, x0 + size * 0.78, size * 0.3, 2, WHITE)
    return strips(18, 18, draw)


def switch(on):
    def draw(pic, x0, state):
        w, h = 40, 20
        track = (ACCENT if on else (190, 190, 190, 255)) if state != 2 else (220, 220, 220, 255)
        pic.round_rect(x0, 0, x0 + w, h, h // 2, track)
        knob_x = x0 + (w - h // 2 - 1 if on else h // 2 + 1)
        pic.disc(knob_x, h / 2, h / 2 - 3, WHITE)
    return strips(40, 20, draw)


def radio(on):
    def draw(pic, x0, state):
        size = 16
        pic.disc(x0 + size / 2, size / 2, size / 2 - 1, STATE_INK[state] if on else (150, 150, 150, 255))
        pic.disc(x0 + size / 2, size / 2, size / 2 - 2.5, WHITE)
        if on:
            pic.disc(x0 + size / 2, size / 2, size / 4, STATE_INK[state])
    return strips(16, 16, draw)


def push_button(width, height, fill_colours):
    def draw(pic, x0, state):
        pic.round_rect(x0, 0, x0 + width, height, 4, fill_colours[state])
    return strips(width, height, draw)


def combo_background():
    def draw(pic, x0, state):
        w, h = 120, 28
        pic.round_rect(x0, 0, x0 + w, h, 3, (180, 180, 180, 255) if state != 1 else ACCENT)
        pic.round_rect(x0 + 1, 1, x0 + w - 1, h - 1, 2, STATE_FILL[state])
    return strips(120, 28, draw)


def menu_icon(kind):
    pic = Picture(16, 16)
    ink = (80, 80, 80, 255)
    if kind == "copy":
        pic.fill(2, 2, 11, 3, ink); pic.fill(2, 2, 3, 11, ink); pic.fill(2, 10, 11, 11, ink); pic.fill(10, 2, 11, 11, ink)
        pic.fill(5, 5, 14, 6, ink); pic.fill(5, 5, 6, 14, ink); pic.fill(5, 13, 14, 14, ink); pic.fill(13, 5, 14, 14, ink)
    elif kind == "gear":
        pic.disc(8, 8, 6.5, ink); pic.disc(8, 8, 3, MAGENTA_CLEAR)
    elif kind == "clock":
        pic.disc(8, 8, 7, ink); pic.disc(8, 8, 5.5, WHITE); pic.fill(7, 4, 9, 9, ink); pic.fill(7, 7, 12, 9, ink)
    elif kind == "lock":
        pic.fill(3, 7, 13, 15, ink); pic.round_rect(5, 1, 11, 9, 3, ink); pic.round_rect(7, 3, 9, 9, 1, MAGENTA_CLEAR)
    elif kind == "exit":
        pic.fill(2, 2, 9, 14, ink); pic.fill(4, 4, 9, 12, WHITE); pic.line(8, 8, 14, 8, 2, ink); pic.line(11, 5, 14, 8, 2, ink)
        pic.line(11, 11, 14, 8, 2, ink)
    return pic


def setting_icon(index, selected):
    pic = Picture(24, 24)
    colour = WHITE if selected else (90, 90, 90, 255)
    pic.disc(12, 12, 9, colour)
    pic.disc(12, 12, 4 + index, MAGENTA_CLEAR)
    return pic


def background_pattern():
    pic = Picture(8, 8)
    for y in range(8):
        for x in range(8):
            pic.put(x, y, (246, 247, 249, 255) if (x + y) % 8 else (236, 238, 242, 255))
    return pic


def logo():
    pic = Picture(32, 32)
    pic.round_rect(0, 0, 32, 32, 8, ACCENT)
    pic.fill(8, 8, 24, 11, WHITE); pic.line(22, 10, 10, 22, 3, WHITE); pic.fill(8, 21, 24, 24, WHITE)
    return pic


# ---- Documents: the document viewer ----
def glyph_chevron(direction):
    def glyph(pic, x0, size, ink):
        m = size * 0.36
        tip = x0 + (size - m if direction > 0 else m)
        back = x0 + (m if direction > 0 else size - m)
        pic.line(back, size * 0.25, tip, size / 2, 2.2, ink)
        pic.line(tip, size / 2, back, size * 0.75, 2.2, ink)
    return glyph


def document_viewer_pictures():
    return {
        "btn_doc_prev.png": glyph_button(32, glyph_chevron(-1)),
        "btn_doc_next.png": glyph_button(32, glyph_chevron(1)),
        "btn_doc_change.png": push_button(120, 32, [ACCENT, (30, 140, 230, 255), (170, 190, 210, 255),
                                                    (0, 90, 170, 255)]),
    }


# Document type icons of the meeting's document list, 1 to 18 in the list's order: a page with a
# folded corner and a band in the type's colour.
DOC_TYPE_COLOURS = [
    (120, 120, 200), (40, 90, 200), (40, 90, 200), (140, 140, 140), (200, 120, 40), (230, 110, 30),
    (30, 140, 200), (200, 120, 40), (210, 40, 40), (120, 60, 170), (200, 120, 40), (220, 90, 40),
    (220, 90, 40), (120, 120, 200), (110, 110, 110), (30, 140, 70), (30, 140, 70), (150, 120, 60),
]


def document_type_icon(colour):
    pic = Picture(24, 28)
    edge = (170, 175, 185, 255)
    pic.fill(3, 1, 16, 27, edge)
    pic.fill(4, 2, 16, 26, WHITE)
    for i in range(6):   # the folded corner
        pic.fill(16, 1 + i, 16 + i + 1, 2 + i, edge)
        pic.fill(16, 2 + i, 16 + i, 3 + i, WHITE)
    pic.fill(16, 7, 22, 27, edge)
    pic.fill(16, 7, 21, 26, WHITE)
    pic.fill(6, 15, 19, 23, colour + (255,))
    for y in (7, 10):
        pic.fill(6, y, 14, y + 1, (200, 200, 205, 255))
    return pic


def glyph_dual(pic, x0, size, ink):
    """Two overlapping pages: open beside the board."""
    for dx, dy in ((5, 4), (9, 8)):
        pic.fill(x0 + dx, dy, x0 + dx + 9, dy + 1, ink)
        pic.fill(x0 + dx, dy + 10, x0 + dx + 9, dy + 11, ink)
        pic.fill(x0 + dx, dy, x0 + dx + 1, dy + 11, ink)
        pic.fill(x0 + dx + 8, dy, x0 + dx + 9, dy + 11, ink)


def document_list_pictures():
    out = {"btn_doc_dual.png": glyph_button(24, glyph_dual)}
    for i, colour in enumerate(DOC_TYPE_COLOURS):
        out["doc_type%d.png" % (i + 1)] = document_type_icon(colour)
    return out



# ---- Application shell: the skinned face of the title bar ----
def glyph_title(kind):
    def glyph(pic, x0, size, ink):
        c = size / 2.0
        if kind == "menu":
            for y in (0.3, 0.5, 0.7):
                pic.fill(x0 + int(size * 0.25), int(size * y), x0 + int(size * 0.75), int(size * y) + 1, ink)
        elif kind == "full":
            m = size * 0.25
            for (ax, ay, bx, by) in ((m, m, m + 3, m), (m, m, m, m + 3), (size - m, size - m, size - m - 3, size - m),
                                     (size - m, size - m, size - m, size - m - 3)):
                pic.line(x0 + ax, ay, x0 + bx, by, 1.4, ink)
        elif kind == "refresh":
            for i in range(0, 300, 6):
                a = math.radians(i)
                pic.disc(x0 + c + math.cos(a) * size * 0.28, c + math.sin(a) * size * 0.28, 1.1, ink)
            pic.line(x0 + c + size * 0.28, c - 4, x0 + c + size * 0.28, c + 1, 1.6, ink)
        elif kind == "chat":
            for y in range(int(size * 0.28), int(size * 0.64)):
                pic.fill(x0 + int(size * 0.22), y, x0 + int(size * 0.78), y + 1, ink)
            pic.line(x0 + size * 0.32, size * 0.62, x0 + size * 0.28, size * 0.78, 2.0, ink)
        elif kind == "filebox":
            pic.fill(x0 + int(size * 0.22), int(size * 0.3), x0 + int(size * 0.78), int(size * 0.34), ink)
            pic.fill(x0 + int(size * 0.22), int(size * 0.72), x0 + int(size * 0.78), int(size * 0.76), ink)
            pic.fill(x0 + int(size * 0.22), int(size * 0.3), x0 + int(size * 0.26), int(size * 0.76), ink)
            pic.fill(x0 + int(size * 0.74), int(size * 0.3), x0 + int(size * 0.78), int(size * 0.76), ink)
        elif kind == "video":
            pic.fill(x0 + int(size * 0.2), int(size * 0.34), x0 + int(size * 0.6), int(size * 0.68), ink)
            pic.line(x0 + size * 0.62, c, x0 + size * 0.8, size * 0.36, 1.8, ink)
            pic.line(x0 + size * 0.62, c, x0 + size * 0.8, size * 0.64, 1.8, ink)
    return glyph


def title_dialog_pictures():
    out = {"btn_title_menu.png": glyph_button(16, glyph_title("menu")),
           "btn_title_full.png": glyph_button(16, glyph_title("full"))}
    for kind in ("refresh", "chat", "filebox", "video"):
        out["btn_title_%s.png" % kind] = glyph_button(32, glyph_title(kind))
    return out

def signature_blank():
    """The empty signature area: white with a grey base line and a small cross where to begin."""
    pic = Picture(300, 140)
    pic.fill(0, 0, 300, 140, WHITE)
    pic.fill(30, 104, 270, 106, (200, 204, 210, 255))
    pic.line(30, 84, 42, 96, 1.6, (170, 175, 185, 255))
    pic.line(42, 84, 30, 96, 1.6, (170, 175, 185, 255))
    return pic


# ---- Meeting detail and minutes ----
def glyph_plus(pic, x0, size, ink):
    pic.line(x0 + size / 2, size * 0.25, x0 + size / 2, size * 0.75, 2, ink)
    pic.line(x0 + size * 0.25, size / 2, x0 + size * 0.75, size / 2, 2, ink)


def glyph_board(pic, x0, size, ink):
    """A board on a stand: the whiteboard."""
    pic.fill(x0 + 4, 5, x0 + size - 4, 6, ink)
    pic.fill(x0 + 4, size - 9, x0 + size - 4, size - 8, ink)
    pic.fill(x0 + 4, 5, x0 + 5, size - 8, ink)
    pic.fill(x0 + size - 5, 5, x0 + size - 4, size - 8, ink)
    pic.line(x0 + size / 2, size - 8, x0 + size / 2 - 4, size - 3, 1.4, ink)
    pic.line(x0 + size / 2, size - 8, x0 + size / 2 + 4, size - 3, 1.4, ink)


def glyph_star(filled):
    def glyph(pic, x0, size, ink):
        cx, cy, r = x0 + size / 2, size / 2 + 1, size * 0.36
        points = []
        for i in range(10):
            a = -math.pi / 2 + i * math.pi / 5
            rr = r if i % 2 == 0 else r * 0.45
            points.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        colour = (240, 170, 0, 255) if filled else ink
        for i in range(10):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % 10]
            pic.line(ax, ay, bx, by, 1.2, colour)
        if filled:
            for y in range(size):
                for x in range(int(x0), int(x0 + size)):
                    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= (r * 0.45) ** 2:
                        pic.put(x, y, colour)
    return glyph


def glyph_bubble(pic, x0, size, ink):
    """A speech bubble: the feedback on a document."""
    pic.fill(x0 + 5, 6, x0 + size - 5, 7, ink)
    pic.fill(x0 + 5, size - 9, x0 + size - 5, size - 8, ink)
    pic.fill(x0 + 5, 6, x0 + 6, size - 8, ink)
    pic.fill(x0 + size - 6, 6, x0 + size - 5, size - 8, ink)
    pic.line(x0 + 9, size - 8, x0 + 7, size - 4, 1.4, ink)


def glyph_box(pic, x0, size, ink):
    pic.fill(x0 + 5, 8, x0 + size - 5, 9, ink)
    pic.fill(x0 + 5, size - 6, x0 + size - 5, size - 5, ink)
    pic.fill(x0 + 5, 8, x0 + 6, size - 5, ink)
    pic.fill(x0 + size - 6, 8, x0 + size - 5, size - 5, ink)
    pic.fill(x0 + 9, 12, x0 + size - 9, 13, ink)


def note_mark():
    pic = Picture(16, 16)
    pic.round_rect(0, 0, 16, 16, 3, (0, 150, 110, 255))
    pic.fill(4, 5, 12, 6, WHITE); pic.fill(4, 8, 12, 9, WHITE); pic.fill(4, 11, 9, 12, WHITE)
    return pic


def detail_pictures():
    return {
        "btn_detail_action.png": push_button(120, 36, [ACCENT, (30, 140, 230, 255), (170, 190, 210, 255),
                                                        (0, 90, 170, 255)]),
        "btn_detail_add.png": glyph_button(24, glyph_plus),
        "btn_detail_board.png": glyph_button(24, glyph_board),
        "btn_detail_star.png": glyph_button(24, glyph_star(False)),
        "btn_detail_star_on.png": glyph_button(24, glyph_star(True)),
        "btn_detail_feedback.png": glyph_button(24, glyph_bubble),
        "btn_detail_filebox.png": glyph_button(24, glyph_box),
        "img_detail_note.png": note_mark(),
    }



# ---- Chat and attendees ----
def badge(width, height, colour, text_marks):
    """A rounded label of one colour with small white marks (stand-ins for its letters)."""
    pic = Picture(width, height)
    pic.round_rect(0, 0, width, height, height // 2, colour)
    for x0, x1 in text_marks:
        pic.fill(x0, height // 2 - 1, x1, height // 2 + 1, WHITE)
    return pic


def round_icon(size, colour, glyph):
    pic = Picture(size, size)
    pic.disc(size / 2, size / 2, size / 2, colour)
    glyph(pic, size)
    return pic


def glyph_check(pic, size):
    pic.line(size * 0.28, size * 0.52, size * 0.45, size * 0.7, 1.6, WHITE)
    pic.line(size * 0.45, size * 0.7, size * 0.74, size * 0.32, 1.6, WHITE)


def glyph_cross(pic, size):
    pic.line(size * 0.32, size * 0.32, size * 0.68, size * 0.68, 1.6, WHITE)
    pic.line(size * 0.68, size * 0.32, size * 0.32, size * 0.68, 1.6, WHITE)


def glyph_plus_person(pic, x0, size, ink):
    pic.disc(x0 + size * 0.4, size * 0.35, size * 0.16, ink)
    pic.round_rect(x0 + int(size * 0.18), int(size * 0.55), x0 + int(size * 0.62), int(size * 0.8), 3, ink)
    pic.fill(x0 + int(size * 0.7), int(size * 0.45), x0 + int(size * 0.9), int(size * 0.45) + 2, ink)
    pic.fill(x0 + int(size * 0.79), int(size * 0.36), x0 + int(size * 0.79) + 2, int(size * 0.56), ink)


def profile_placeholder(size):
    pic = Picture(size, size)
    pic.disc(size / 2, size / 2, size / 2, (214, 220, 228, 255))
    pic.disc(size / 2, size * 0.4, size * 0.18, (160, 170, 184, 255))
    pic.round_rect(int(size * 0.24), int(size * 0.62), int(size * 0.76), int(size * 0.9), int(size * 0.12),
                   (160, 170, 184, 255))
    return pic


def contact_icon(kind):
    pic = Picture(16, 16)
    ink = (110, 120, 135, 255)
    if kind == "mail":
        pic.fill(2, 4, 14, 12, ink)
        pic.line(3, 5, 8, 9, 1.2, WHITE)
        pic.line(8, 9, 13, 5, 1.2, WHITE)
    elif kind == "office":
        pic.round_rect(3, 6, 13, 13, 2, ink)
        pic.round_rect(2, 2, 14, 6, 2, ink)
    else:
        pic.round_rect(5, 1, 11, 15, 2, ink)
        pic.fill(6, 3, 10, 11, WHITE)
    return pic


def attendee_pictures():
    hand_over = [ACCENT, (30, 140, 230, 255), (170, 190, 210, 255), (0, 90, 170, 255)]
    return {
        "icon_presenter.png": badge(44, 18, (230, 90, 60, 255), []),
        "btn_hand_over.png": strips(44, 18, lambda pic, x0, state: pic.round_rect(x0, 0, x0 + 44, 18, 9,
                                                                                    hand_over[state])),
        "icon_confirm_y.png": round_icon(16, (40, 150, 220, 255), glyph_check),
        "icon_confirm_n.png": round_icon(16, (220, 70, 70, 255), glyph_cross),
        "btn_add_user.png": glyph_button(24, glyph_plus_person),
        "btn_search_clear.png": glyph_button(16, glyph_close),
        "profile_placeholder.png": profile_placeholder(48),
        "icon_mail.png": contact_icon("mail"),
        "icon_office.png": contact_icon("office"),
        "icon_mobile.png": contact_icon("mobile"),
    }


def pictures():
    out = {
        "btn_close.png": glyph_button(16, glyph_close),
        "btn_max.png": glyph_button(16, glyph_max),
        "btn_max_on.png": glyph_button(16, glyph_restore),
        "btn_min.png": glyph_button(16, glyph_min),
        "btn_check_off.png": check_box(False),
        "btn_check_on.png": check_box(True),
        "btn_switch_off.png": switch(False),
        "btn_switch_on.png": switch(True),
        "btn_radio_off.png": radio(False),
        "btn_radio_on.png": radio(True),
        "btn_ok.png": push_button(90, 30, [ACCENT, (30, 140, 230, 255), (170, 190, 210, 255), (0, 90, 170, 255)]),
        "btn_cancel.png": push_button(90, 30, [(235, 235, 235, 255), (225, 225, 225, 255), (245, 245, 245, 255),
                                               (205, 205, 205, 255)]),
        "btn_day.png": push_button(40, 30, STATE_FILL),
        "btn_day_on.png": push_button(40, 30, [ACCENT, (30, 140, 230, 255), (170, 190, 210, 255), (0, 90, 170, 255)]),
        "combo_bg.png": combo_background(),
        "menu_copy.png": menu_icon("copy"),
        "menu_setting.png": menu_icon("gear"),
        "menu_clock.png": menu_icon("clock"),
        "menu_password.png": menu_icon("lock"),
        "menu_exit.png": menu_icon("exit"),
        "bg_pattern.png": background_pattern(),
        "logo.png": logo(),
    }
    for i in range(4):
        out["setting_icon%d.png" % (i + 1)] = setting_icon(i, False)
        out["setting_icon%d_sel.png" % (i + 1)] = setting_icon(i, True)
    out.update(document_viewer_pictures())
    out.update(document_list_pictures())
    out.update(title_dialog_pictures())
    out["sign_blank.png"] = signature_blank()
    out.update(side_panel_pictures())
    out.update(detail_pictures())
    out.update(attendee_pictures())
    return out


# ---- Meeting screen: information side panel ----
def info_tab():
    """A tab of the side panel's tab bar: plain, hovered, dim, and the chosen tab underlined."""
    fills = [(255, 255, 255, 255), (240, 244, 250, 255), (255, 255, 255, 255), (255, 255, 255, 255)]

    def draw(pic, x0, state):
        pic.fill(x0, 0, x0 + 76, 34, fills[state])
        if state == 3:
            pic.fill(x0, 31, x0 + 76, 34, ACCENT)
    return strips(76, 34, draw)


def side_panel_pictures():
    return {
        "tab_info.png": info_tab(),
        "btn_panel_hide.png": glyph_button(24, glyph_chevron(-1)),
    }


def whiteboard_page(paper, grid):
    """A blank page of the meeting's whiteboard: paper with a faint grid every 40 pixels."""
    pic = Picture(1280, 960)
    pic.fill(0, 0, pic.width, pic.height, paper)
    for x in range(40, pic.width, 40):
        pic.fill(x, 0, x + 1, pic.height, grid)
    for y in range(40, pic.height, 40):
        pic.fill(0, y, pic.width, y + 1, grid)
    return pic


def whiteboard_pages():
    """The backgrounds of the personal and the shared whiteboard ("image\\whiteboard" beside the
    program)."""
    return {
        "pwb.png": whiteboard_page((255, 255, 255, 255), (228, 234, 242, 255)),
        "swb.png": whiteboard_page((255, 253, 244, 255), (236, 230, 204, 255)),
    }


def write_if_changed(path, data):
    # Written only when changed, so that the build does not copy them again for nothing.
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, pic in pictures().items():
        write_if_changed(os.path.join(folder, name), pic.png())
    boards = os.path.join(os.path.dirname(os.path.abspath(folder)), "image", "whiteboard")
    os.makedirs(boards, exist_ok=True)
    for name, pic in whiteboard_pages().items():
        write_if_changed(os.path.join(boards, name), pic.png())
    return 0


if __name__ == "__main__":
    sys.exit(main())
