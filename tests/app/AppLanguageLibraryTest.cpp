// The language library the application object loads for each user language, from the build's
// program folder: the right file, made the source of resources, and given back at the end.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/ZELApp.h"
#include "platform/ResourceHandle.h"
#include "tests/support/TestSupport.h"

namespace {

const UINT IDS_TRAY_TIP = 120;

std::wstring ModuleName(HMODULE h)
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(h, path, MAX_PATH);
    const wchar_t* slash = wcsrchr(path, L'\\');
    return slash ? slash + 1 : path;
}

TEST(AppLanguageLibrary, EachLanguageLoadsItsLibraryAndItsTexts)
{
    ASSERT_TRUE(::SetDllDirectoryW((zeltest::BinaryDir() + L"\\bin").c_str()));
    const struct {
        LANGID id;
        const wchar_t* file;
        const wchar_t* trayTip;
    } cases[] = {{1042, L"Res_Kor.dll", L"브린들캐스트"},
                 {1041, L"Res_Jpn.dll", L"ブリンドルキャスト"},
                 {1033, L"Res_Eng.dll", nullptr},
                 {2057, L"Res_Eng.dll", nullptr}};
    wchar_t english[64] = {};
    for (const auto& c : cases) {
        CZELApp app;
        app.SetLanguageIdForTest(c.id);
        ASSERT_TRUE(app.LoadResourceLibrary()) << c.id;
        EXPECT_EQ(ModuleName(app.m_hResourceDll), c.file) << c.id;
        EXPECT_EQ(AfxGetResourceHandle(), (HINSTANCE)app.m_hResourceDll);
        wchar_t text[64] = {};
        ASSERT_GT(::LoadStringW(AfxGetResourceHandle(), IDS_TRAY_TIP, text, 64), 0) << c.id;
        if (c.trayTip)
            EXPECT_STREQ(text, c.trayTip) << c.id;
        else if (!english[0])
            wcscpy(english, text);
        else
            EXPECT_STREQ(text, english) << "every other language is English";
        const HINSTANCE loaded = app.m_hResourceDll;
        app.FreeResourceLibrary();
        EXPECT_EQ(app.m_hResourceDll, nullptr);
        EXPECT_NE(AfxGetResourceHandle(), loaded) << "no resource handle on a freed library";
    }
    ::SetDllDirectoryW(nullptr);
}

TEST(AppLanguageLibrary, MissingLibraryIsReportedNotLoaded)
{
    zeltest::TempDir empty;
    ASSERT_TRUE(::SetDllDirectoryW(empty.Path().c_str()));
    CZELApp app;
    app.SetLanguageIdForTest(1042);
    const HINSTANCE before = AfxGetResourceHandle();
    EXPECT_FALSE(app.LoadResourceLibrary());
    EXPECT_EQ(app.m_hResourceDll, nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), before) << "the resources stay where they were";
    ::SetDllDirectoryW(nullptr);
}

}  // namespace
