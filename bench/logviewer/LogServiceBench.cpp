// The log service as the client meets it: ZELLog.exe runs as its own process and the client's
// logger (viewer mode) hands it one line per call. Measured: the time one logging call takes at
// the sender, and the lines per second that reach the file when one sender logs as fast as it
// can (sent and written: the clock stops when the file holds them all).
//
// Run under Wine from the build folder: bench\logviewer_bench.exe (ZELLog.exe is bin\ZELLog.exe).
#include <benchmark/benchmark.h>

#include <windows.h>

#include <memory>
#include <string>

#include "core/LogRecords.h"
#include "core/MyLogFile.h"
#include "core/SystemHelpers.h"
#include "tests/support/TestSupport.h"
#include "core/AppControl.h"

namespace {

// "2024-01-05 AM 10:00:00.000" and " [INFO] ".
const size_t kStampChars = 26;
const size_t kLevelChars = 8;

HWND FindService()
{
    return ::FindWindowW(LOG_SERVICE_WINDOW_CLASS, nullptr);
}

LONGLONG FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// One running ZELLog.exe and a client logger registered with it.
class Service {
public:
    Service()
    {
        if (HWND h = FindService()) ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        std::wstring exe = (LPCTSTR)GetModuleFolder();
        exe += L"..\\bin\\ZELLog.exe";
        m_proc.Start(L"\"" + exe + L"\"", m_dir.Path());
        for (int i = 0; i < 1500 && !FindService(); ++i) Sleep(20);
        m_path = m_dir.File(L"BenchLog.txt");
        m_log.reset(new ::CMyLogFile(m_dir.File(L"no-LOG.ini").c_str()));
        m_log->Init(m_dir.File(L"Log").c_str(), m_path.c_str(), 30, 1, 1, 0);
    }
    ~Service()
    {
        if (HWND h = FindService()) ::SendMessageW(h, UWM_APP_CONTROL, APP_CONTROL_QUIT, 0);
        m_proc.Wait(20000);
    }
    bool Ready() const { return FindService() != nullptr; }
    ::CMyLogFile& Log() { return *m_log; }
    const std::wstring& Path() const { return m_path; }

private:
    zeltest::TempDir m_dir;
    zeltest::ChildProcess m_proc;
    std::wstring m_path;
    std::unique_ptr<::CMyLogFile> m_log;
};

Service& TheService()
{
    static Service service;
    return service;
}

// The text of a line: 60 characters, about the size of the client's usual lines.
std::wstring LineText(int64_t i)
{
    wchar_t buf[96];
    swprintf(buf, 96, L"CTasClientManager::OnReceive M00000024 reply %012lld", (long long)i);
    return buf;
}

// Bytes one line takes in the file: its hexadecimal digits and a CR LF.
LONGLONG StoredBytes(const std::wstring& text)
{
    return (LONGLONG)(2 * (kStampChars + kLevelChars + text.size() + 1) + 2);
}

// The cost of one logging call at the sender: build the record, hand it over and wait for the
// service to take it.
void BM_SenderLineLatency(benchmark::State& state)
{
    Service& service = TheService();
    if (!service.Ready()) {
        state.SkipWithError("ZELLog.exe did not start");
        return;
    }
    int64_t i = 0;
    for (auto _ : state) {
        if (service.Log().LogText(2, LineText(i++).c_str()) != 1) {
            state.SkipWithError("a line was not taken");
            break;
        }
    }
}
BENCHMARK(BM_SenderLineLatency)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The floor under the logging call: one WM_COPYDATA of the same size that the service ignores
// (an unknown kind), found and sent the way the client's logger does it.
void BM_RecordRoundTripFloor(benchmark::State& state)
{
    Service& service = TheService();
    if (!service.Ready()) {
        state.SkipWithError("ZELLog.exe did not start");
        return;
    }
    std::wstring text = LineText(0);
    std::string record(LogShortLineSize(text.size()), '\0');
    for (auto _ : state) {
        COPYDATASTRUCT cds = {7, (DWORD)record.size(), &record[0]};
        DWORD_PTR result = 0;
        SendMessageTimeoutW(FindService(), WM_COPYDATA, 0, (LPARAM)&cds, SMTO_ABORTIFHUNG, 3000, &result);
    }
}
BENCHMARK(BM_RecordRoundTripFloor)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// Lines per second from one sender until they are all in the file.
void BM_SustainedLinesToFile(benchmark::State& state)
{
    Service& service = TheService();
    if (!service.Ready()) {
        state.SkipWithError("ZELLog.exe did not start");
        return;
    }
    const int kLines = (int)state.range(0);
    int64_t next = 0;
    for (auto _ : state) {
        LONGLONG target = FileSize(service.Path());
        LARGE_INTEGER freq, start, end;
        QueryPerformanceFrequency(&freq);
        QueryPerformanceCounter(&start);
        for (int k = 0; k < kLines; ++k) {
            std::wstring text = LineText(next++);
            target += StoredBytes(text);
            service.Log().LogText(2, text.c_str());
        }
        while (FileSize(service.Path()) < target) Sleep(1);
        QueryPerformanceCounter(&end);
        state.SetIterationTime((double)(end.QuadPart - start.QuadPart) / freq.QuadPart);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SustainedLinesToFile)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
