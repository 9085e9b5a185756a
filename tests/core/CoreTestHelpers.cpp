#include "tests/core/CoreTestHelpers.h"

#include <shlobj.h>
#include <atomic>
#include <cstring>

namespace coretest {

std::wstring UnixPath(const std::wstring& winPath)
{
    std::wstring p = winPath;
    if (p.size() >= 2 && (p[0] == L'Z' || p[0] == L'z') && p[1] == L':') p = p.substr(2);
    for (auto& c : p) if (c == L'\\') c = L'/';
    return p;
}

std::wstring HelperProgram(const std::wstring& name)
{
    wchar_t path[1024] = {};
    GetModuleFileNameW(nullptr, path, 1024);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1) + name;
}

ScopedAppData::ScopedAppData(const wchar_t* product) : m_product(product)
{
    static LONG counter = 0;
    wchar_t name[64];
    _snwprintf(name, 64, L"ZELTest_%lu_%ld", GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_company = name;
    wchar_t base[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, base);
    m_companyFolder = std::wstring(base) + L"\\" + m_company;
}

ScopedAppData::~ScopedAppData() { zeltest::RemoveTree(m_companyFolder); }

namespace {
std::atomic<int64_t> g_fixedTime{0};
}

void SetFixedTime(int year, int month, int day, int hour, int minute, int second, int ms)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year; st.wMonth = (WORD)month; st.wDay = (WORD)day;
    st.wHour = (WORD)hour; st.wMinute = (WORD)minute; st.wSecond = (WORD)second;
    st.wMilliseconds = (WORD)ms;
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    g_fixedTime = (int64_t)(((uint64_t)ft.dwHighDateTime << 32) | ft.dwLowDateTime);
}

void FixedTimeNow(SYSTEMTIME* pst)
{
    uint64_t v = (uint64_t)g_fixedTime.load();
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)v;
    ft.dwHighDateTime = (DWORD)(v >> 32);
    FileTimeToSystemTime(&ft, pst);
}

bool LogWindowFixture::Start(int delayMs)
{
    Stop();
    std::wstring cmd = L"\"" + HelperProgram(L"log_window_fixture.exe") + L"\" \"" +
                       m_dir.File(L"records.bin") + L"\" " + std::to_wstring(delayMs);
    if (!m_proc.Start(cmd)) return false;
    zeltest::PumpUntil([this] {
        m_hwnd = FindWindowW(L"Talvora_Log_Class", nullptr);
        return m_hwnd != nullptr;
    }, 20000);
    return m_hwnd != nullptr;
}

void LogWindowFixture::Stop()
{
    if (m_hwnd) PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
    m_hwnd = nullptr;
    if (m_proc.IsRunning() && !m_proc.Wait(3000)) m_proc.Kill();
    m_proc.Kill();
    // The next fixture must not find this one's window.
    zeltest::PumpUntil([] { return FindWindowW(L"Talvora_Log_Class", nullptr) == nullptr; }, 5000);
    DeleteFileW(m_dir.File(L"records.bin").c_str());
}

std::vector<CopyRecord> LogWindowFixture::Records() const
{
    std::string all;
    std::vector<CopyRecord> out;
    if (!zeltest::ReadFileBytes(m_dir.File(L"records.bin"), all)) return out;
    size_t pos = 0;
    while (pos + 12 <= all.size()) {
        CopyRecord r;
        uint32_t cb = 0;
        memcpy(&r.dwData, all.data() + pos, 8);
        memcpy(&cb, all.data() + pos + 8, 4);
        pos += 12;
        if (pos + cb > all.size()) break;
        r.bytes = all.substr(pos, cb);
        pos += cb;
        out.push_back(std::move(r));
    }
    return out;
}

bool HttpFixture::Start(bool tls)
{
    std::wstring args = L"--record-dir \"" + UnixPath(m_server.WorkDir()) + L"\"";
    if (tls) args += L" --tls";
    return m_server.Start(L"tests/servers/http_fixture.py", args);
}

int HttpFixture::RequestCount() const
{
    int n = 0;
    while (GetFileAttributesW((m_server.WorkDir() + L"\\request_" + std::to_wstring(n + 1) + L".head").c_str()) !=
           INVALID_FILE_ATTRIBUTES)
        ++n;
    return n;
}

std::string HttpFixture::Head(int n) const
{
    std::string s;
    zeltest::ReadFileBytes(m_server.WorkDir() + L"\\request_" + std::to_wstring(n) + L".head", s);
    return s;
}

std::string HttpFixture::RequestLine(int n) const
{
    std::string head = Head(n);
    return head.substr(0, head.find('\n'));
}

std::string HttpFixture::Header(int n, const std::string& name) const
{
    std::string head = "\n" + Head(n);
    std::string key = "\n" + name + ": ";
    size_t pos = head.find(key);
    if (pos == std::string::npos) return "";
    pos += key.size();
    return head.substr(pos, head.find('\n', pos) - pos);
}

std::string HttpFixture::Body(int n) const
{
    std::string s;
    zeltest::ReadFileBytes(m_server.WorkDir() + L"\\request_" + std::to_wstring(n) + L".body", s);
    return s;
}

std::string PatternBytes(size_t n)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = (char)(i % 251);
    return s;
}

}  // namespace coretest
