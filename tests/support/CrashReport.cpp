// A test executable that crashes says where before it ends. Without this a fault on a socket worker
// under Wine only printed "starting debugger" and the executable then hung until CTest's time-out,
// with nothing to tell which code ran. The report names the test that was running and the return
// addresses as module+offset (an executable's own addresses go straight to "x86_64-w64-mingw32-addr2line -e <exe>").
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace zeltest {

namespace {

void PrintAddress(const char* label, DWORD64 address)
{
    HMODULE hModule = nullptr;
    char name[MAX_PATH] = "?";
    if (address &&
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(address), &hModule) &&
        hModule) {
        GetModuleFileNameA(hModule, name, MAX_PATH);
        const char* base = strrchr(name, '\\');
        std::fprintf(stderr, "  %s %s+0x%llx (0x%llx)\n", label, base ? base + 1 : name,
                     (unsigned long long)(address - reinterpret_cast<DWORD64>(hModule)),
                     (unsigned long long)address);
    } else {
        std::fprintf(stderr, "  %s 0x%llx\n", label, (unsigned long long)address);
    }
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info)
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "\nCRASH: exception 0x%08lx at %p on thread %lu during %s.%s\n",
                 info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress,
                 GetCurrentThreadId(), test ? test->test_suite_name() : "-", test ? test->name() : "-");
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION &&
        info->ExceptionRecord->NumberParameters >= 2)
        std::fprintf(stderr, "  %s address 0x%llx\n",
                     info->ExceptionRecord->ExceptionInformation[0] == 8   ? "execute"
                     : info->ExceptionRecord->ExceptionInformation[0] == 1 ? "write"
                                                                           : "read",
                     (unsigned long long)info->ExceptionRecord->ExceptionInformation[1]);
#if defined(_M_X64) || defined(__x86_64__)
    CONTEXT context = *info->ContextRecord;
    // A call through a null pointer leaves the return address on top of the stack and no
    // function to unwind: step out of it by hand first.
    if (context.Rip == 0 || !RtlLookupFunctionEntry(context.Rip, nullptr, nullptr)) {
        PrintAddress("at", context.Rip);
        context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
        context.Rsp += 8;
    }
    for (int frame = 0; frame < 40 && context.Rip; ++frame) {
        PrintAddress("at", context.Rip);
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
        if (!function) {
            context.Rip = *reinterpret_cast<DWORD64*>(context.Rsp);
            context.Rsp += 8;
            continue;
        }
        PVOID handlerData = nullptr;
        DWORD64 establisher = 0;
        RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                         &establisher, nullptr);
    }
#endif
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

bool InstallCrashReport()
{
    SetUnhandledExceptionFilter(&ReportCrash);
    return true;
}

}  // namespace zeltest
