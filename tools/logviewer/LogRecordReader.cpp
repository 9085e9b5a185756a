#include "tools/logviewer/LogRecordReader.h"

#include <cstring>
#include <string>

#include "core/LogRecords.h"

namespace {

const size_t kUnit = sizeof(wchar_t);
// Where the fields of the two fixed-layout kinds begin.
const size_t kFolderAt = offsetof(LogRecordFixed, szFolder);
const size_t kPathAt = offsetof(LogRecordFixed, szPath);
const size_t kKeepDaysAt = offsetof(LogRecordFixed, nKeepDays);
const size_t kFileFlagAt = offsetof(LogRecordFixed, nFileFlag);
const size_t kLevelAt = offsetof(LogRecordFixed, nLevel);
const size_t kDebugFlagAt = offsetof(LogRecordFixed, nDebugFlag);
const size_t kFullTextAt = offsetof(LogRecordFixed, szText);
const size_t kShortKeyAt = offsetof(LogShortLineHead, szKey);
const size_t kShortTextAt = sizeof(LogShortLineHead);

// The record's bytes; the data of another process is never assumed to be aligned.
class RecordBytes {
public:
    RecordBytes(const void* p, DWORD cb) : m_p(static_cast<const BYTE*>(p)), m_cb(cb) {}
    size_t Size() const { return m_cb; }

    int32_t Int32At(size_t offset) const
    {
        int32_t v = 0;
        memcpy(&v, m_p + offset, sizeof v);
        return v;
    }
    uint16_t UInt16At(size_t offset) const
    {
        uint16_t v = 0;
        memcpy(&v, m_p + offset, sizeof v);
        return v;
    }
    // The text of a field of at most maxUnits units at offset; false when no terminator lies
    // inside the field (or inside the record).
    bool TextAt(size_t offset, size_t maxUnits, CString* pText) const
    {
        if (offset > m_cb) return false;
        size_t units = (m_cb - offset) / kUnit;
        if (units > maxUnits) units = maxUnits;
        for (size_t i = 0; i < units; ++i) {
            wchar_t c = 0;
            memcpy(&c, m_p + offset + i * kUnit, kUnit);
            if (c != 0) continue;
            std::wstring text(i, L'\0');
            if (i > 0) memcpy(&text[0], m_p + offset, i * kUnit);
            *pText = CString(text.c_str(), (int)i);
            return true;
        }
        return false;
    }

private:
    const BYTE* m_p;
    size_t m_cb;
};

LogRecordStatus ReadRegistration(const RecordBytes& rec, S_LOG_RECORD* p)
{
    if (rec.Size() < kFullTextAt) return LOG_RECORD_MALFORMED;
    if (!rec.TextAt(kFolderAt, LOG_RECORD_PATH_CHARS, &p->strFolder)) return LOG_RECORD_MALFORMED;
    if (!rec.TextAt(kPathAt, LOG_RECORD_PATH_CHARS, &p->strPath)) return LOG_RECORD_MALFORMED;
    // A log without a path names no file.
    if (p->strPath.IsEmpty()) return LOG_RECORD_MALFORMED;
    p->nKeepDays = rec.Int32At(kKeepDaysAt);
    p->nFileFlag = rec.Int32At(kFileFlagAt);
    p->nMinLevel = rec.Int32At(kLevelAt);
    p->nDebugFlag = rec.Int32At(kDebugFlagAt);
    return LOG_RECORD_OK;
}

// The text runs from its offset to the record's end, in whole units, and ends inside it.
bool ReadLineText(const RecordBytes& rec, size_t textAt, CString* pText)
{
    if (rec.Size() <= textAt || (rec.Size() - textAt) % kUnit != 0) return false;
    return rec.TextAt(textAt, (rec.Size() - textAt) / kUnit, pText);
}

LogRecordStatus ReadFullLine(const RecordBytes& rec, S_LOG_RECORD* p)
{
    if (!ReadLineText(rec, kFullTextAt, &p->strText)) return LOG_RECORD_MALFORMED;
    if (!rec.TextAt(kPathAt, LOG_RECORD_PATH_CHARS, &p->strPath)) return LOG_RECORD_MALFORMED;
    p->nLevel = rec.Int32At(kLevelAt);
    return LOG_RECORD_OK;
}

LogRecordStatus ReadShortLine(const RecordBytes& rec, S_LOG_RECORD* p)
{
    if (!ReadLineText(rec, kShortTextAt, &p->strText)) return LOG_RECORD_MALFORMED;
    if (!rec.TextAt(kShortKeyAt, LOG_SHORTLINE_KEY_CHARS, &p->strPath)) return LOG_RECORD_MALFORMED;
    p->nLevel = rec.UInt16At(0);
    return LOG_RECORD_OK;
}

}  // namespace

LogRecordStatus ReadLogRecord(ULONG_PTR dwData, const void* pData, DWORD cbData, S_LOG_RECORD* pRecord)
{
    *pRecord = S_LOG_RECORD();
    pRecord->dwKind = dwData;
    if (dwData != LOGCOPY_REGISTER && dwData != LOGCOPY_LINE && dwData != LOGCOPY_SHORTLINE)
        return LOG_RECORD_UNKNOWN_KIND;
    if (pData == nullptr || cbData == 0) return LOG_RECORD_MALFORMED;
    RecordBytes rec(pData, cbData);
    switch (dwData) {
    case LOGCOPY_REGISTER: return ReadRegistration(rec, pRecord);
    case LOGCOPY_LINE: return ReadFullLine(rec, pRecord);
    default: return ReadShortLine(rec, pRecord);
    }
}
