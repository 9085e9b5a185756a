#pragma once
// The value rules of the skin file: numbers, scaled numbers, rectangles, colours, escaped line
// breaks and date stamps, as the loader and the screens read and write them.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

struct SKIN_CUSTOM;
struct SKIN_FONT;
struct SKIN_IMAGE;

// Optional blanks, an optional sign and decimal digits; reading stops at the first other
// character and no digits give 0 (the rule of StrToIntW).
int SkinTextToInt(const CString& strText);
// A design size times the DPI ratio, multiplied in single precision and truncated toward zero.
int ScaleSkinValue(int nValue, float fRatio);
// "left,top,width,height" (absent numbers 0), each number scaled separately, as
// (left, top, left + width, top + height).
CRect ParseSkinRect(const CString& strText, float fRatio);
// The rectangle (left, top, left + width, top + height).
CRect MakeRectXYWH(int nLeft, int nTop, int nWidth, int nHeight);
// "%d,%d,%d,%d" of left, top, width and height.
CString RectToSkinText(const RECT& rc);

// "RRGGBB" with red in the low byte of the result; trimmed, "000000" appended, a character that
// is no hexadecimal digit ends its pair.
COLORREF ParseSkinColor(const CString& strText);
// "%02X%02X%02X" of red, green and blue.
CString ColorToText(COLORREF clr);

// Each trims the text and, only when something is left, stores its value.
void ParseSkinColorIfSet(const CString& strText, COLORREF& clrOut);
void ParseRectIfSet(const CString& strText, RECT& rcOut);
void ParseIntIfSet(const CString& strText, int& nOut);
void SetTextIfSet(const CString& strText, CString& strOut);
void ReplaceEscapedNewline(const CString& strText, CString& strOut);

// Every backslash-"n" pair as a line feed; nothing else changes.
CString UnescapeNewline(const CString& strText);
// Backslash-"r" backslash-"n" as a carriage return and line feed, and back.
CString UnescapeCrLf(const CString& strText);
CString EscapeCrLf(const CString& strText);

// Year (0-3), month, day, hour, minute, second (2 characters each from 4) and milliseconds
// (3 from 14) read with _wtoi; the weekday stays 0.
void ParseTimeStampMs(const CString& strText, SYSTEMTIME& st);
// The stamp rule of the skin: " ", "-", ":" and "." removed, padded with zeros to 14 digits,
// year to second read, milliseconds 0; the weekday is computed.
void ParseSkinStamp(const CString& strText, SYSTEMTIME& st);

// The entry's font copied into the destination (when there is an entry), then its GDI font made.
void ApplyCustomFont(const SKIN_CUSTOM* pCustom, SKIN_FONT& font);
// The entry's image path taken (when there is an entry) and the image loaded.
void ApplyCustomImage(const SKIN_CUSTOM* pCustom, SKIN_IMAGE& image);
