// The language resource libraries as the programs use them: loaded by file name, made the
// resource handle, and read back through the class library.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "tests/support/TestSupport.h"

namespace {

// Loads one library and makes it the resource handle for the test's life.
class ResourceLibrary {
public:
    explicit ResourceLibrary(const wchar_t* fileName)
        : m_previous(AfxGetResourceHandle())
    {
        std::wstring path = zeltest::BinaryDir() + L"\\bin\\" + fileName;
        m_module = ::LoadLibraryW(path.c_str());
        if (m_module) AfxSetResourceHandle(m_module);
    }
    ~ResourceLibrary()
    {
        AfxSetResourceHandle(m_previous);
        if (m_module) ::FreeLibrary(m_module);
    }
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;
    HMODULE Module() const { return m_module; }
private:
    HINSTANCE m_previous;
    HMODULE m_module;
};

struct LanguageCase {
    const wchar_t* file;
    const wchar_t* title;      // IDS_POPUP_TITLE
    const wchar_t* okButton;   // IDOK of IDD_OK_CANCEL
    const wchar_t* cancelButton;
    const wchar_t* exitItem;   // ID_CMD_EXIT of IDR_TRAY_MENU
};

const LanguageCase kLanguages[] = {
    { L"Res_Kor.dll", L"\uc54c\ub9bc", L"\ud655\uc778", L"\ucde8\uc18c", L"\uc885\ub8cc" },
    { L"Res_Eng.dll", L"Notice", L"OK", L"Cancel", L"Exit" },
    { L"Res_Jpn.dll", L"\u304a\u77e5\u3089\u305b", L"OK", L"\u30ad\u30e3\u30f3\u30bb\u30eb", L"\u7d42\u4e86" },
};

class ResourceLanguages : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ResourceLanguages, StringsLoadWithTheirOwnScript)
{
    ResourceLibrary library(GetParam().file);
    ASSERT_NE(library.Module(), nullptr);
    CString title;
    ASSERT_TRUE(title.LoadString(IDS_POPUP_TITLE));
    // Exact UTF-16 text: a wrong code page in the .rc file would garble it.
    EXPECT_STREQ(title, GetParam().title);
    for (UINT id : { IDS_COMMON_CAPTION, IDS_TRAY_TIP, IDS_COMBO_PLACEHOLDER }) {
        CString text;
        EXPECT_TRUE(text.LoadString(id)) << id;
        EXPECT_FALSE(text.IsEmpty()) << id;
    }
    CString missing;
    EXPECT_FALSE(missing.LoadString(9999));
}

TEST_P(ResourceLanguages, MessageBoxTakesItsTextFromTheLibrary)
{
    ResourceLibrary library(GetParam().file);
    CString shown;
    zel::SetMessageBoxHook([&](LPCTSTR text, LPCTSTR, UINT) {
        shown = text;
        return IDOK;
    });
    EXPECT_EQ(AfxMessageBox(IDS_POPUP_TITLE), IDOK);
    zel::SetMessageBoxHook(nullptr);
    EXPECT_STREQ(shown, GetParam().title);
}

// Runs the library's OK/Cancel template and reads its controls while it is up.
class COkCancelTestDlg : public CDialog {
public:
    COkCancelTestDlg() : CDialog(IDD_OK_CANCEL) {}
    CString m_ok, m_cancel;
    bool m_hasMessage = false;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetDlgItemText(IDOK, m_ok);
        GetDlgItemText(IDCANCEL, m_cancel);
        m_hasMessage = GetDlgItem(IDC_OK_CANCEL_MESSAGE) != nullptr;
        ::PostMessageW(::GetDlgItem(m_hWnd, IDOK), WM_KEYDOWN, VK_RETURN, 1);
        return TRUE;
    }
};

TEST_P(ResourceLanguages, DialogTemplateRunsFromTheLibrary)
{
    ResourceLibrary library(GetParam().file);
    COkCancelTestDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.m_ok, GetParam().okButton);
    EXPECT_STREQ(dlg.m_cancel, GetParam().cancelButton);
    EXPECT_TRUE(dlg.m_hasMessage);
}

TEST_P(ResourceLanguages, PicturesLoadAtTheirSizes)
{
    ResourceLibrary library(GetParam().file);
    for (UINT id : { IDB_COMBO_DROP, IDB_COMBO_DROP_HOVER }) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id)) << id;
        BITMAP info = {};
        bitmap.GetBitmap(&info);
        EXPECT_EQ(info.bmWidth, 20);
        EXPECT_EQ(info.bmHeight, 20);
    }
    CWinApp appObject;   // icons and cursors load through the application object
    CWinApp* app = &appObject;
    HICON icon = app->LoadIcon(IDI_APP);
    ASSERT_NE(icon, nullptr);
    ICONINFO iconInfo = {};
    ASSERT_TRUE(::GetIconInfo(icon, &iconInfo));
    BITMAP mask = {};
    ::GetObjectW(iconInfo.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    ::DeleteObject(iconInfo.hbmMask);
    ::DeleteObject(iconInfo.hbmColor);
    HCURSOR cursor = app->LoadCursor(IDC_POINTER_FINGER);
    ASSERT_NE(cursor, nullptr);
    ICONINFO cursorInfo = {};
    ASSERT_TRUE(::GetIconInfo(cursor, &cursorInfo));
    EXPECT_FALSE(cursorInfo.fIcon);
    EXPECT_EQ(cursorInfo.xHotspot, 16u);
    EXPECT_EQ(cursorInfo.yHotspot, 16u);
    ::DeleteObject(cursorInfo.hbmMask);
    ::DeleteObject(cursorInfo.hbmColor);
}

TEST_P(ResourceLanguages, BitmapButtonShowsItsLibraryPicture)
{
    ResourceLibrary library(GetParam().file);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"buttons", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, nullptr, nullptr));
    CBitmapButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(5, 5, 70, 70), &parent, 36000));
    ASSERT_TRUE(button.LoadBitmaps(IDB_COMBO_DROP, IDB_COMBO_DROP_HOVER));
    button.SizeToContent();
    CRect rect;
    button.GetClientRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(20, 20));
    button.Invalidate();
    button.UpdateWindow();
    // The normal picture: a white face with a dark left edge.
    const COLORREF white = RGB(255, 255, 255), dark = RGB(60, 60, 60);
    COLORREF face = CLR_INVALID, edge = CLR_INVALID;
    zeltest::PumpUntil([&] {
        CClientDC dc(&button);
        face = dc.GetPixel(15, 3);
        edge = dc.GetPixel(0, 3);
        return face == white && edge == dark;
    }, 2000);
    EXPECT_EQ(face, white);
    EXPECT_EQ(edge, dark);
}

TEST_P(ResourceLanguages, TrayMenuLoadsAndLosesItsHiddenCommands)
{
    ResourceLibrary library(GetParam().file);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TRAY_MENU));
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.m_hMenu), &menu);
    CMenu* tray = menu.GetSubMenu(0);
    ASSERT_NE(tray, nullptr);
    ASSERT_EQ(tray->GetMenuItemCount(), 8u);
    // The first item is what a double click on the tray icon does.
    EXPECT_EQ(tray->GetMenuItemID(0), (UINT)ID_CMD_RESTORE_WINDOW);
    CString exitText;
    tray->GetMenuString(7, exitText, MF_BYPOSITION);
    EXPECT_STREQ(exitText, GetParam().exitItem);
    for (UINT command : { ID_CMD_SETTINGS, ID_CMD_TIME_KEEPER, ID_CMD_SIGNATURE, ID_CMD_MANUAL })
        EXPECT_TRUE(tray->DeleteMenu(command, MF_BYCOMMAND)) << command;
    EXPECT_EQ(tray->GetMenuItemCount(), 4u);
    EXPECT_EQ(tray->GetMenuItemID(tray->GetMenuItemCount() - 1), (UINT)ID_CMD_EXIT);
    HMENU handle = menu.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Libraries, ResourceLanguages, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) {
                             // "Res_Kor.dll" -> "Kor"
                             return zeltest::Narrow(std::wstring(info.param.file).substr(4, 3));
                         });

}  // namespace
