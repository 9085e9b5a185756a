#pragma once
// Reading a log file into rows for the viewer: the header line is skipped (and tells whether the
// lines are hexadecimal), every further line is decoded when it is, split into date, level and
// text, and kept when its level is shown and its text holds the search text. No window is
// touched here; the rows go to a sink.
#include <windows.h>

#include <atomic>
#include <functional>

#include "platform/CString.h"

// One row of the viewer's list.
struct S_LOG_ROW {
    CString strDate;    // the text before the first "["
    CString strLevel;   // "[INFO]", brackets included
    CString strText;    // everything after the first "]", or the whole line
};

// What the rows are filtered by: the four level flags (non-zero: shown) and the search text
// (empty: every text).
struct S_LOG_FILTER {
    int nDebug = 1;
    int nInfo = 1;
    int nWarning = 1;
    int nError = 1;
    CString strSearch;
};

class CLogFileLoader {
public:
    typedef std::function<void(const S_LOG_ROW&)> RowSink;

    // Loads the file; the stop flag is looked at after every line. Returns the number of rows
    // given to the sink; a file that cannot be opened gives none.
    static int LoadFile(const CString& strPath, const S_LOG_FILTER& filter, const std::atomic<int>& nStop,
                        const RowSink& sink);
    // Splits a line into a row; false when the filter hides it.
    static bool ParseLogLine(const CString& strLine, const S_LOG_FILTER& filter, S_LOG_ROW* pRow);
};
