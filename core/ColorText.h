#pragma once
#include <windows.h>

#include "platform/CString.h"

// Colours written as "RRGGBB" hexadecimal text in the skin file.

// The value of the first count characters read as hexadecimal digits (either case); the first
// other character ends the reading.
int HexToInt(const CString& strText, int nCount);
// Trimmed text with "000000" appended, read as red, green and blue pairs. A leading "#" is not
// skipped (it ends the red reading at once, so red is 0).
COLORREF ParseHexColor(const CString& strText);
// clrDefault for an empty text, else ParseHexColor.
COLORREF ParseHexColorOr(const CString& strText, COLORREF clrDefault);
// The first non-empty of the two texts parsed, else clrDefault.
COLORREF GetColorOrDefault(const CString& strFirst, const CString& strSecond, COLORREF clrDefault);
