#pragma once
// The file of one log: appending lines (plain or as hexadecimal digits), the header line, the
// copy under the old date when a line of a new day arrives, and the deletion of old copies.
// The object is not locked: exactly one thread at a time owns it (the log's writer thread, or
// the receiving thread when the log has none).
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "platform/CString.h"

// A moment after which no more lines are appended; not set until Set is called. Shared between
// the thread that sets it and the thread that appends.
class CAppendDeadline {
public:
    void Set(DWORD dwTick) { m_dwTick = dwTick; m_bSet = true; }
    bool Passed() const { return m_bSet && (LONG)(GetTickCount() - m_dwTick) >= 0; }
    bool IsSet() const { return m_bSet; }
private:
    std::atomic<bool> m_bSet{false};
    std::atomic<DWORD> m_dwTick{0};
};

// One line to append: its text (ending in "\n") and the local time it was stamped with.
struct S_LOG_QUEUED_LINE {
    SYSTEMTIME stStamp;
    CString strLine;
};

class CLogFileStore {
public:
    CLogFileStore() = default;
    CLogFileStore(const CLogFileStore&) = delete;
    CLogFileStore& operator=(const CLogFileStore&) = delete;

    void Init(const CString& strCopyFolder, const CString& strPath, BOOL bCrypto);
    // Called with every line just before it is appended (the header line included).
    void SetAppendObserver(std::function<void(const CString&)> observer) { m_observer = std::move(observer); }

    // On opening: a present file keeps its date and rolls over when that is not today; a
    // missing file is started with a header.
    void Prepare(const SYSTEMTIME& stNow);
    // Appends the lines in order, rolling over before the first line of a new day. With
    // bHeaderIfMissing a file deleted meanwhile is started again with a header. Once the
    // deadline (if any) has passed, the remaining lines are left out. Returns the number appended.
    size_t AppendLines(const std::vector<S_LOG_QUEUED_LINE>& lines, BOOL bHeaderIfMissing,
                       const CAppendDeadline* pDeadline = nullptr);

    // The pieces, public for the tests.
    // TRUE when the file was emptied (after its copy was made) or is missing: a header follows.
    BOOL Rotate(const SYSTEMTIME& stNow);
    BOOL WriteHeader(const SYSTEMTIME& stStamp);
    void DeleteOldCopies(const SYSTEMTIME& stToday, int nKeepDays);
    // The text-mode bytes of a line, plain or hexadecimal.
    std::string EncodeLine(const CString& strLine, BOOL bEncode) const;
    // The date at the start of the file's first line ("" without a file).
    CString ReadFileDate() const;

    void SetKeepDays(int nKeepDays) { m_nKeepDays = nKeepDays; }
    const CString& GetFileDate() const { return m_strFileDate; }
    const CString& GetPath() const { return m_strPath; }
    // "ZELLog.txt" of "...\ZELLog.txt".
    const CString& GetFileNameWithExt() const { return m_strNameExt; }

private:
    BOOL AppendBytes(const std::string& bytes);
    BOOL Truncate();
    void Observe(const CString& strLine) const { if (m_observer) m_observer(strLine); }

    CString m_strCopyFolder;
    CString m_strPath;
    CString m_strNameExt;
    CString m_strFileDate;
    BOOL m_bCrypto = TRUE;
    int m_nKeepDays = 0;
    std::function<void(const CString&)> m_observer;
};
