#include "platform/Convert.h"

namespace {

CString ToCString(const std::wstring& w)
{
    return CString(w.data(), static_cast<int>(w.size()));
}

} // namespace

CString Utf8ToWide(const char* text)
{
    return ToCString(zel::ToWideString(text, -1, CP_UTF8));
}

CString Utf8ToWide(const std::string& text)
{
    return ToCString(zel::ToWideString(text.data(), static_cast<int>(text.size()), CP_UTF8));
}

std::string WideToUtf8(const CString& text)
{
    return zel::ToMultiByteString(text.GetString(), text.GetLength(), CP_UTF8);
}

CString AnsiToWide(const char* text)
{
    return ToCString(zel::ToWideString(text, -1, CP_ACP));
}

CString AnsiToWide(const std::string& text)
{
    return ToCString(zel::ToWideString(text.data(), static_cast<int>(text.size()), CP_ACP));
}

std::string WideToAnsi(const CString& text)
{
    return zel::ToMultiByteString(text.GetString(), text.GetLength(), CP_ACP);
}
