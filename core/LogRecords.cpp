#include "core/LogRecords.h"

#include <cstring>
#include <cwchar>
#include <new>

bool CopyLogField(wchar_t* dst, size_t cap, const wchar_t* src)
{
    if (cap == 0) return false;
    if (src == nullptr) src = L"";
    size_t n = wcsnlen(src, cap);
    bool whole = n < cap;
    if (!whole) n = cap - 1;
    memcpy(dst, src, n * sizeof(wchar_t));
    dst[n] = 0;
    return whole;
}

std::unique_ptr<LogRegistration> BuildLogRegistration(const wchar_t* folder, const wchar_t* path,
                                                      int keepDays, int fileFlag, int minLevel,
                                                      int debugFlag)
{
    std::unique_ptr<LogRegistration> rec(new (std::nothrow) LogRegistration);
    if (!rec) return rec;
    memset(rec.get(), 0, sizeof(LogRegistration));
    CopyLogField(rec->szFolder, LOG_RECORD_PATH_CHARS, folder);
    CopyLogField(rec->szPath, LOG_RECORD_PATH_CHARS, path);
    rec->nKeepDays = keepDays;
    rec->nFileFlag = fileFlag;
    rec->nLevel = minLevel;
    rec->nDebugFlag = debugFlag;
    return rec;
}

std::unique_ptr<BYTE[]> BuildLogShortLine(int level, const wchar_t* key, const wchar_t* text,
                                          size_t n, size_t* pcbRecord)
{
    size_t cb = LogShortLineSize(n);
    // cbData is a DWORD: a text that cannot be described by it is not sent.
    if (n > (MAXDWORD / 2) - 263) return nullptr;
    std::unique_ptr<BYTE[]> rec(new (std::nothrow) BYTE[cb]);
    if (!rec) return rec;
    memset(rec.get(), 0, cb);
    LogShortLineHead* head = reinterpret_cast<LogShortLineHead*>(rec.get());
    head->wLevel = static_cast<uint16_t>(level & 0xFFFF);
    // Stop one unit short of the field so the key matches the registration's 260-unit field.
    CopyLogField(head->szKey, LOG_RECORD_PATH_CHARS, key);
    if (n > 0 && text != nullptr)
        memcpy(rec.get() + sizeof(LogShortLineHead), text, n * sizeof(wchar_t));
    if (pcbRecord) *pcbRecord = cb;
    return rec;
}
