#include "net/protocol/JsonText.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/Convert.h"

namespace {

char HexDigitChar(unsigned v) { return "0123456789abcdef"[v & 0xF]; }

// Bytes that need more than a copy: JSON's escapes and everything beyond ASCII.
inline bool NeedsCare(unsigned char c) { return c < 0x20 || c == '"' || c == '\\' || c >= 0x80; }

// Whether any of eight bytes needs care.
inline bool WordNeedsCare(uint64_t word)
{
    const uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    const uint64_t quote = word ^ (kOnes * (uint8_t)'"');
    const uint64_t backslash = word ^ (kOnes * (uint8_t)'\\');
    // A byte at or beyond 0x80 shows in its own high bit; below that, the subtractions borrow
    // into the high bit of a byte under 0x20 and of a zero byte (a quote or a backslash).
    const uint64_t found = word | ((word - kOnes * 0x20) & ~word) | ((quote - kOnes) & ~quote) |
                           ((backslash - kOnes) & ~backslash);
    return (found & kHighs) != 0;
}

// The length of the well-formed UTF-8 sequence at p (before end), or 0.
size_t Utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = p[0];
    size_t n;
    unsigned char lo = 0x80, hi = 0xBF;   // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;   // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if ((size_t)(end - p) < n) return 0;
    if (p[1] < lo || p[1] > hi) return 0;
    for (size_t i = 2; i < n; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return n;
}

// Appends the quoted text and returns how much longer it would be with every character beyond
// ASCII as a \u escape. A byte that begins no well-formed UTF-8 sequence is written as U+FFFD
// and the text goes on with the next byte: nothing after it is lost.
size_t AppendQuoted(std::string& out, const char* begin, const char* end)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(begin);
    const unsigned char* const e = reinterpret_cast<const unsigned char*>(end);
    size_t extra = 0;
    out += '"';
    while (p < e) {
        const unsigned char* run = p;
        while (e - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if (WordNeedsCare(word)) break;
            p += 8;
        }
        while (p < e && !NeedsCare(*p)) ++p;
        out.append(reinterpret_cast<const char*>(run), (size_t)(p - run));
        if (p == e) break;
        const unsigned char c = *p;
        if (c < 0x80) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: {
                const char escape[] = {'\\', 'u', '0', '0', HexDigitChar(c >> 4), HexDigitChar(c)};
                out.append(escape, sizeof escape);
                break;
            }
            }
            ++p;
            continue;
        }
        const size_t n = Utf8SequenceLength(p, e);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            extra += 6 - 3;
            ++p;
            continue;
        }
        out.append(reinterpret_cast<const char*>(p), n);
        extra += (n == 4 ? 12 : 6) - n;
        p += n;
    }
    out += '"';
    return extra;
}

// The styled layout (three-space indents, " : " between name and value, short arrays of scalars
// on one line) written straight into the caller's buffer: a frame's body can be megabytes, and a
// writer that builds its own document and hands back a copy cost the sender two extra copies of
// it. Text goes out as UTF-8 bytes; JSON's own escapes (quotes, backslashes, control characters)
// are kept. The values the program writes carry no comments (the reader drops them).
class StyledOut {
public:
    explicit StyledOut(std::string& out) : m_out(out), m_start(out.size()) {}

    void Write(const Json::Value& root)
    {
        WriteValue(root);
        m_out += '\n';
    }

private:
    static const size_t kIndentSize = 3;
    static const size_t kRightMargin = 74;

    // Writes the value; in a one-line array's trial the scalar goes to 'child' instead.
    void WriteValue(const Json::Value& value)
    {
        switch (value.type()) {
        case Json::nullValue: Push("null", 4); break;
        case Json::intValue: PushString(Json::valueToString(value.asLargestInt())); break;
        case Json::uintValue: PushString(Json::valueToString(value.asLargestUInt())); break;
        case Json::realValue: PushString(Json::valueToString(value.asDouble())); break;
        case Json::booleanValue: PushString(Json::valueToString(value.asBool())); break;
        case Json::stringValue: {
            const char* begin = nullptr;
            const char* end = nullptr;
            if (!value.getString(&begin, &end)) break;
            if (m_pChild) {
                m_nChildExtra += AppendQuoted(*m_pChild, begin, end);
            } else {
                AppendQuoted(m_out, begin, end);
            }
            break;
        }
        case Json::arrayValue: WriteArray(value); break;
        case Json::objectValue: WriteObject(value); break;
        }
    }

    void WriteObject(const Json::Value& value)
    {
        if (value.empty()) {
            Push("{}", 2);
            return;
        }
        WriteWithIndent("{", 1);
        Indent();
        bool first = true;
        for (Json::ValueConstIterator it = value.begin(); it != value.end(); ++it) {
            if (!first) m_out += ',';
            first = false;
            WriteIndent();
            // A name is written up to its first NUL, as the reader of a C string would see it.
            const char* name = it.memberName();
            AppendQuoted(m_out, name, name + std::strlen(name));
            m_out += " : ";
            WriteValue(*it);
        }
        Unindent();
        WriteWithIndent("}", 1);
    }

    void WriteArray(const Json::Value& value)
    {
        const Json::ArrayIndex size = value.size();
        if (size == 0) {
            Push("[]", 2);
            return;
        }
        std::vector<std::string> children;
        if (!IsMultiline(value, children)) {
            m_out += "[ ";
            for (Json::ArrayIndex i = 0; i < size; ++i) {
                if (i > 0) m_out += ", ";
                m_out += children[i];
            }
            m_out += " ]";
            return;
        }
        WriteWithIndent("[", 1);
        Indent();
        for (Json::ArrayIndex i = 0; i < size; ++i) {
            if (i > 0) m_out += ',';
            if (!children.empty()) {
                WriteWithIndent(children[i].data(), children[i].size());
            } else {
                WriteIndent();
                WriteValue(value[i]);
            }
        }
        Unindent();
        WriteWithIndent("]", 1);
    }

    // An array goes on one line when it is short, holds no non-empty array or object, and its
    // line would stay within the margin; the line's length is that of the text with every
    // character beyond ASCII written as a \u escape, so that the layout does not depend on the
    // language of the text. The trial's texts are kept in 'children' for the writing.
    bool IsMultiline(const Json::Value& value, std::vector<std::string>& children)
    {
        const Json::ArrayIndex size = value.size();
        if (size * 3 >= kRightMargin) return true;
        for (Json::ArrayIndex i = 0; i < size; ++i) {
            const Json::Value& child = value[i];
            if ((child.isArray() || child.isObject()) && !child.empty()) return true;
        }
        children.resize(size);
        size_t lineLength = 4 + (size - 1) * 2;
        for (Json::ArrayIndex i = 0; i < size; ++i) {
            m_pChild = &children[i];
            m_nChildExtra = 0;
            WriteValue(value[i]);
            lineLength += children[i].size() + m_nChildExtra;
        }
        m_pChild = nullptr;
        return lineLength >= kRightMargin;
    }

    void Push(const char* text, size_t length)
    {
        if (m_pChild) {
            m_pChild->assign(text, length);
        } else {
            m_out.append(text, length);
        }
    }
    void PushString(const std::string& text) { Push(text.data(), text.size()); }

    void WriteIndent()
    {
        if (m_out.size() > m_start) {
            const char last = m_out.back();
            if (last == ' ') return;   // already indented
            if (last != '\n') m_out += '\n';
        }
        m_out.append(m_nIndent, ' ');
    }
    void WriteWithIndent(const char* text, size_t length)
    {
        WriteIndent();
        m_out.append(text, length);
    }
    void Indent() { m_nIndent += kIndentSize; }
    void Unindent() { m_nIndent -= kIndentSize; }

    std::string& m_out;
    const size_t m_start;   // where this value's text begins in m_out
    size_t m_nIndent = 0;
    std::string* m_pChild = nullptr;   // a one-line array's trial writes here
    size_t m_nChildExtra = 0;          // what \u escapes would add to the trial's length
};

}  // namespace

void AppendStyledJson(const Json::Value& value, std::string& out)
{
    StyledOut(out).Write(value);
}

std::string StyledJson(const Json::Value& value)
{
    std::string text;
    AppendStyledJson(value, text);
    return text;
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
