#pragma once
// Shared pieces of the core tests: an isolated application-data folder, a settable clock, the
// helper programs built beside the tests and the log window fixture in another process.
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

namespace coretest {

// The Unix path of a Z: path (for the Python fixtures).
std::wstring UnixPath(const std::wstring& winPath);
// A program built into the same folder as the running test.
std::wstring HelperProgram(const std::wstring& name);

// A company folder of its own under the local application-data folder, removed at the end.
class ScopedAppData {
public:
    explicit ScopedAppData(const wchar_t* product = L"Brindlecast");
    ~ScopedAppData();
    const std::wstring& Company() const { return m_company; }
    const std::wstring& Product() const { return m_product; }
    // "<local app data>\<company>\<product>\" (not created by this object).
    std::wstring Folder() const { return m_companyFolder + L"\\" + m_product + L"\\"; }
private:
    std::wstring m_company, m_product, m_companyFolder;
};

// A clock that tests set; its function can be handed to the loggers and the crash dumps.
void SetFixedTime(int year, int month, int day, int hour, int minute, int second, int ms = 0);
void FixedTimeNow(SYSTEMTIME* pst);

// A window of the log service's class in another process that stores every WM_COPYDATA record
// it receives in a file.
struct CopyRecord {
    uint64_t dwData;
    std::string bytes;
};

class LogWindowFixture {
public:
    ~LogWindowFixture() { Stop(); }
    // delayMs > 0 makes the window take that long over each record (a hung log service).
    bool Start(int delayMs = 0);
    void Stop();
    std::vector<CopyRecord> Records() const;
    HWND Window() const { return m_hwnd; }
private:
    zeltest::TempDir m_dir;
    zeltest::ChildProcess m_proc;
    HWND m_hwnd = nullptr;
};

// The HTTP(S) fixture server of tests/servers/http_fixture.py and the requests it recorded.
class HttpFixture {
public:
    bool Start(bool tls = false);
    int Port() const { return m_server.Port(); }
    // Number of requests received so far.
    int RequestCount() const;
    // Request n (from 1): its request line, one header's value ("" when absent) and its body.
    std::string RequestLine(int n) const;
    std::string Header(int n, const std::string& name) const;
    std::string Body(int n) const;
private:
    std::string Head(int n) const;
    zeltest::PythonFixture m_server;
};

// The fixture's body pattern: byte i is i % 251.
std::string PatternBytes(size_t n);

}  // namespace coretest
