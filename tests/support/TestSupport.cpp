#include "tests/support/TestSupport.h"

#include "platform/StringConversion.h"

#include <cstdio>
#include <cstdlib>

namespace zeltest {

std::string Narrow(const std::wstring& w)
{
    return zel::ToMultiByteString(w.data(), (int)w.size(), CP_UTF8);
}

std::wstring Widen(const std::string& s)
{
    return zel::ToWideString(s.data(), (int)s.size(), CP_UTF8);
}

static std::wstring EnvPath(const wchar_t* name)
{
    wchar_t buf[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableW(name, buf, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2) return {};
    std::wstring p(buf, n);
    // ctest hands Unix paths; Wine maps the Unix root to drive Z:.
    if (!p.empty() && p[0] == L'/') {
        for (auto& c : p) if (c == L'/') c = L'\\';
        p = L"Z:" + p;
    }
    return p;
}

std::wstring SourceDir() { return EnvPath(L"ZEL_SOURCE_DIR"); }
std::wstring BinaryDir() { return EnvPath(L"ZEL_BINARY_DIR"); }

std::wstring SourcePath(const std::wstring& relative)
{
    std::wstring r = relative;
    for (auto& c : r) if (c == L'/') c = L'\\';
    return SourceDir() + L"\\" + r;
}

void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else { SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL); DeleteFileW(full.c_str()); }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

std::vector<std::wstring> ListFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

TempDir::TempDir()
{
    std::wstring base = BinaryDir();
    if (base.empty()) {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        base = tmp;
        if (!base.empty() && base.back() == L'\\') base.pop_back();
    }
    base += L"\\test-temp";
    CreateDirectoryW(base.c_str(), nullptr);
    static LONG counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        wchar_t name[64];
        _snwprintf(name, 64, L"\\t%lu_%ld_%d", GetCurrentProcessId(), InterlockedIncrement(&counter), attempt);
        std::wstring p = base + name;
        if (CreateDirectoryW(p.c_str(), nullptr)) { m_path = p; return; }
    }
}

TempDir::~TempDir()
{
    if (!m_path.empty()) RemoveTree(m_path);
}

bool ReadFileBytes(const std::wstring& path, std::string& out)
{
    out.clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    char buf[65536];
    DWORD got = 0;
    bool ok = true;
    while (true) {
        if (!ReadFile(h, buf, sizeof buf, &got, nullptr)) { ok = false; break; }
        if (got == 0) break;
        out.append(buf, got);
    }
    CloseHandle(h);
    return ok;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    bool ok = WriteFile(h, bytes.data(), (DWORD)bytes.size(), &put, nullptr) && put == bytes.size();
    CloseHandle(h);
    return ok;
}

bool SetLocalLastWriteTime(const std::wstring& path, const SYSTEMTIME& local)
{
    FILETIME ftLocal, ftUtc;
    if (!SystemTimeToFileTime(&local, &ftLocal) || !LocalFileTimeToFileTime(&ftLocal, &ftUtc)) return false;
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = SetFileTime(h, nullptr, nullptr, &ftUtc) != FALSE;
    CloseHandle(h);
    return ok;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Start(const std::wstring& commandLine, const std::wstring& workDir)
{
    Kill();
    STARTUPINFOW si{};
    si.cb = sizeof si;
    // Wine now and then refuses a start on a loaded machine and takes the same start a moment
    // later; a program that truly cannot start fails every attempt.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) ::Sleep(500);
        std::wstring cmd = commandLine;   // CreateProcessW may write into the buffer
        if (CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                           workDir.empty() ? nullptr : workDir.c_str(), &si, &m_pi))
            return true;
        m_pi = PROCESS_INFORMATION{};
        std::fprintf(stderr, "ChildProcess: starting %ls failed (error %lu)\n", commandLine.c_str(),
                     (unsigned long)::GetLastError());
    }
    return false;
}

bool ChildProcess::Wait(DWORD ms)
{
    if (!m_pi.hProcess) return true;
    return WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0;
}

bool ChildProcess::IsRunning() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

void ChildProcess::Kill()
{
    if (!m_pi.hProcess) return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hProcess);
    CloseHandle(m_pi.hThread);
    m_pi = PROCESS_INFORMATION{};
}

static std::wstring Quote(const std::wstring& s) { return L"\"" + s + L"\""; }

static std::wstring ToUnixPath(const std::wstring& winPath)
{
    std::wstring p = winPath;
    if (p.size() >= 2 && (p[0] == L'Z' || p[0] == L'z') && p[1] == L':') p = p.substr(2);
    for (auto& c : p) if (c == L'\\') c = L'/';
    return p;
}

bool PythonFixture::Start(const std::wstring& scriptRelative, const std::wstring& args, DWORD readyMs)
{
    return StartScript(L"/usr/bin/python3 -u", scriptRelative, args, readyMs);
}

bool PythonFixture::StartScript(const std::wstring& interpreter, const std::wstring& scriptRelative,
                                const std::wstring& args, DWORD readyMs)
{
    Stop();
    if (m_dir.Path().empty()) return false;
    m_readyFile = m_dir.File(L"ready.txt");
    DeleteFileW(m_readyFile.c_str());
    // The fixture is a Unix program: it takes Unix paths.
    std::wstring program = interpreter;
    for (auto& c : program) if (c == L'/') c = L'\\';
    std::wstring cmd = L"Z:" + program + L" " + Quote(ToUnixPath(SourcePath(scriptRelative))) +
                       L" --ready-file " + Quote(ToUnixPath(m_readyFile));
    if (!args.empty()) cmd += L" " + args;
    if (!m_proc.Start(cmd, m_dir.Path())) return false;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < readyMs) {
        std::string text;
        if (ReadFileBytes(m_readyFile, text) && !text.empty() && text.back() == '\n') {
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            m_ready = text;
            return true;
        }
        Sleep(20);
    }
    Stop();
    return false;
}

void PythonFixture::Stop()
{
    // Ask the script to end by removing its ready file (fixtures poll for it), then make sure.
    if (!m_readyFile.empty()) DeleteFileW(m_readyFile.c_str());
    if (m_proc.IsRunning() && !m_proc.Wait(3000)) m_proc.Kill();
    m_proc.Kill();
    m_ready.clear();
}

int PythonFixture::Port() const { return std::atoi(m_ready.c_str()); }

std::vector<int> PythonFixture::Ports() const
{
    std::vector<int> ports;
    for (const char* p = m_ready.c_str(); *p;) {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p) {
            ++p;
            continue;
        }
        ports.push_back((int)v);
        p = end;
    }
    return ports;
}

bool PumpUntil(const std::function<bool()>& pred, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (pred()) return true;
        if (GetTickCount() - start >= ms) return pred();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

}  // namespace zeltest

namespace zeltest {
bool InstallFailureScreenshots();
bool InstallCrashReport();
}

namespace {
// Every test executable that uses these helpers gets the screenshots of failing display tests.
const bool g_bFailureScreenshots = zeltest::InstallFailureScreenshots();
const bool g_bCrashReport = zeltest::InstallCrashReport();
}  // namespace
