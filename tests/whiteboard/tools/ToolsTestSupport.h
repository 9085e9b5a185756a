#pragma once
// What the whiteboard tools' tests share: a stand-in main dialog that answers its pop-ups and
// records its toasts, the program's bar makers, and a board over a host window with pages.
#include <winsock2.h>
#include <windows.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "tests/host/MainDlgStandIn.h"
#include "ui/host/MainDlg.h"
#include "tests/whiteboard/board/BoardStandIns.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "whiteboard/board/BoardLayer.h"

namespace toolstest {

class StandInMainDlg : public CZELMainDlgStandIn {
public:
    CWnd* GetWnd() override { return wnd; }
    int GetShowCmd() override { return showCmd; }
    void SetScreenMode(int, const CString&) override {}
    int GetScreenMode() override { return ZEL_MODE_MEETING; }
    int ShowMessagePopup(const CString& caption, const CString& text, int, CWnd*, BOOL) override
    {
        questions.push_back(text);
        return answer;
    }
    int ShowConfirmPopup(const CString& text) override
    {
        questions.push_back(text);
        return IDOK;
    }
    void ShowToast(const CString& text) override { toasts.push_back(text); }
    CString GetSignDataPath() override { return signPath; }
    CWnd* GetDrawToolWnd() override { return drawTool; }
    void SetRemainTime(const CString& minutes) override { calls.push_back(L"SetRemainTime(" + minutes + L")"); }
    void ClearRemainTime() override { calls.push_back(L"ClearRemainTime"); }
    void CheckRemainTime() override { calls.push_back(L"CheckRemainTime"); }
    void RefreshDocumentList(const CString& kind, int) override { calls.push_back(L"RefreshDocumentList(" + kind + L")"); }

    int answer = IDOK;
    std::vector<CString> calls;
    std::vector<CString> questions;
    std::vector<CString> toasts;
    CString signPath;
    // The floating drawing palette, as the main dialog holds it (none by default).
    CWnd* drawTool = nullptr;
    // The main dialog's window (none by default) and its show state.
    CWnd* wnd = nullptr;
    int showCmd = SW_SHOWNORMAL;
};

// The meeting screen's or the main dialog's window: records what the board and its bars send it.
class RecordingHost : public canvastest::HostWindow {
public:
    // (message, wParam, lParam) of every WM_USER+2000.. message received, and of the start of a
    // resize (WM_NCLBUTTONDOWN, taken without running the sizing loop).
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message >= WM_USER + 2000 && message < WM_USER + 2100) || message == WM_NCLBUTTONDOWN) {
            received.emplace_back(message, wParam, lParam);
            return 0;
        }
        return canvastest::HostWindow::WindowProc(message, wParam, lParam);
    }
};

// A board with every bar over a visible host window; SetMainDlg is pointed at 'main'.
class BoardWithBars {
public:
    explicit BoardWithBars(int w = 1000, int h = 720);
    ~BoardWithBars();
    // Opens a document of 'total' pages (each with a w x h image) at page 'start'.
    void Open(int total, int start = 1, int w = 1200, int h = 900);
    CBoardLayer* Board() { return board.get(); }
    CBoardDrawCtrl* Canvas() { return board->GetCanvas(); }

    RecordingHost host;
    boardtest::StandInMeeting meeting;
    boardtest::RecordingServer server;
    StandInMainDlg main;
    std::unique_ptr<CBoardLayer> board;
    DWORD now = 10000;
};

// A click (press and release) at a child window's centre, as the user makes it.
void ClickCentre(CWnd* pWnd);
// Saves what the screen shows in the rectangle (screen coordinates) to build/screenshots/<name>.png:
// several top-level windows (a palette and its pop-up) in one picture.
bool SaveScreenArea(const RECT& rc, const std::wstring& name);
// Pumps the thread's messages for a moment, so that windows paint.
void Settle(DWORD ms = 150);

}  // namespace toolstest
