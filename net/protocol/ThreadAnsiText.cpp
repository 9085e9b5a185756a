#include "net/protocol/ThreadAnsiText.h"

#include "platform/StringConversion.h"

std::string ToThreadAnsi(const CString& text)
{
    return zel::ToMultiByteString(text, -1, CP_THREAD_ACP);
}

CString FromThreadAnsi(const std::string& text)
{
    return CString(zel::ToWideString(text.c_str(), -1, CP_THREAD_ACP).c_str());
}
