#include "net/protocol/JsonText.h"

#include <cstdint>
#include <cstring>

#include "platform/Convert.h"

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The four hex digits of a \u escape at 'at' (just past the "u"), or -1.
long EscapeUnit(const std::string& text, size_t at)
{
    if (at + 4 > text.size()) return -1;
    long unit = 0;
    for (size_t i = 0; i < 4; ++i) {
        const int d = HexDigit(text[at + i]);
        if (d < 0) return -1;
        unit = unit * 16 + d;
    }
    return unit;
}

void AppendUtf8(std::string& out, unsigned long cp)
{
    if (cp < 0x80) {
        out += (char)cp;
    } else if (cp < 0x800) {
        out += (char)(0xC0 | (cp >> 6));
        out += (char)(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += (char)(0xE0 | (cp >> 12));
        out += (char)(0x80 | ((cp >> 6) & 0x3F));
        out += (char)(0x80 | (cp & 0x3F));
    } else {
        out += (char)(0xF0 | (cp >> 18));
        out += (char)(0x80 | ((cp >> 12) & 0x3F));
        out += (char)(0x80 | ((cp >> 6) & 0x3F));
        out += (char)(0x80 | (cp & 0x3F));
    }
}

// The styled writer escapes every character beyond ASCII; the servers and the server log read
// text as UTF-8. Outside strings the writer puts no backslash, so every backslash starts an escape.
// Whether the text holds a backslash, eight bytes at a time (a body can be megabytes, and the
// byte-wise search of the C library took a sixth of the time the writer did).
bool HasBackslash(const std::string& text)
{
    const char* p = text.data();
    size_t n = text.size();
    const uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    const uint64_t kPattern = kOnes * (uint8_t)'\\';
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        const uint64_t x = word ^ kPattern;   // a zero byte where the backslash is
        if ((x - kOnes) & ~x & kHighs) return true;
    }
    for (; n > 0; ++p, --n)
        if (*p == '\\') return true;
    return false;
}

std::string UnescapeBeyondAscii(std::string styled)
{
    // Most texts have no escape: handed back without a copy.
    if (!HasBackslash(styled)) return styled;
    std::string out;
    out.reserve(styled.size());
    for (size_t i = 0; i < styled.size(); ++i) {
        const char c = styled[i];
        if (c != '\\' || i + 1 >= styled.size()) {
            out += c;
            continue;
        }
        const long unit = styled[i + 1] == 'u' ? EscapeUnit(styled, i + 2) : -1;
        if (unit < 0x80) {
            // Not a \u escape, or one JSON needs (a control character): kept with what it escapes.
            out.append(styled, i, 2);
            ++i;
            continue;
        }
        unsigned long cp = (unsigned long)unit;
        size_t length = 6;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 7 < styled.size() && styled[i + 6] == '\\' && styled[i + 7] == 'u') {
            const long low = EscapeUnit(styled, i + 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + (((unsigned long)unit - 0xD800) << 10) + ((unsigned long)low - 0xDC00);
                length = 12;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            // A lone surrogate has no UTF-8 form: the escape stays.
            out.append(styled, i, length);
        } else {
            AppendUtf8(out, cp);
        }
        i += length - 1;
    }
    return out;
}

}  // namespace

std::string StyledJson(const Json::Value& value)
{
    Json::StyledWriter writer;
    return UnescapeBeyondAscii(writer.write(value));
}

bool ParseJsonText(const char* pBegin, const char* pEnd, Json::Value& out)
{
    try {
        Json::Value parsed;
        Json::Reader reader;
        if (!reader.parse(pBegin, pEnd, parsed, false)) return false;
        out.swap(parsed);
        return true;
    } catch (...) {
        // The reader throws on some malformed numbers; any such text simply does not parse.
        return false;
    }
}

bool ParseJsonText(const std::string& text, Json::Value& out)
{
    return ParseJsonText(text.data(), text.data() + text.size(), out);
}

bool IsEmptyJson(const Json::Value* pValue)
{
    if (!pValue || pValue->isNull()) return true;
    return (pValue->isObject() || pValue->isArray()) && pValue->empty();
}

CString JsonLogText(const wchar_t* pszTitle, const Json::Value* pValue)
{
    CString text = pszTitle;
    text += pValue ? Utf8ToWide(StyledJson(*pValue)) : CString(L"NULL\n");
    text += L"------------------------------------------";
    return text;
}
