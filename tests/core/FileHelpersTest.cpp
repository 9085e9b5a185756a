#include <gtest/gtest.h>

#include "core/FileHelpers.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

TEST(FileHelpers, FileExistsTellsFilesFromFolders)
{
    zeltest::TempDir dir;
    std::wstring file = dir.File(L"a.txt");
    zeltest::WriteFileBytes(file, "x");
    struct Case { std::wstring path; BOOL folder; BOOL expected; };
    const Case cases[] = {
        {file, FALSE, TRUE}, {file, TRUE, FALSE}, {dir.Path(), TRUE, TRUE}, {dir.Path(), FALSE, FALSE},
        {dir.File(L"missing"), FALSE, FALSE}, {L"", TRUE, FALSE}, {L"", FALSE, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileExists(c.path.c_str(), c.folder), c.expected) << zeltest::Narrow(c.path) << " " << c.folder;
}

TEST(FileHelpers, CreateDirectoryTreeReportsTheLastLevel)
{
    zeltest::TempDir dir;
    std::wstring nested = dir.File(L"a\\b\\c");
    EXPECT_TRUE(CreateDirectoryTree(nested.c_str()));
    EXPECT_TRUE(FileExists(nested.c_str(), TRUE));
    EXPECT_FALSE(CreateDirectoryTree(nested.c_str()));
    EXPECT_TRUE(EnsureDirectory(nested.c_str()));
    EXPECT_TRUE(EnsureDirectory(dir.File(L"d\\e\\").c_str()));
    EXPECT_TRUE(FileExists(dir.File(L"d\\e").c_str(), TRUE));
}

TEST(FileHelpers, CopyFileCreatingFolderMakesTheDestinationFolder)
{
    zeltest::TempDir dir;
    std::wstring source = dir.File(L"src.bin"), dest = dir.File(L"x\\y\\dst.bin");
    EXPECT_FALSE(CopyFileCreatingFolder(source.c_str(), dest.c_str(), FALSE));
    zeltest::WriteFileBytes(source, "payload");
    EXPECT_TRUE(CopyFileCreatingFolder(source.c_str(), dest.c_str(), FALSE));
    std::string copied;
    zeltest::ReadFileBytes(dest, copied);
    EXPECT_EQ(copied, "payload");
    EXPECT_FALSE(CopyFileCreatingFolder(source.c_str(), dest.c_str(), TRUE));
}

TEST(FileHelpers, PathCutters)
{
    struct Case { const wchar_t* path; const wchar_t* parent; const wchar_t* extension; const wchar_t* name; const wchar_t* extOrEmpty; };
    const Case cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a", L"txt", L"b.txt", L"txt"},
        {L"C:\\a\\b", L"C:\\a", L"C:\\a\\b", L"b", L""},
        {L"name.tar.gz", L"", L"gz", L"name.tar.gz", L"gz"},
        {L"", L"", L"", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(GetParentPath(c.path), c.parent) << zeltest::Narrow(c.path);
        EXPECT_STREQ(GetFileExtension(c.path), c.extension) << zeltest::Narrow(c.path);
        EXPECT_STREQ(GetFileNameFromPath(c.path), c.name) << zeltest::Narrow(c.path);
        EXPECT_STREQ(GetExtensionFromPath(c.path), c.extOrEmpty) << zeltest::Narrow(c.path);
    }
}

TEST(FileHelpers, ReadWholeFile)
{
    zeltest::TempDir dir;
    std::string content("bin\0ary", 7);
    zeltest::WriteFileBytes(dir.File(L"f.bin"), content);
    DWORD length = 12345;
    BYTE* data = ReadWholeFile(dir.File(L"f.bin").c_str(), &length);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string((const char*)data, length), content);
    delete[] data;

    zeltest::WriteFileBytes(dir.File(L"empty.bin"), "");
    data = ReadWholeFile(dir.File(L"empty.bin").c_str(), &length);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(length, 0u);
    delete[] data;

    length = 77;
    EXPECT_EQ(ReadWholeFile(dir.File(L"missing.bin").c_str(), &length), nullptr);
    EXPECT_EQ(length, 77u);
}

TEST(FileHelpers, CompactPathTextFitsTheCount)
{
    CString compact = CompactPathText(L"C:\\a very long folder name\\another folder\\file.txt", 20);
    EXPECT_LE(compact.GetLength(), 19);
    EXPECT_GE(compact.Find(L"..."), 0);
}

}  // namespace
