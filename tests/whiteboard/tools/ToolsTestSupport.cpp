#include "tests/whiteboard/tools/ToolsTestSupport.h"

#include <gtest/gtest.h>

#include "platform/ResourceHandle.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/SkinManager.h"
#include "whiteboard/tools/ToolMakers.h"

namespace toolstest {

namespace {
// The Korean language library and the shipped skin for the whole run: the bars' pictures and
// strings, the pop-ups' templates and the sticky note's skin screen come from them.
class ShippedResources : public ::testing::Environment {
public:
    void SetUp() override
    {
        const std::wstring bin = zeltest::BinaryDir() + L"\\bin\\";
        m_module = ::LoadLibraryW((bin + L"Res_Kor.dll").c_str());
        if (m_module)
            AfxSetResourceHandle(m_module);
        skintest::EnsureGdiplus();
        skintest::ResetSkin();
        g_SkinManager.SetProgramFolder(bin.c_str());
        g_SkinManager.LoadSkin(L"ZEL.kor.skin", 1.0f, L"");
    }

private:
    HMODULE m_module = nullptr;
};
::testing::Environment* const g_resources = ::testing::AddGlobalTestEnvironment(new ShippedResources);
}  // namespace

BoardWithBars::BoardWithBars(int w, int h)
{
    SetMainDlg(&main);
    SetBoardBarMakers(WhiteboardToolMakers());
    host.Open(w, h);
    board.reset(new CBoardLayer(&meeting, &server));
    board->SetTickSource([this] { return now; });
    board->Create(&host, RECT{0, 0, w, h});
    board->SetDocumentList({L"D0", L"D1", L"D2"});
}

BoardWithBars::~BoardWithBars()
{
    board.reset();
    host.DestroyWindow();
    SetBoardBarMakers(S_BOARD_BAR_MAKERS());
    SetMainDlg(nullptr);
}

void BoardWithBars::Open(int total, int start, int w, int h)
{
    board->OpenDocument(L"MT1", L"D1", L"2026년 3분기 사업 계획 (안).pdf", L"url", start);
    board->CreatePages(total);
    for (int n = 1; n <= total; ++n) {
        const std::string png = canvastest::MakePagePng(w, h);
        board->GetPageManager().GetPage(n)->SetImage(reinterpret_cast<const BYTE*>(png.data()), png.size());
    }
    board->MovePage(start);
    Settle();
}

void ClickCentre(CWnd* pWnd)
{
    RECT rc;
    pWnd->GetClientRect(&rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    pWnd->SendMessage(WM_LBUTTONUP, 0, at);
}

bool SaveScreenArea(const RECT& rc, const std::wstring& name)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    ::BitBlt(mem, 0, 0, cx, cy, screen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    // The PNG encoder of GDI+.
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    bool saved;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        saved = picture.Save((folder + L"\\" + name + L".png").c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    ::DeleteObject(bitmap);
    return saved;
}

void Settle(DWORD ms)
{
    zeltest::PumpFor(ms);
}

}  // namespace toolstest
