#pragma once
// Helpers for tests that run under Wine: where the trees are, temporary folders, child processes
// (including the Python fixtures on the Linux side) and message pumping.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace zeltest {

// The source and build trees (from ZEL_SOURCE_DIR / ZEL_BINARY_DIR, set by ctest), as Windows paths.
std::wstring SourceDir();
std::wstring BinaryDir();
// A path inside the source tree, e.g. SourcePath(L"tests/servers/http_server.py").
std::wstring SourcePath(const std::wstring& relative);

// A new empty folder under the build tree's test-temp folder; removed by the object's destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
private:
    std::wstring m_path;
};

// Removes a folder with everything in it.
void RemoveTree(const std::wstring& dir);
// The names of the files (not the folders) directly in a folder, in the order the system lists them.
std::vector<std::wstring> ListFiles(const std::wstring& folder);

// Reads and writes whole files as bytes.
bool ReadFileBytes(const std::wstring& path, std::string& out);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Sets the file's last-write time to a local time, converted back the way the programs read it.
bool SetLocalLastWriteTime(const std::wstring& path, const SYSTEMTIME& local);

// A child process; killed (with its own children when it is a Python fixture) by the destructor.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::wstring& commandLine, const std::wstring& workDir = L"");
    // Waits for the process to end; false on time-out.
    bool Wait(DWORD ms);
    void Kill();
    bool IsRunning() const;
    DWORD Pid() const { return m_pi.dwProcessId; }
private:
    PROCESS_INFORMATION m_pi{};
};

// Starts a Python 3 script of the source tree on the Linux side (Wine runs Unix programs) with
// "--ready-file <file>" appended to its arguments. The script writes its port(s) into that file
// (one text line) when it listens; StartPython waits for it and returns the line in 'readyLine'.
// Exit codes of Unix children do not come through Wine reliably: report through files or sockets.
class PythonFixture {
public:
    PythonFixture() = default;
    ~PythonFixture() { Stop(); }
    bool Start(const std::wstring& scriptRelative, const std::wstring& args = L"", DWORD readyMs = 20000);
    // The same handshake with a script of another interpreter (a Unix path, e.g. "/bin/bash").
    bool StartScript(const std::wstring& interpreter, const std::wstring& scriptRelative, const std::wstring& args,
                     DWORD readyMs);
    void Stop();
    const std::string& ReadyLine() const { return m_ready; }
    // The first number of the ready line (the usual case: one port).
    int Port() const;
    // Every number of the ready line, in order (run_servers.py: tas push tds voice http ...).
    std::vector<int> Ports() const;
    const std::wstring& WorkDir() const { return m_dir.Path(); }
private:
    TempDir m_dir;
    ChildProcess m_proc;
    std::string m_ready;
    std::wstring m_readyFile;
};

// Runs the thread's message loop until pred() is true or ms have passed; returns pred().
bool PumpUntil(const std::function<bool()>& pred, DWORD ms);
// Runs the thread's message loop for ms milliseconds.
void PumpFor(DWORD ms);

// The screen, or one window's rectangle of it, as a PNG file.
bool SaveScreenPng(const std::wstring& path, HWND hWnd = nullptr);

std::string Narrow(const std::wstring& w);   // UTF-8
std::wstring Widen(const std::string& s);    // from UTF-8

}  // namespace zeltest
