#pragma once
// The WM_COPYDATA records that carry log registrations and lines to the log service window.
// The layouts are shared with the log service byte for byte: they are packed and their sizes
// are fixed whatever the build target.
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <memory>

// Window class of the log service's main window.
#define LOG_SERVICE_WINDOW_CLASS L"Talvora_Log_Class"

// COPYDATASTRUCT::dwData of each record kind.
enum : ULONG_PTR {
    LOGCOPY_REGISTER = 0,
    LOGCOPY_LINE = 100,
    LOGCOPY_SHORTLINE = 200,
};

// Widths of the text fields in UTF-16 units, terminator included.
const int LOG_RECORD_PATH_CHARS = 260;
const int LOG_SHORTLINE_KEY_CHARS = 261;
const int LOG_RECORD_TEXT_CHARS = 4000;

#pragma pack(push, 1)
// One layout serves the registration (folder, path and the four switches) and the full line
// (key, level and text).
struct LogRecordFixed {
    wchar_t szFolder[LOG_RECORD_PATH_CHARS];
    wchar_t szPath[LOG_RECORD_PATH_CHARS];
    int32_t nKeepDays;
    int32_t nFileFlag;
    int32_t nLevel;
    int32_t nDebugFlag;
    wchar_t szText[LOG_RECORD_TEXT_CHARS];
};

// Head of a short line; the text (n units and a terminator) follows at once.
struct LogShortLineHead {
    uint16_t wLevel;
    wchar_t szKey[LOG_SHORTLINE_KEY_CHARS];
};
#pragma pack(pop)

typedef LogRecordFixed LogRegistration;
typedef LogRecordFixed LogLine;

static_assert(sizeof(wchar_t) == 2, "records carry UTF-16 units");
static_assert(sizeof(LogRecordFixed) == 9056, "registration and line records are 9056 bytes");
static_assert(offsetof(LogRecordFixed, szPath) == 520, "key at byte 520");
static_assert(offsetof(LogRecordFixed, nKeepDays) == 1040, "keep-days at byte 1040");
static_assert(offsetof(LogRecordFixed, nLevel) == 1048, "level at byte 1048");
static_assert(offsetof(LogRecordFixed, szText) == 1056, "text at byte 1056");
static_assert(sizeof(LogShortLineHead) == 524, "short line text at byte 524");

// Copies at most cap - 1 units of src and a terminator into dst; false when src was cut.
bool CopyLogField(wchar_t* dst, size_t cap, const wchar_t* src);

// Byte size of a short line carrying a text of n UTF-16 units.
inline size_t LogShortLineSize(size_t n) { return (n + 263) * 2; }

// A zero-filled registration record. Texts longer than their field are cut.
std::unique_ptr<LogRegistration> BuildLogRegistration(const wchar_t* folder, const wchar_t* path,
                                                      int keepDays, int fileFlag, int minLevel,
                                                      int debugFlag);

// A zero-filled short line of LogShortLineSize(n) bytes, or null when it cannot be allocated.
// The level travels as its low 16 bits; a key longer than its field is cut.
std::unique_ptr<BYTE[]> BuildLogShortLine(int level, const wchar_t* key, const wchar_t* text,
                                          size_t n, size_t* pcbRecord);
