#include "tools/closer/UninstallSteps.h"

#include "tests/tools/closer/CloserTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using closertest::CTempRegKey;
using closertest::FileExists;
using closertest::TouchFile;

// A prepared installation: registry values and the three shell folders in a temporary tree.
class UninstallSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_desktop = m_root.File(L"Desktop");
        m_startup = m_root.File(L"Startup");
        m_programs = m_root.File(L"Programs");
        for (const auto& d : {m_desktop, m_startup, m_programs}) ASSERT_TRUE(CreateDirectoryW(d.c_str(), nullptr));
        m_target.hRoot = HKEY_LOCAL_MACHINE;
        m_target.strKey = m_key.Path();
        m_target.strDesktopFolder = m_desktop.c_str();
        m_target.strStartupFolder = m_startup.c_str();
        m_target.strProgramsFolder = m_programs.c_str();
    }

    // Installs the values and the product's links; the product folder is named shellFolder.
    void Install(LPCWSTR shellFolder)
    {
        ASSERT_TRUE(m_key.SetString(L"Path", L"C:\\Program Files\\TALVORA\\Brindlecast"));
        ASSERT_TRUE(m_key.SetString(L"CurrentVersion", L"4.2.0.0"));
        ASSERT_TRUE(m_key.SetString(L"SHELL_OBJECT_FOLDER", shellFolder));
        ASSERT_TRUE(TouchFile(m_desktop + L"\\Brindlecast.lnk"));
        ASSERT_TRUE(TouchFile(m_startup + L"\\Brindlecast.lnk"));
        m_product = *shellFolder ? m_programs + L"\\" + shellFolder : m_programs;
        CreateDirectoryW(m_product.c_str(), nullptr);
        ASSERT_TRUE(TouchFile(m_product + L"\\Brindlecast.lnk"));
        ASSERT_TRUE(TouchFile(m_product + L"\\Brindlecast UnInstall.lnk"));
    }

    int Run(int answer)
    {
        CUninstallSteps steps(
            m_target,
            [this, answer](LPCTSTR text, LPCTSTR caption, UINT type) {
                m_questions.push_back(CString(caption) + L"|" + text);
                EXPECT_EQ(type & MB_TYPEMASK, (UINT)MB_YESNO);
                return answer;
            },
            [this](const CString& line) { m_lines.push_back(line); });
        return steps.Run();
    }

    CString Line(const wchar_t* format, int n, const std::wstring& path)
    {
        CString s;
        s.Format(format, n, path.c_str());
        return s;
    }

    std::vector<CString> RegistryLines(int deleted)
    {
        std::vector<CString> lines;
        for (const wchar_t* name : {L"Path", L"CurrentVersion", L"SHELL_OBJECT_FOLDER"}) {
            CString s;
            s.Format(L"DelRegValue:%d ->%s %s ", deleted, m_key.Path().GetString(), name);
            lines.push_back(s);
        }
        return lines;
    }

    zeltest::TempDir m_root;
    CTempRegKey m_key;
    std::wstring m_desktop, m_startup, m_programs, m_product;
    SUninstallTarget m_target;
    std::vector<CString> m_questions;
    std::vector<CString> m_lines;
};

const CString kQuestion =
    L"Confirm Uninstall|Do you want to completely remove the selected application and all of its components?";
const CString kFinished = L"Install Wizard has finished performing maintenance operations.";

TEST_F(UninstallSteps, WithoutAnInstalledPathNothingIsAskedOrRemoved)
{
    ASSERT_TRUE(TouchFile(m_desktop + L"\\Brindlecast.lnk"));
    ASSERT_TRUE(m_key.SetString(L"CurrentVersion", L"4.2.0.0"));
    EXPECT_EQ(Run(IDYES), 0);
    EXPECT_EQ(m_lines, std::vector<CString>{L"Path: "});
    EXPECT_TRUE(m_questions.empty());
    EXPECT_TRUE(FileExists(m_desktop + L"\\Brindlecast.lnk"));
    EXPECT_TRUE(m_key.HasValue(L"CurrentVersion"));
}

TEST_F(UninstallSteps, AnswerOtherThanYesRemovesNothing)
{
    Install(L"Brindlecast");
    for (int answer : {IDNO, IDCANCEL, 0}) {
        m_lines.clear();
        m_questions.clear();
        EXPECT_EQ(Run(answer), 0);
        EXPECT_EQ(m_lines, std::vector<CString>{L"Path: C:\\Program Files\\TALVORA\\Brindlecast"});
        EXPECT_EQ(m_questions, std::vector<CString>{kQuestion});
    }
    EXPECT_TRUE(FileExists(m_desktop + L"\\Brindlecast.lnk"));
    EXPECT_TRUE(FileExists(m_product + L"\\Brindlecast.lnk"));
    EXPECT_TRUE(m_key.HasValue(L"Path"));
}

TEST_F(UninstallSteps, RemovesLinksTheEmptyProductFolderAndTheValues)
{
    Install(L"TALVORA Brindlecast");
    EXPECT_EQ(Run(IDYES), 1);
    std::vector<CString> expected = {
        L"Path: C:\\Program Files\\TALVORA\\Brindlecast",
        Line(L"DeleteFile:%d ->%s", 1, m_desktop + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 1, m_startup + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 1, m_product + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 1, m_product + L"\\Brindlecast UnInstall.lnk"),
        Line(L"RemoveDirectory:%d ->%s", 1, m_product),
    };
    for (const CString& s : RegistryLines(1)) expected.push_back(s);
    expected.push_back(kFinished);
    EXPECT_EQ(m_lines, expected);
    EXPECT_EQ(m_questions, std::vector<CString>{kQuestion});
    EXPECT_FALSE(FileExists(m_product));
    EXPECT_TRUE(FileExists(m_programs));
    for (const wchar_t* name : {L"Path", L"CurrentVersion", L"SHELL_OBJECT_FOLDER"}) EXPECT_FALSE(m_key.HasValue(name));
}

TEST_F(UninstallSteps, AProductFolderThatStillHoldsFilesStays)
{
    Install(L"Brindlecast");
    ASSERT_TRUE(TouchFile(m_product + L"\\Manual.pdf"));
    EXPECT_EQ(Run(IDYES), 1);
    for (const CString& line : m_lines) EXPECT_EQ(line.Find(L"RemoveDirectory:"), -1) << zeltest::Narrow(line.GetString());
    EXPECT_TRUE(FileExists(m_product + L"\\Manual.pdf"));
    EXPECT_FALSE(FileExists(m_product + L"\\Brindlecast.lnk"));
    EXPECT_EQ(m_lines.back(), kFinished);
}

TEST_F(UninstallSteps, WithoutAProductFolderNameTheProgramsMenuItselfIsNeverRemoved)
{
    Install(L"");
    EXPECT_EQ(Run(IDYES), 1);
    // The links in the Programs menu itself are the product's and go; the menu stays even empty.
    EXPECT_FALSE(FileExists(m_programs + L"\\Brindlecast.lnk"));
    EXPECT_TRUE(FileExists(m_programs));
    for (const CString& line : m_lines) EXPECT_EQ(line.Find(L"RemoveDirectory:"), -1) << zeltest::Narrow(line.GetString());
    EXPECT_EQ(m_lines[3], Line(L"DeleteFile:%d ->%s", 1, m_programs + L"\\Brindlecast.lnk"));
}

TEST_F(UninstallSteps, FailedDeletionsShowAsZeroAndTheStepsGoOn)
{
    // Only the Path value and no links at all: every other step fails and says so.
    ASSERT_TRUE(m_key.SetString(L"Path", L"D:\\ZEL"));
    EXPECT_EQ(Run(IDYES), 1);
    std::vector<CString> expected = {
        L"Path: D:\\ZEL",
        Line(L"DeleteFile:%d ->%s", 0, m_desktop + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 0, m_startup + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 0, m_programs + L"\\Brindlecast.lnk"),
        Line(L"DeleteFile:%d ->%s", 0, m_programs + L"\\Brindlecast UnInstall.lnk"),
        L"DelRegValue:1 ->" + m_key.Path() + L" Path ",
        L"DelRegValue:0 ->" + m_key.Path() + L" CurrentVersion ",
        L"DelRegValue:0 ->" + m_key.Path() + L" SHELL_OBJECT_FOLDER ",
        kFinished,
    };
    EXPECT_EQ(m_lines, expected);
}

TEST_F(UninstallSteps, AMissingProductFolderIsReportedAsNotRemoved)
{
    ASSERT_TRUE(m_key.SetString(L"Path", L"D:\\ZEL"));
    ASSERT_TRUE(m_key.SetString(L"SHELL_OBJECT_FOLDER", L"Gone"));
    EXPECT_EQ(Run(IDYES), 1);
    EXPECT_EQ(m_lines[5], Line(L"RemoveDirectory:%d ->%s", 0, m_programs + L"\\Gone"));
}

}  // namespace
