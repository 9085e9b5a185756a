#include "tools/logviewer/DecodeHexLogLine.h"

#include <string>

#include "platform/Convert.h"

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

CString DecodeHexLogLine(const CString& strLine)
{
    std::string digits = WideToUtf8(strLine);
    size_t nPairs = digits.size() / 2;
    std::string bytes;
    bytes.reserve(nPairs);
    for (size_t i = 0; i < nPairs; ++i) {
        unsigned value = 0;
        for (size_t k = 2 * i; k < 2 * i + 2; ++k) {
            int d = HexDigitValue(digits[k]);
            if (d < 0) break;
            value = (value << 4) | unsigned(d);
        }
        if ((value & 0xFF) == 0) break;
        bytes += static_cast<char>(value & 0xFF);
    }
    return Utf8ToWide(bytes);
}
