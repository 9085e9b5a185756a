// Closing real processes: stand-ins for ZEL and ZELLog that quit when asked, late, never, or hang.
#include "tools/closer/ProgramCloser.h"

#include "tests/tools/closer/CloserTestSupport.h"

#include <gtest/gtest.h>

namespace {

using closertest::ExitCodeOf;
const DWORD kCleanExit = 7;   // the stand-in's own exit code after quitting
const DWORD kLifeExit = 9;    // the stand-in ended by its own life time

std::wstring FixturePath() { return zeltest::BinaryDir() + L"\\tests\\closer_fixture.exe"; }

bool WaitForWindow(LPCWSTR cls, DWORD ms)
{
    return zeltest::PumpUntil([cls] { return FindWindowW(cls, nullptr) != nullptr; }, ms);
}

bool StartFixture(zeltest::ChildProcess& child, LPCWSTR cls, LPCWSTR args)
{
    return child.Start(L"\"" + FixturePath() + L"\" class=" + cls + L" " + args) && WaitForWindow(cls, 15000);
}

TEST(ProgramCloser, WithoutAWindowNothingIsSentOrEnded)
{
    CProgramCloser closer;
    EXPECT_EQ(closer.CloseRunningProgram(L"closer_fixture.exe", L"ZEL_Talvora_Class_None"), 0);
    EXPECT_EQ(closer.GetLastSendCount(), 0);
}

TEST(ProgramCloser, AsksUntilTheProgramQuitsAndEndsItByNameWhenItDoesNot)
{
    struct SCase {
        const wchar_t* cls;
        const wchar_t* args;
        int result;
        DWORD exitCode;
        int minSends, maxSends;
        DWORD maxMs;
    } cases[] = {
        // Quits at once: one request, never ended by force.
        {L"ZEL_Talvora_Class", L"mode=quit", 1, kCleanExit, 1, 1, 3000},
        // Quits a few hundred milliseconds after the request: still never ended by force.
        {L"Talvora_Log_Class", L"mode=quit delay=400", 1, kCleanExit, 2, 10, 3000},
        // Answers but stays: 32 requests, then ended (with an exit code that is not STILL_ACTIVE).
        {L"ZEL_Talvora_Class", L"mode=ignore", 0, 1, 32, 32, 10000},
        // Never answers: each request gives up after its time-out, so the helper still gets to end
        // it instead of waiting for it for ever.
        {L"Talvora_Log_Class", L"mode=hung", 0, 1, 32, 32, 30000},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.args);
        zeltest::ChildProcess child;
        ASSERT_TRUE(StartFixture(child, c.cls, c.args));
        CProgramCloser closer;
        DWORD t0 = GetTickCount();
        EXPECT_EQ(closer.CloseRunningProgram(L"closer_fixture.exe", c.cls), c.result);
        DWORD elapsed = GetTickCount() - t0;
        EXPECT_LE(elapsed, c.maxMs);
        EXPECT_GE(closer.GetLastSendCount(), c.minSends);
        EXPECT_LE(closer.GetLastSendCount(), c.maxSends);
        ASSERT_TRUE(child.Wait(5000));
        EXPECT_EQ(ExitCodeOf(child), c.exitCode);
        EXPECT_EQ(FindWindowW(c.cls, nullptr), nullptr);
    }
}

TEST(ProgramCloser, IgnoredRequestsArriveExactly32Times)
{
    zeltest::TempDir dir;
    std::wstring exe = dir.File(L"ZELLog.exe");
    ASSERT_TRUE(CopyFileW(FixturePath().c_str(), exe.c_str(), FALSE));
    zeltest::ChildProcess child;
    ASSERT_TRUE(child.Start(L"\"" + exe + L"\" mode=ignore"));
    ASSERT_TRUE(WaitForWindow(L"Talvora_Log_Class", 15000));
    CProgramCloser closer;
    EXPECT_EQ(closer.CloseRunningProgram(L"zellog.EXE", L"Talvora_Log_Class"), 0);
    ASSERT_TRUE(child.Wait(5000));
    std::string requests;
    ASSERT_TRUE(zeltest::ReadFileBytes(dir.File(L"ZELLog.exe.requests.txt"), requests));
    EXPECT_EQ(std::count(requests.begin(), requests.end(), '\n'), 32);
}

TEST(ProgramCloser, EndsEveryProcessOfTheNameAndNoOther)
{
    zeltest::TempDir dir;
    std::wstring other = dir.File(L"closer_other.exe");
    ASSERT_TRUE(CopyFileW(FixturePath().c_str(), other.c_str(), FALSE));
    zeltest::ChildProcess a, b, c;
    ASSERT_TRUE(StartFixture(a, L"ZelCloserTestA", L"mode=ignore"));
    ASSERT_TRUE(StartFixture(b, L"ZelCloserTestB", L"mode=hung"));
    ASSERT_TRUE(c.Start(L"\"" + other + L"\" class=ZelCloserTestC mode=ignore"));
    ASSERT_TRUE(WaitForWindow(L"ZelCloserTestC", 15000));

    EXPECT_EQ(CProgramCloser::TerminateProcessesByName(L"CLOSER_FIXTURE.EXE"), 2);
    EXPECT_TRUE(a.Wait(5000));
    EXPECT_TRUE(b.Wait(5000));
    EXPECT_TRUE(c.IsRunning());
    EXPECT_EQ(CProgramCloser::TerminateProcessesByName(L"closer_fixture.exe"), 0);
    EXPECT_NE(ExitCodeOf(a), kLifeExit);
}

}  // namespace
