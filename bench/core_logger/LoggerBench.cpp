// Logger costs under the real platform: file mode with and without the writer thread, and the
// viewer mode's WM_COPYDATA round trip to a log window in another process.
#include <windows.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/MyLogFile.h"

namespace {

std::wstring ModuleFolder()
{
    wchar_t path[1024] = {};
    GetModuleFileNameW(nullptr, path, 1024);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1);
}

// A folder of its own for the log files, removed at the end.
class BenchFolder {
public:
    BenchFolder()
    {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        m_path = std::wstring(tmp) + L"zel_logger_bench_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~BenchFolder()
    {
        for (const wchar_t* name : {L"ZELLog.txt", L"LOG.ini"}) DeleteFileW(File(name).c_str());
        RemoveDirectoryW((m_path + L"\\Log").c_str());
        RemoveDirectoryW(m_path.c_str());
    }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
    // A file-mode logger; the writer thread runs when threadUse is 1.
    std::unique_ptr<CMyLogFile> MakeLogger(int threadUse) const
    {
        std::string ini = "[CMyLogFile]\r\nAppUse=0\r\nThreadUse=" + std::to_string(threadUse) + "\r\n";
        HANDLE h = CreateFileW(File(L"LOG.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, ini.data(), (DWORD)ini.size(), &written, nullptr);
        CloseHandle(h);
        DeleteFileW(File(L"ZELLog.txt").c_str());
        std::unique_ptr<CMyLogFile> log(new CMyLogFile(File(L"LOG.ini").c_str()));
        log->Init(File(L"Log").c_str(), File(L"ZELLog.txt").c_str(), 30, 1, 1, 0);
        return log;
    }

private:
    std::wstring m_path;
};

// Time a caller spends per line when the writer thread does the writing.
void BM_FileModeWriterThread_CallerLatency(benchmark::State& state)
{
    BenchFolder folder;
    std::unique_ptr<CMyLogFile> log = folder.MakeLogger(1);
    int i = 0;
    for (auto _ : state) log->Log(2, L"benchmark line %d of the application log with some text", ++i);
    state.SetItemsProcessed(state.iterations());
    log->StopWriterThread();
}
BENCHMARK(BM_FileModeWriterThread_CallerLatency);

// Lines per second through to the disk: each round logs a batch and waits for the writer thread
// to have written all of it.
void BM_FileModeWriterThread_Throughput(benchmark::State& state)
{
    BenchFolder folder;
    const int kBatch = 10000;
    for (auto _ : state) {
        std::unique_ptr<CMyLogFile> log = folder.MakeLogger(1);
        for (int i = 0; i < kBatch; ++i) log->Log(2, L"benchmark line %d of the application log with some text", i);
        log->StopWriterThread();
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_FileModeWriterThread_Throughput)->Unit(benchmark::kMillisecond);

// Each line opened, appended and closed on the calling thread.
void BM_FileModeDirect(benchmark::State& state)
{
    BenchFolder folder;
    std::unique_ptr<CMyLogFile> log = folder.MakeLogger(0);
    int i = 0;
    for (auto _ : state) log->Log(2, L"benchmark line %d of the application log with some text", ++i);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FileModeDirect);

// One line to a log window in another process: FindWindow, the record and a synchronous
// WM_COPYDATA.
void BM_ViewerModeRoundTrip(benchmark::State& state)
{
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring cmd = L"\"" + ModuleFolder() + L"..\\tests\\log_window_fixture.exe\" -";
    if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        state.SkipWithError("log_window_fixture.exe cannot be started");
        return;
    }
    HWND hwnd = nullptr;
    for (int i = 0; i < 400 && !hwnd; ++i) {
        Sleep(50);
        hwnd = FindWindowW(L"Talvora_Log_Class", nullptr);
    }
    if (!hwnd) {
        TerminateProcess(pi.hProcess, 1);
        state.SkipWithError("no log window");
    } else {
        wchar_t noIni[] = L"Z:\\nonexistent\\LOG.ini";
        CMyLogFile log(noIni);
        log.Init(L"C:\\bench\\Log", L"C:\\bench\\ZELLog.txt", 30, 1, 1, 0);
        int i = 0;
        for (auto _ : state) {
            if (!log.Log(2, L"benchmark line %d of the application log with some text", ++i)) {
                state.SkipWithError("a line was not delivered");
                break;
            }
        }
        state.SetItemsProcessed(state.iterations());
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}
BENCHMARK(BM_ViewerModeRoundTrip);

}  // namespace
