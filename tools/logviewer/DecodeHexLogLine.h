#pragma once
#include "platform/CString.h"

// A line of a hexadecimal log file back to its text: the line's UTF-8 bytes are read in pairs of
// hexadecimal digits (either letter case), high digit first; a character that is no digit ends
// its pair with the value read so far, and an odd last character is ignored. The bytes up to the
// first zero byte are the text's UTF-8 (its own "\n" included).
CString DecodeHexLogLine(const CString& strLine);
