#pragma once
// Reading the WM_COPYDATA records of the loggers. The records come from other processes: every
// size and every string terminator is checked before a field is read, and a record that does not
// hold what its kind promises is refused as a whole.
#include <windows.h>

#include "platform/CString.h"

// What one accepted record carries. Registration: folder, path and the four switches. Line
// (full or short): path (the key), level and text.
struct S_LOG_RECORD {
    ULONG_PTR dwKind = 0;   // LOGCOPY_REGISTER, LOGCOPY_LINE or LOGCOPY_SHORTLINE
    CString strFolder;
    CString strPath;
    int nKeepDays = 0;
    int nFileFlag = 0;
    int nMinLevel = 0;
    int nDebugFlag = 0;
    int nLevel = 0;
    CString strText;
};

// Result of reading a record.
enum LogRecordStatus {
    LOG_RECORD_OK,
    LOG_RECORD_UNKNOWN_KIND,   // a dwData no logger sends: ignored
    LOG_RECORD_MALFORMED,      // too short, odd, unterminated or without a path: dropped
};

// Reads a record of cbData bytes at pData (pData may be null only when cbData is 0).
LogRecordStatus ReadLogRecord(ULONG_PTR dwData, const void* pData, DWORD cbData, S_LOG_RECORD* pRecord);
