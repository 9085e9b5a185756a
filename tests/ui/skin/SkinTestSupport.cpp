#include "tests/ui/skin/SkinTestSupport.h"

#include "ui/skin/GdiPlus.h"

namespace skintest {

namespace {

ULONG_PTR g_gdiplusToken = 0;

std::wstring& FolderStorage()
{
    static std::wstring folder;
    return folder;
}

} // namespace

void EnsureGdiplus()
{
    if (g_gdiplusToken)
        return;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&g_gdiplusToken, &input, nullptr);
}

const std::wstring& FixtureFolder()
{
    std::wstring& folder = FolderStorage();
    if (folder.empty()) {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"zel_skin_fixture_" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    return folder;
}

bool WritePicture(const std::wstring& path, int w, int h, const std::function<DWORD(int x, int y)>& colour)
{
    EnsureGdiplus();
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(colour(x, y)));
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0)
            return bitmap.Save(path.c_str(), &codecs[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}

void ResetSkin()
{
    g_SkinManager.ReleaseImages();
    g_SkinManager.m_screens.RemoveAll();
    delete g_SkinManager.m_pCommon;
    g_SkinManager.m_pCommon = nullptr;
}

BOOL LoadFixtureDocument(const std::string& utf8Document, float fRatio)
{
    EnsureGdiplus();
    ResetSkin();
    const std::wstring path = FixtureFolder() + L"\\fixture.skin";
    zeltest::WriteFileBytes(path, utf8Document);
    g_SkinManager.m_fRatio = fRatio;
    g_SkinManager.m_strFace = L"";
    g_SkinManager.SetProgramFolder((FixtureFolder() + L"\\").c_str());
    return g_SkinManager.LoadSkinFile(path.c_str());
}

BOOL LoadFixtureSkin(const std::wstring& body, float fRatio)
{
    return LoadFixtureDocument("<?xml version=\"1.0\" encoding=\"UTF-8\"?><TSKIN><SCREENLIST>" + zeltest::Narrow(body) +
                                   "</SCREENLIST></TSKIN>",
                               fRatio);
}

BOOL LoadShippedSkin(float fRatio)
{
    EnsureGdiplus();
    ResetSkin();
    const std::wstring bin = zeltest::BinaryDir() + L"\\bin\\";
    g_SkinManager.SetProgramFolder(bin.c_str());
    return g_SkinManager.LoadSkin(L"ZEL.kor.skin", fRatio, L"맑은고딕");
}

MessageBoxRecorder::MessageBoxRecorder()
{
    zel::SetMessageBoxHook([this](LPCTSTR text, LPCTSTR, UINT) {
        texts.push_back(text);
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    zel::SetMessageBoxHook(nullptr);
}

CTestSkinDialog::CTestSkinDialog(const wchar_t* pszScreen, BOOL bResizable, CWnd* pParent)
    : CMyBaseDialog(0, pParent), m_strScreen(pszScreen)
{
    m_bResizable = bResizable;
    // A plain pop-up dialog template without controls: DLGTEMPLATE and three empty words.
    m_template.assign(12, 0);
    DLGTEMPLATE* t = reinterpret_cast<DLGTEMPLATE*>(m_template.data());
    t->style = WS_POPUP;
    t->cx = 100;
    t->cy = 100;
}

BOOL CTestSkinDialog::Open(int x, int y, int cx, int cy)
{
    if (!CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), m_pParentWnd))
        return FALSE;
    if (cx == 0 || cy == 0) {
        cx = m_Screen.m_rcScreen.Width();
        cy = m_Screen.m_rcScreen.Height();
    }
    CRect window(0, 0, cx, cy);
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    if (m_bResizable)
        window = CRect(0, 0, cx + 2, cy + 2);
    SetWindowPos(nullptr, x, y, window.Width(), window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);
    UpdateWindow();
    zeltest::PumpFor(30);
    return TRUE;
}

BOOL CTestSkinDialog::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(m_strScreen);
    return FALSE;
}

int CTestSkinDialog::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    events.push_back({nEvent, pObject});
    if (destroyOnEvent && nEvent == WM_LBUTTONUP) {
        DestroyWindow();
        return 0;
    }
    return answer;
}

int CTestSkinDialog::CountEvents(UINT code) const
{
    int n = 0;
    for (const Event& e : events)
        n += e.code == code ? 1 : 0;
    return n;
}

CDragRecorder::CDragRecorder()
{
    CreateEx(0, AfxRegisterWndClass(0), L"drag", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
}

LRESULT CDragRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONDOWN) {
        ++drags;
        lastHit = LRESULT(wParam);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void SendMouse(HWND hwnd, UINT message, int x, int y, WPARAM keys)
{
    ::SendMessageW(hwnd, message, keys, MAKELPARAM(x, y));
}

void PostMouse(HWND hwnd, UINT message, int x, int y, WPARAM keys)
{
    ::PostMessageW(hwnd, message, keys, MAKELPARAM(x, y));
}

void Click(HWND hwnd, int x, int y)
{
    SendMouse(hwnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    if (::IsWindow(hwnd))
        SendMouse(hwnd, WM_LBUTTONUP, x, y, 0);
}

Snapshot::Snapshot(CWnd* pWnd)
{
    CRect client;
    pWnd->GetClientRect(&client);
    HDC screen = ::GetDC(pWnd->GetSafeHwnd());
    m_dc = ::CreateCompatibleDC(screen);
    m_bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    m_old = ::SelectObject(m_dc, m_bitmap);
    ::ReleaseDC(pWnd->GetSafeHwnd(), screen);
    ::SendMessageW(pWnd->GetSafeHwnd(), WM_ERASEBKGND, WPARAM(m_dc), 0);
}

Snapshot::~Snapshot()
{
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

int Snapshot::Count(const RECT& rc, COLORREF clr) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += At(x, y) == clr ? 1 : 0;
    return n;
}

COLORREF PaintedPixel(CWnd* pWnd, int x, int y)
{
    return Snapshot(pWnd).At(x, y);
}

} // namespace skintest
