// Runs every parser target on seeded mutations of its seed inputs for a while, after replaying
// the inputs that once broke it (regressions/<target>/). A crash, a hang or a memory blow-up
// saves the input beside the regressions' folder (found/) and ends the run with exit code 1.
//   zel_fuzz.exe [--seconds N per target] [--target NAME] [--seed S]
// Sources are found through ZEL_SOURCE_DIR, as the tests find them.
#include <winsock2.h>
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/MessageBox.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/Mutator.h"
#include "tests/support/TestSupport.h"

namespace {

// What runs now, for the crash handler and the watchdog.
const fuzz::STarget* g_pTarget = nullptr;
const std::string* g_pInput = nullptr;
std::atomic<unsigned long long> g_nStartTick{0};
std::atomic<bool> g_bRunning{false};

const DWORD kHangMs = 10000;
const SIZE_T kMemoryLimit = (SIZE_T)1536 << 20;

std::wstring FoundFolder()
{
    const std::wstring dir = zeltest::SourcePath(L"tests/fuzz/found");
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

// Saves the input that ends the run and says why.
[[noreturn]] void Finding(const char* kind)
{
    std::string name = std::string(kind) + "-" + (g_pTarget ? g_pTarget->name : "none") + "-" +
                       std::to_string(::GetTickCount()) + ".bin";
    const std::wstring path = FoundFolder() + L"\\" + zeltest::Widen(name);
    if (g_pInput) zeltest::WriteFileBytes(path, *g_pInput);
    std::printf("fuzz: %s: %s, input saved to %s\n", g_pTarget ? g_pTarget->name : "?", kind,
                zeltest::Narrow(path).c_str());
    std::fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), 1);
    for (;;) {}
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* info)
{
    switch (info->ExceptionRecord->ExceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_STACK_OVERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_PRIV_INSTRUCTION:
    case STATUS_HEAP_CORRUPTION:
        if (g_bRunning) Finding("crash");
        break;
    default:
        break;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

void RunOne(const fuzz::STarget& target, const std::string& input)
{
    g_pInput = &input;
    g_nStartTick = ::GetTickCount64();
    g_bRunning = true;
    try {
        target.run(input);
    } catch (...) {
        // A parser of outside input answers with a result, never with an exception.
        Finding("exception");
    }
    g_bRunning = false;
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof pmc) &&
        pmc.PrivateUsage > kMemoryLimit)
        Finding("memory");
}

}  // namespace

namespace fuzz {

std::string ReadSourceFile(const std::string& relative)
{
    std::string bytes;
    zeltest::ReadFileBytes(zeltest::SourcePath(zeltest::Widen(relative)), bytes);
    return bytes;
}

std::wstring WriteScratchFile(const std::string& bytes)
{
    static const std::wstring path = [] {
        wchar_t dir[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, dir);
        return std::wstring(dir) + L"zel_fuzz_" + std::to_wstring(::GetCurrentProcessId()) + L".xml";
    }();
    zeltest::WriteFileBytes(path, bytes);
    return path;
}

}  // namespace fuzz

int wmain(int argc, wchar_t** argv)
{
    double seconds = 10;
    std::string only;
    unsigned long long seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i];
        if (key == L"--seconds") seconds = _wtof(argv[i + 1]);
        else if (key == L"--target") only = zeltest::Narrow(argv[i + 1]);
        else if (key == L"--seed") seed = _wtoi64(argv[i + 1]);
    }
    // Loaders that tell the user about a broken file do it through the message-box seam.
    zel::SetMessageBoxHook([](LPCTSTR, LPCTSTR, UINT) { return IDOK; });
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::AddVectoredExceptionHandler(1, OnException);
    std::thread watchdog([] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            if (g_bRunning && ::GetTickCount64() - g_nStartTick > kHangMs) Finding("hang");
        }
    });
    watchdog.detach();

    int nTargets = 0;
    for (const fuzz::STarget& target : fuzz::Targets()) {
        if (!only.empty() && only != target.name) continue;
        ++nTargets;
        g_pTarget = &target;
        const std::vector<std::string> seeds = target.seeds();
        size_t nRegressions = 0;
        const std::wstring regressions = zeltest::SourcePath(L"tests/fuzz/regressions/") + zeltest::Widen(target.name);
        for (const std::wstring& file : zeltest::ListFiles(regressions)) {
            std::string bytes;
            if (zeltest::ReadFileBytes(regressions + L"\\" + file, bytes)) {
                RunOne(target, bytes);
                ++nRegressions;
            }
        }
        for (const std::string& s : seeds) RunOne(target, s);
        fuzz::CMutator mutator(seed * 1000003ull + std::hash<std::string>()(target.name));
        std::vector<std::string> pool = seeds;
        const ULONGLONG end = ::GetTickCount64() + (ULONGLONG)(seconds * 1000);
        unsigned long long nInputs = 0;
        while (::GetTickCount64() < end && !pool.empty()) {
            const std::string& base = pool[mutator.Below(pool.size())];
            std::string input = mutator.Mutate(base, target.tokens, seeds, target.maxSize);
            RunOne(target, input);
            ++nInputs;
            // Mutants are mutated again now and then, so that changes pile up.
            if (pool.size() < 64) pool.push_back(std::move(input));
            else if (mutator.Below(4) == 0) pool[mutator.Below(pool.size())] = std::move(input);
        }
        std::printf("fuzz: %s: %zu regressions, %llu inputs in %.0f s, no finding\n", target.name, nRegressions,
                    nInputs, seconds);
        std::fflush(stdout);
    }
    if (nTargets == 0) {
        std::printf("fuzz: no target named %s\n", only.c_str());
        return 2;
    }
    std::printf("%d passed, 0 failed\n", nTargets);
    return 0;
}
