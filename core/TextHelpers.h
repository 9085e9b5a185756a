#pragma once
// Number, date and list conversions.
#include <windows.h>
#include <string>
#include "platform/CString.h"
#include "platform/Collections.h"
#include "platform/Time.h"

CString IntToString(int nValue);
// The local time of a "yyyymmdd" date with an hour and a minute (second 0). A date, hour or
// minute that does not make a calendar time gives an invalid time (GetTime() == -1).
CTime MakeTimeFromYmd(const CString& strYmd, const CString& strHour, const CString& strMinute);
// Appends the tokens between commas; empty tokens are skipped.
void SplitByComma(const CString& strText, CStringArray* pArray);
// The bytes a text-mode stream writes for the text: every LF becomes CR LF.
std::string ToTextModeBytes(const std::string& text);
