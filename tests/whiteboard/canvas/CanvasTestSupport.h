#pragma once
// Helpers of the canvas tests: GDI+ for the whole run, page images made in memory, a stand-in for
// the board around the canvas that records what the canvas asked of it, a host window, and
// synthetic mouse input.
#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Wnd.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/canvas/BoardShareThread.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"
#include "whiteboard/canvas/IBoardDrawCtrlEventListener.h"

namespace canvastest {

// PNG bytes of a w x h picture: light grey with a darker grid every 100 pixels.
std::string MakePagePng(int w, int h);
// A page whose image is such a picture.
std::shared_ptr<CMMPage> MakePage(int number, int w, int h);

struct PointerReport {
    int x, y;
};

class FakeBoard : public IBoardCanvasHost, public IBoardDrawCtrlEventListener {
public:
    CString GetMeetingId() override { return L"MT1"; }
    CString GetCurrentDocumentId() override { return L"DOC1"; }
    BOOL IsPresenting() override { return presenting; }
    BOOL IsPageSync() override { return synced; }
    int GetPresenterIdnfr() override { return 77; }
    void SetZoomCombo(float zoom) override { comboZoom = zoom; }
    void ClearPagesLayer(int boardView) override { ++clearedAll; }
    BOOL HasDrawingOnPages(int boardView) override { return FALSE; }
    void MoveNextPage() override {}
    void MovePrevPage() override {}
    void ShowConfirmPopup(UINT stringId) override { popups.push_back(stringId); }
    void UpdateHistoryButtons(BOOL u, BOOL r) override { canUndo = u; canRedo = r; }
    void EnableClearButtons(BOOL page, BOOL any) override { clearPage = page; clearAny = any; }
    void SendDrawing(const S_BOARD_CONTENT& content) override;
    void OnZoomChanged(float zoom, int x, int y) override { ++zoomReports; }
    void OnPointer(int x, int y, int color, int size, int shape) override { pointers.push_back({x, y}); }

    std::vector<S_BOARD_CONTENT> Sent();
    size_t SentCount();

    BOOL presenting = FALSE;
    BOOL synced = FALSE;
    float comboZoom = -99.0f;
    int clearedAll = 0;
    std::vector<UINT> popups;
    BOOL canUndo = FALSE, canRedo = FALSE, clearPage = FALSE, clearAny = FALSE;
    int zoomReports = 0;
    std::vector<PointerReport> pointers;

private:
    std::mutex m_lock;
    std::vector<S_BOARD_CONTENT> m_sent;
};

class FakeMemoLayer : public IMemoLayerView {
public:
    BOOL IsShown() override { return shown; }
    void Hide() override { shown = FALSE; }
    void OpenEditor(const RECT&, const CString& t, int, int, BOOL isNew) override { shown = TRUE; ++editors; text = t; lastNew = isNew; }
    void OpenView(const RECT&, const CString& t, int, int) override { shown = TRUE; ++views; text = t; }
    BOOL shown = FALSE;
    int editors = 0, views = 0;
    BOOL lastNew = FALSE;
    CString text;
};

// A visible top-level window to hold the canvas.
class HostWindow : public CWnd {
public:
    BOOL Open(int w, int h);
};

void Down(HWND hwnd, int x, int y);
void Move(HWND hwnd, int x, int y);
void Up(HWND hwnd, int x, int y);
// Down at the first point, moves through the others, up at the last.
void Drag(HWND hwnd, const std::vector<POINT>& path);

// The colour of a window's client pixel as it is on the screen after it has painted.
COLORREF ScreenPixel(HWND hwnd, int x, int y);
// Saves the window's client area as on the screen to build/screenshots/<name>.png.
bool SaveScreenshot(HWND hwnd, const std::wstring& name);

}  // namespace canvastest
