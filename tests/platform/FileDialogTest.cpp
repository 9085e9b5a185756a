// The file dialog as the programs use it, answered through its test seam.
#include "platform/FileDialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileDialog, FilterBecomesTheSystemsListAndFlagsKeepTheCallers)
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                    L"Image Files (bmp,png)|*.bmp;*.png|All Files (*.*)|*.*||");
    const wchar_t* filter = dlg.m_ofn.lpstrFilter;
    ASSERT_NE(filter, nullptr);
    std::wstring pieces;
    for (const wchar_t* p = filter; *p; p += wcslen(p) + 1) pieces += std::wstring(p) + L"/";
    EXPECT_EQ(pieces, L"Image Files (bmp,png)/*.bmp;*.png/All Files (*.*)/*.*/");
    EXPECT_EQ(dlg.m_ofn.Flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), (DWORD)(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_STREQ(dlg.GetPathName(), L"");
}

TEST(FileDialog, HookAnswersAndTheChosenPathSplitsUp)
{
    CFileDialog::SetTestHook([](CFileDialog& dlg) -> INT_PTR {
        wcscpy(dlg.m_ofn.lpstrFile, L"C:\\docs\\sign.v2.png");
        return IDOK;
    });
    CFileDialog dlg(TRUE);
    const INT_PTR result = dlg.DoModal();
    CFileDialog::SetTestHook(nullptr);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(dlg.GetPathName(), L"C:\\docs\\sign.v2.png");
    EXPECT_STREQ(dlg.GetFileName(), L"sign.v2.png");
    EXPECT_STREQ(dlg.GetFileExt(), L"png");
    EXPECT_STREQ(dlg.GetFileTitle(), L"sign.v2");
    EXPECT_STREQ(dlg.GetFolderPath(), L"C:\\docs");
}

TEST(FileDialog, InitialNameIsOfferedAndCancelGivesCancel)
{
    CFileDialog::SetTestHook([](CFileDialog& dlg) -> INT_PTR {
        EXPECT_STREQ(dlg.m_ofn.lpstrFile, L"report.txt");
        return IDCANCEL;
    });
    CFileDialog dlg(FALSE, L"txt", L"report.txt");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    CFileDialog::SetTestHook(nullptr);
    EXPECT_STREQ(dlg.m_ofn.lpstrDefExt, L"txt");
    EXPECT_STREQ(dlg.GetFileExt(), L"txt");
}

}  // namespace
