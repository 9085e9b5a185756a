#include <gtest/gtest.h>

#include <cstring>

#include "core/CrashReportManager.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

// Minidump stream type of the exception record.
const uint32_t kExceptionStream = 6;

bool HasStream(const std::string& dump, uint32_t type)
{
    if (dump.size() < 32 || dump.compare(0, 4, "MDMP") != 0) return false;
    uint32_t count = 0, rva = 0;
    memcpy(&count, dump.data() + 8, 4);
    memcpy(&rva, dump.data() + 12, 4);
    for (uint32_t i = 0; i < count && rva + 12 * (i + 1) <= dump.size(); ++i) {
        uint32_t t = 0;
        memcpy(&t, dump.data() + rva + 12 * i, 4);
        if (t == type) return true;
    }
    return false;
}

DWORD RunCrashChild(const std::wstring& args)
{
    zeltest::ChildProcess child;
    if (!child.Start(L"\"" + coretest::HelperProgram(L"crash_child.exe") + L"\" " + args)) return 0xFFFFFFFF;
    if (!child.Wait(60000)) return 0xFFFFFFFE;
    return 0;
}

class CrashDump : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryW(m_appData.Folder().substr(0, m_appData.Folder().size() - m_appData.Product().size() - 2).c_str(), nullptr);
        CreateDirectoryW(m_appData.Folder().c_str(), nullptr);
    }
    std::wstring Base() const { return m_appData.Folder(); }
    std::wstring ErrorFolder() const { return m_appData.Folder() + L"Error"; }
    coretest::ScopedAppData m_appData;
};

TEST_F(CrashDump, AnArmedProcessThatCrashesLeavesOneNamedDumpWithTheException)
{
    // The folder ends with a backslash, doubled before the closing quote of the argument.
    std::wstring args = L"armed \"" + Base() + L"\\\" 20241227150405";
    ASSERT_EQ(RunCrashChild(args), 0u);
    auto files = zeltest::ListFiles(ErrorFolder());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], L"CrashDump_20241227150405.dmp");
    std::string first;
    ASSERT_TRUE(zeltest::ReadFileBytes(ErrorFolder() + L"\\" + files[0], first));
    EXPECT_TRUE(HasStream(first, kExceptionStream));

    // A second crash within the same second replaces the first dump.
    zeltest::WriteFileBytes(ErrorFolder() + L"\\" + files[0], "old");
    ASSERT_EQ(RunCrashChild(args), 0u);
    files = zeltest::ListFiles(ErrorFolder());
    ASSERT_EQ(files.size(), 1u);
    std::string second;
    zeltest::ReadFileBytes(ErrorFolder() + L"\\" + files[0], second);
    EXPECT_EQ(second.compare(0, 4, "MDMP"), 0);
}

TEST_F(CrashDump, ACrashBeforeTheFilterIsArmedWritesNoDump)
{
    ASSERT_EQ(RunCrashChild(L"unarmed \"" + Base() + L"\\\" 20241227150405"), 0u);
    EXPECT_TRUE(zeltest::ListFiles(ErrorFolder()).empty());
}

TEST_F(CrashDump, TheFilterWithoutExceptionPointersWritesADumpWithoutException)
{
    ASSERT_EQ(RunCrashChild(L"no-pointers \"" + Base() + L"\\\" 20241227150405"), 0u);
    std::string dump;
    ASSERT_TRUE(zeltest::ReadFileBytes(ErrorFolder() + L"\\CrashDump_20241227150405.dmp", dump));
    EXPECT_EQ(dump.compare(0, 4, "MDMP"), 0);
    EXPECT_FALSE(HasStream(dump, kExceptionStream));
}

TEST(CrashDumpName, IsTheErrorFolderAndTheLocalTimeStamp)
{
    CCrashReportManager::GetInstance()->Init(L"C:\\data\\");
    SYSTEMTIME st = {2024, 12, 5, 27, 15, 4, 5, 0};
    EXPECT_STREQ(CCrashReportManager::MakeDumpPath(st), L"C:\\data\\Error\\CrashDump_20241227150405.dmp");
    CCrashReportManager::DestroyInstance();
}

}  // namespace
