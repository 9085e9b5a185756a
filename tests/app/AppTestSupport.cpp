#include "tests/app/AppTestSupport.h"

#include "core/LoginManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/MessageBox.h"
#include "platform/ResourceHandle.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/ImageSave.h"

namespace apptest {

LanguageLibrary::LanguageLibrary(const wchar_t* pszLang)
{
    const std::wstring path = zeltest::BinaryDir() + L"\\bin\\Res_" + pszLang + L".dll";
    m_hModule = ::LoadLibraryW(path.c_str());
    if (m_hModule) {
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hModule);
    }
}

LanguageLibrary::~LanguageLibrary()
{
    if (m_hModule) {
        AfxSetResourceHandle(m_hPrevious);
        ::FreeLibrary(m_hModule);
    }
}

void ClickObject(CWnd* pWnd, const SKIN_OBJECT* pObject)
{
    skintest::Click(pWnd->m_hWnd, pObject->m_rcObject.CenterPoint().x, pObject->m_rcObject.CenterPoint().y);
}

bool SaveScreenshot(HWND hWnd, const std::wstring& name)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    zeltest::PumpFor(150);
    RECT rc;
    if (!::GetWindowRect(hWnd, &rc))
        return false;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0)
        return false;
    // What the display shows (a window's own printing comes out blank under Wine).
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, w, h);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);

    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + name + L".png";
    bool ok = false;
    {
        Gdiplus::Bitmap bitmap(hBmp, nullptr);
        CLSID clsid;
        if (GetEncoderClsid(L"image/png", &clsid) >= 0)
            ok = bitmap.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    }
    ::DeleteObject(hBmp);
    return ok;
}

void ShellDialogTest::SetUp()
{
    EndToEndTest::SetUp();
    m_pLanguage = new LanguageLibrary(L"Kor");
    ASSERT_TRUE(m_pLanguage->IsLoaded());
    ASSERT_TRUE(skintest::LoadShippedSkin(1.0f));
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    ASSERT_TRUE(pTas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
    pTas->SetListener(m_listener.Handle());
    pTas->SetEventWindow(m_events.Handle());
    for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg)
        m_listener.Expect(msg, prototest::RecordingWindow::LPARAM_REPLY);
}

void ShellDialogTest::TearDown()
{
    CTasClientManager::DestroyInstance();
    delete m_pLanguage;
    m_pLanguage = nullptr;
    EndToEndTest::TearDown();
}

void ShellDialogTest::LogIn(const char* pszUser, const char* pszPassword)
{
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    pTas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
    pTas->RequestM00000001(L"", CString(pszUser), CString(pszPassword));
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
    const auto reply = m_listener.RecordsOf(WM_USER + 100)[0];
    ASSERT_EQ(reply.status, 0);
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetGroupCode(L"");
    login->SetLoginId(CString(pszUser));
    login->SetPassword(CString(pszPassword));
    login->SetSawonNo(CString(pszUser));
    login->SetSessionFromReply(reply.json, true);
    m_listener.Clear();
}

std::vector<Json::Value> ShellDialogTest::TasBodies(const char* msg)
{
    std::vector<Json::Value> out;
    const Json::Value frames = Frames("tas", nullptr, msg);
    for (const Json::Value& f : frames)
        out.push_back(f["body"]);
    return out;
}

BoxRecorder::BoxRecorder()
{
    zel::SetMessageBoxHook([this](LPCTSTR text, LPCTSTR, UINT) {
        boxes.push_back({text, ::InSendMessage() != FALSE});
        return IDOK;
    });
}

BoxRecorder::~BoxRecorder() { zel::SetMessageBoxHook(nullptr); }

}  // namespace apptest
