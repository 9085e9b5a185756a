#pragma once
// The daily log file's life shared by the client's own file mode and the log service: the file's
// date read back from its first line, the name of its dated copy and the ageing of old copies.
// A copy is "<folder>\yyyy-mm-dd_<name>": only names of exactly that form with a real date are
// aged, so a file of anyone else's that happens to match the pattern is never deleted.
#include <windows.h>

#include "platform/CString.h"

// "yyyy-mm-dd" naming a real calendar day (years 100 to 9999).
bool ParseLogDate(const CString& strText, SYSTEMTIME* pstDate);
// yyyymmdd of the day, for a quick comparison of the file's day with today's.
int LogDayKey(const SYSTEMTIME& st);
// The key of the date the text begins with; 0 when it does not begin with a real date.
int LogDayKeyOfText(const CString& strText);

// The first 10 characters of the file's first line, a UTF-16 byte-order mark skipped and every
// CR removed; "" when the file cannot be read.
CString ReadLogFileDate(const CString& strPath);

// "<folder>\<date>_<name of the log>". A file date that is not a real day is replaced by the local
// day the file was last written, so that the copy is aged like any other.
CString MakeLogCopyPath(const CString& strFolder, const CString& strFileDate, const CString& strLogPath);

// The day of the copy when strFileName is exactly a real date, "_" and strNameExt (letter case
// aside); false for every other name.
bool ParseLogCopyName(const CString& strFileName, const CString& strNameExt, SYSTEMTIME* pstDate);

// Deletes the copies of the log strNameExt in the folder that are more than nKeepDays days older
// than stToday; every other file there stays.
void DeleteOldLogCopies(const CString& strFolder, const CString& strNameExt, const SYSTEMTIME& stToday,
                        int nKeepDays);
