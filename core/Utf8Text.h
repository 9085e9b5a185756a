#pragma once
#include <string>
#include "platform/CString.h"

// The bytes up to the first 0 byte, decoded as UTF-8.
CString Utf8ToCString(const std::string& strUtf8);
