#include "core/HexText.h"

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

void BytesToHex(const unsigned char* bytes, char* text, size_t count)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count; ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 15];
    }
    text[2 * count] = '\0';
}

bool HexToBytes(const char* text, unsigned char* bytes, size_t count)
{
    // Only the characters before the terminator are looked at.
    size_t available = 0;
    while (text != nullptr && available < 2 * count && text[available] != '\0')
        ++available;
    for (size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        for (size_t k = 2 * i; k < 2 * i + 2 && k < available; ++k) {
            int d = DigitValue(text[k]);
            if (d < 0)
                break;
            value = (value << 4) | unsigned(d);
        }
        bytes[i] = static_cast<unsigned char>(value);
    }
    return available == 2 * count;
}

bool IsUpperHexText(const wchar_t* text)
{
    if (text == nullptr)
        return false;
    for (; *text; ++text) {
        wchar_t c = *text;
        if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F')))
            return false;
    }
    return true;
}
