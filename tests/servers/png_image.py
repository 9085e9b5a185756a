"""Small PNG pictures for the fake document pages, thumbnails and profile photos: a plain
background, a frame, a few text-like bars and the page number in large digits."""
import functools
import struct
import zlib

# 5 x 7 dot digits, one string of five characters per row.
_DIGITS = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
}


def encode_png(width: int, height: int, rows) -> bytes:
    """rows: one bytes object of width*3 RGB bytes per line."""
    raw = b"".join(b"\0" + bytes(r) for r in rows)

    def chunk(kind: bytes, data: bytes) -> bytes:
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def _colour(seed: str) -> tuple:
    h = zlib.crc32(seed.encode("utf-8"))
    return (150 + (h & 0x3F), 150 + ((h >> 8) & 0x3F), 150 + ((h >> 16) & 0x3F))


def _picture(width: int, height: int, seed: str, number: str) -> bytes:
    bg = bytes((250, 250, 246))
    accent = bytes(_colour(seed))
    ink = bytes((40, 40, 60))
    canvas = [bytearray(bg * width) for _ in range(height)]

    def fill(x0: int, y0: int, x1: int, y1: int, colour: bytes) -> None:
        for y in range(max(0, y0), min(height, y1)):
            canvas[y][max(0, x0) * 3:min(width, x1) * 3] = colour * (min(width, x1) - max(0, x0))

    border = max(2, width // 80)
    fill(0, 0, width, border, accent)
    fill(0, height - border, width, height, accent)
    fill(0, 0, border, height, accent)
    fill(width - border, 0, width, height, accent)
    fill(border, border, width - border, height // 8, accent)
    dot = max(1, min(width // 40, height // 40))
    x = width - border * 4 - dot * 6 * len(number)
    top = height - border * 4 - dot * 7
    line_h = max(2, height // 60)
    y, i = height // 8 + 3 * line_h, 0
    while y + line_h < top - line_h:
        fill(width // 10, y, width * (6 + i % 3) // 10, y + line_h, ink)
        y, i = y + 3 * line_h, i + 1
    for ch in number:
        for row, bits in enumerate(_DIGITS.get(ch, _DIGITS["0"])):
            for col, bit in enumerate(bits):
                if bit == "1":
                    fill(x + col * dot, top + row * dot, x + (col + 1) * dot,
                         top + (row + 1) * dot, ink)
        x += dot * 6
    return encode_png(width, height, canvas)


@functools.lru_cache(maxsize=256)
def page_image(doc_id: str, page: int, width: int = 800, height: int = 1131) -> bytes:
    return _picture(width, height, doc_id, str(page))


@functools.lru_cache(maxsize=1024)
def thumbnail(doc_id: str, page: int) -> bytes:
    return _picture(120, 170, doc_id, str(page))


@functools.lru_cache(maxsize=64)
def photo(user_id: str) -> bytes:
    return _picture(96, 96, "photo" + user_id, user_id[-2:])


@functools.lru_cache(maxsize=8)
def heavy_page(doc_id: str, page: int, kb: int, width: int = 800, height: int = 1131) -> bytes:
    """A page picture of about kb kilobytes: a band of noise at the top, which does not
    compress, over a plain page (for the page-loading benchmark)."""
    import random
    rnd = random.Random("%s/%d" % (doc_id, page))
    noisy_rows = min(height, max(1, kb * 1024 // (width * 3)))
    rows = [bytearray(rnd.randbytes(width * 3)) for _ in range(noisy_rows)]
    rows += [bytearray(bytes((250, 250, 246)) * width) for _ in range(height - noisy_rows)]
    return encode_png(width, height, rows)
