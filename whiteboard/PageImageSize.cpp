#include "whiteboard/PagePicture.h"

#include <climits>
#include <cstring>

// The size of a page image read from its header alone: the window's thread learns a page's size
// without decoding it. Kept apart from the decoding so that it builds wherever the page model does.

namespace {

unsigned Big16(const BYTE* p) { return (unsigned)p[0] << 8 | p[1]; }
unsigned Big32(const BYTE* p) { return Big16(p) << 16 | Big16(p + 2); }
unsigned Little16(const BYTE* p) { return (unsigned)p[1] << 8 | p[0]; }
unsigned Little32(const BYTE* p) { return Little16(p + 2) << 16 | Little16(p); }

// The frame header of a JPEG: the markers are walked from the start of the image to the first
// start-of-frame marker, which holds the size.
BOOL ReadJpegSize(const BYTE* bytes, size_t length, int& width, int& height)
{
    size_t at = 2;
    while (at + 4 <= length) {
        if (bytes[at] != 0xFF)
            return FALSE;
        const BYTE marker = bytes[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        const size_t segment = Big16(bytes + at + 2);
        if (segment < 2)
            return FALSE;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (segment < 7 || at + 9 > length)
                return FALSE;
            height = (int)Big16(bytes + at + 5);
            width = (int)Big16(bytes + at + 7);
            return TRUE;
        }
        if (marker == 0xDA || marker == 0xD9)  // image data before any frame header
            return FALSE;
        at += 2 + segment;
    }
    return FALSE;
}

}  // namespace

BOOL CPagePicture::ReadSize(const BYTE* bytes, size_t length, int& width, int& height)
{
    width = height = 0;
    if (!bytes)
        return FALSE;
    static const BYTE kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (length >= 24 && std::memcmp(bytes, kPng, 8) == 0 && std::memcmp(bytes + 12, "IHDR", 4) == 0) {
        width = (int)Big32(bytes + 16);
        height = (int)Big32(bytes + 20);
    } else if (length >= 4 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
        ReadJpegSize(bytes, length, width, height);
    } else if (length >= 10 && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0)) {
        width = (int)Little16(bytes + 6);
        height = (int)Little16(bytes + 8);
    } else if (length >= 26 && bytes[0] == 'B' && bytes[1] == 'M') {
        const unsigned header = Little32(bytes + 14);
        if (header == 12) {
            width = (int)Little16(bytes + 18);
            height = (int)Little16(bytes + 20);
        } else if (header >= 40) {
            width = (int)Little32(bytes + 18);
            const int signedHeight = (int)Little32(bytes + 22);  // negative: top-down rows
            height = signedHeight == INT_MIN ? 0 : (signedHeight < 0 ? -signedHeight : signedHeight);
        }
    }
    if (width <= 0 || height <= 0) {
        width = height = 0;
        return FALSE;
    }
    return TRUE;
}
