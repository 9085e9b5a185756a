#include "tests/tools/logviewer/LogViewerTestSupport.h"

#include <cstring>
#include <memory>

#include "core/LogRecords.h"
#include "tools/logviewer/DecodeHexLogLine.h"
#include "tools/logviewer/MyLogFile.h"

namespace logtest {

namespace {

SYSTEMTIME g_fakeNow;

void FakeLocalTime(SYSTEMTIME* pst)
{
    *pst = g_fakeNow;
}

}  // namespace

FakeClock::FakeClock(int year, int month, int day, int hour, int minute)
{
    Set(year, month, day, hour, minute);
    zellog::CMyLogFile::SetLocalTimeSource(FakeLocalTime);
}

FakeClock::~FakeClock()
{
    zellog::CMyLogFile::SetLocalTimeSource(nullptr);
}

void FakeClock::Set(int year, int month, int day, int hour, int minute)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    st.wMinute = (WORD)minute;
    g_fakeNow = st;
}

std::vector<std::string> ReadRawLines(const std::wstring& path)
{
    std::string bytes;
    std::vector<std::string> lines;
    if (!zeltest::ReadFileBytes(path, bytes)) return lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::wstring> ReadLogLines(const std::wstring& path, bool decodeHex)
{
    std::vector<std::wstring> lines;
    std::vector<std::string> raw = ReadRawLines(path);
    bool hex = decodeHex && !raw.empty() && raw[0].find("<<CRYPTO>>") != std::string::npos;
    for (size_t i = 0; i < raw.size(); ++i) {
        std::wstring line = zeltest::Widen(raw[i]);
        if (hex && i > 0) {
            line = (LPCTSTR)DecodeHexLogLine(line.c_str());
            if (!line.empty() && line.back() == L'\n') line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

bool FileExists(const std::wstring& path)
{
    DWORD attr = GetFileAttributesW(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WriteLogIni(const zeltest::TempDir& dir, int threadUse, int crypto)
{
    std::wstring path = dir.File(L"LOG.ini");
    std::string text = "[CMyLogFile]\r\nthreaduse=" + std::to_string(threadUse) + "\r\ncrypto=" +
                       std::to_string(crypto) + "\r\n";
    zeltest::WriteFileBytes(path, text);
    return path;
}

std::string RegistrationRecord(const std::wstring& folder, const std::wstring& path, int keepDays,
                               int fileFlag, int minLevel, int debugFlag)
{
    std::unique_ptr<LogRegistration> rec =
        BuildLogRegistration(folder.c_str(), path.c_str(), keepDays, fileFlag, minLevel, debugFlag);
    return std::string(reinterpret_cast<const char*>(rec.get()), sizeof(LogRegistration));
}

std::string ShortLineRecord(int level, const std::wstring& key, const std::wstring& text)
{
    size_t cb = 0;
    std::unique_ptr<BYTE[]> rec = BuildLogShortLine(level, key.c_str(), text.c_str(), text.size(), &cb);
    return std::string(reinterpret_cast<const char*>(rec.get()), cb);
}

std::string FullLineRecord(int level, const std::wstring& key, const std::wstring& text)
{
    std::string rec(offsetof(LogRecordFixed, szText) + (text.size() + 1) * 2, '\0');
    memcpy(&rec[offsetof(LogRecordFixed, szPath)], key.c_str(), key.size() * 2);
    int32_t lvl = level;
    memcpy(&rec[offsetof(LogRecordFixed, nLevel)], &lvl, 4);
    memcpy(&rec[offsetof(LogRecordFixed, szText)], text.c_str(), text.size() * 2);
    return rec;
}

}  // namespace logtest
