#include "net/protocol/JsonText.h"

#include "platform/Convert.h"

std::string StyledJson(const Json::Value& value)
{
    Json::StyledWriter writer;
    return writer.write(value);
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
