// The parts of Vistrel that need no window: the user-data folder, the font test's layout and the
// view component against the fake browser layer.
#include "tools/browser/FontTestLayout.h"
#include "tools/browser/SettingManager.h"
#include "tools/browser/ViewComponent.h"

#include "tests/tools/browser/FakeBrowserLayer.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool IsFolder(const CString& path)
{
    DWORD a = GetFileAttributesW(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SettingManager, MakesTheUserDataFolderLevelByLevel)
{
    zeltest::TempDir dir;
    zeltest::MessageBoxRecorder prompts;
    CString base = CString(dir.Path().c_str()) + L"\\Local AppData";   // missing as well
    g_strUserDataFolder.Empty();
    EXPECT_TRUE(CSettingManager::InitAppDataUnder(base, L"TALVORA", L"PelloranWebView2"));
    EXPECT_EQ(g_strUserDataFolder, base + L"\\TALVORA\\PelloranWebView2\\");
    EXPECT_TRUE(IsFolder(base + L"\\TALVORA\\PelloranWebView2"));
    // A second time the folder is simply there.
    EXPECT_TRUE(CSettingManager::InitAppDataUnder(base, L"TALVORA", L"PelloranWebView2"));
    EXPECT_TRUE(prompts.Texts().empty());
}

TEST(SettingManager, SaysWhatFailedAndKeepsNoFolder)
{
    zeltest::TempDir dir;
    CString blocker = CString(dir.Path().c_str()) + L"\\file";
    ASSERT_TRUE(zeltest::WriteFileBytes(blocker.GetString(), "x"));
    struct SCase {
        CString base;
        std::wstring message;
    } cases[] = {
        {L"", L"InitAppData fail"},
        // A file where a folder level should be: the folder cannot be made.
        {blocker, L"CSettingManager::InitAppData CreateDirectories : " + std::wstring(blocker.GetString()) +
                      L"\\TALVORA\\PelloranWebView2"},
    };
    for (const SCase& c : cases) {
        zeltest::MessageBoxRecorder prompts;
        g_strUserDataFolder.Empty();
        EXPECT_FALSE(CSettingManager::InitAppDataUnder(c.base, L"TALVORA", L"PelloranWebView2"));
        EXPECT_EQ(prompts.Texts(), std::vector<std::wstring>{c.message});
        EXPECT_TRUE(g_strUserDataFolder.IsEmpty());
    }
}

TEST(SettingManager, UsesTheLocalApplicationDataFolder)
{
    zeltest::MessageBoxRecorder prompts;
    ASSERT_TRUE(CSettingManager::InitAppData(L"TALVORA", L"PelloranWebView2"));
    EXPECT_STREQ(g_strUserDataFolder.Right(26).GetString(), L"\\TALVORA\\PelloranWebView2\\");
    EXPECT_TRUE(IsFolder(g_strUserDataFolder));
}

TEST(FontTestLayout, CombiningMarksShareTheCellOfTheCharacterBefore)
{
    // Marks (here: the code points U+0E31..U+0E4E above and below) measure nothing.
    auto measure = [](const CString& s) {
        wchar_t c = s[0];
        return (c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E)) ? 0 : 8;
    };
    std::vector<SFontTestCell> cells = LayoutFontTest(GetFontTestSample(), measure);
    std::vector<CString> texts;
    for (size_t i = 0; i < cells.size(); ++i) {
        texts.push_back(cells[i].strText);
        EXPECT_EQ(cells[i].x, (int)i * FONT_TEST_CELL_WIDTH);
        EXPECT_EQ(cells[i].y, 0);
    }
    std::vector<CString> expected = {L"\x0E2A", L"\x0E27\x0E31", L"\x0E2A", L"\x0E14\x0E35", L"\x0E04",
                                     L"\x0E23\x0E31", L"\x0E1A", L" ", L"\x0E17\x0E35\x0E48", L"\x0E19\x0E35\x0E48"};
    EXPECT_EQ(texts.size(), expected.size());
    EXPECT_TRUE(texts == expected);
    EXPECT_TRUE(LayoutFontTest(L"", measure).empty());
}

TEST(ViewComponent, RegistersForZoomSizesTheBrowserAndUnregisters)
{
    FakeBrowserLog log = std::make_shared<std::vector<std::wstring>>();
    CFakeBrowserEngine engine(SFakeBrowserScript{}, log);
    std::shared_ptr<IBrowserController> controller;
    engine.CreateEnvironment(nullptr, L"d", [&](HRESULT, std::shared_ptr<IBrowserEnvironment> e) {
        e->CreateController(GetDesktopWindow(), [&](HRESULT, std::shared_ptr<IBrowserController> c) { controller = c; });
    });
    ASSERT_TRUE(controller);
    log->clear();
    {
        ViewComponent component(nullptr, controller, nullptr);
        CFakeBrowserEngine::FireZoom();
        component.SetBounds(RECT{3, 4, 803, 604});
        EXPECT_EQ(component.GetBounds().right, 803);
        LRESULT result = 1;
        // Minimise hides, restore shows again; moves are reported and count as handled.
        EXPECT_FALSE(component.HandleWindowMessage(nullptr, WM_SYSCOMMAND, SC_MINIMIZE, 0, &result));
        EXPECT_FALSE(component.HandleWindowMessage(nullptr, WM_SYSCOMMAND, SC_RESTORE, 0, &result));
        EXPECT_TRUE(component.HandleWindowMessage(nullptr, WM_MOVE, 0, 0, &result));
        EXPECT_EQ(result, 0);
        EXPECT_FALSE(component.HandleWindowMessage(nullptr, WM_MOUSEMOVE, 0, 0, &result));
        EXPECT_FALSE(component.HandleWindowMessage(nullptr, WM_KEYDOWN, 0, 0, &result));
    }
    std::vector<std::wstring> expected = {L"AddZoom 1", L"SetBounds 0,0,0,0", L"GetZoom", L"SetBounds 3,4,803,604",
                                          L"SetVisible 0", L"SetVisible 1", L"ParentMoved", L"RemoveZoom 1"};
    EXPECT_EQ(*log, expected);
}

}  // namespace
