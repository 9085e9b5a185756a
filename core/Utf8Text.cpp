#include "core/Utf8Text.h"

#include "platform/Convert.h"

CString Utf8ToCString(const std::string& strUtf8)
{
    // The C-string form stops at the first 0 byte.
    return Utf8ToWide(strUtf8.c_str());
}
