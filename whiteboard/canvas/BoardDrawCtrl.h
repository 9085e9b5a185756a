#pragma once
// CBoardDrawCtrl: the whiteboard canvas in the middle of the board layer. It shows one page of the
// open document over its image with its figure layers and memos, zooms, fits and pans it, turns
// mouse and pen input into strokes, shapes, erasures, memos and pointer reports, keeps the undo
// history of the user's own layer and, while the board is shared, runs the sharing thread that
// applies the presenter's strokes and view changes and sends the user's drawing events.
//
// Threads: everything here runs on the user-interface thread except the sharing thread's work
// (ApplyIncomingStrokes, SendDrawing); view changes and repaints it causes are posted back to the
// window. The shown page is held by a shared pointer under m_csPage so the sharing thread never
// sees a page that is being let go.
#include <windows.h>
#include <gdiplus.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "platform/CriticalSection.h"
#include "platform/Wnd.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/MMMemo.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/canvas/BoardShareThread.h"
#include "whiteboard/canvas/CanvasBars.h"
#include "whiteboard/canvas/CanvasHistory.h"
#include "whiteboard/canvas/CanvasTouch.h"
#include "whiteboard/canvas/CanvasView.h"
#include "whiteboard/canvas/IBoardDrawCtrlEventListener.h"
#include "whiteboard/canvas/IDrawToolCtrlEventListener.h"

class IBoardCanvasHost;
class IMemoLayerView;
class IPenPalette;
class ZELLoadingBG;
class CZELTouchFunc;

// One pointer report of the presenter from the synchronisation server.
struct S_REMOTE_POINTER {
    CString mtngId;
    CString attcFileId;
    int page = 0;
    int userIdnfr = 0;
    int pointerX = -1;
    int pointerY = -1;
    int pointerColor = 0;
    int pointerSize = 2;
    int pointerShape = 0;
};

class CBoardDrawCtrl : public CWnd, public IDrawToolCtrlEventListener, private IBoardShareWork {
public:
    // Tool modes.
    enum { kPan = 0, kFreeLine = 1, kMemo = 3, kPointer = 4, kLine = 6, kCheck = 7, kRect = 8, kRoundRect = 9,
           kEllipse = 10, kEraser = 11 };
    // Board views: own layer and memos, live shared layer, image only, third layer and second memos.
    enum { kViewOwn = 0, kViewShared = 1, kViewImage = 2, kViewThird = 3 };
    // Colour 0 of the drawing tool bar's colour table: the pen's colour until the user picks one.
    static constexpr COLORREF kDefaultLineColor = RGB(233, 0, 0);
    static const UINT kControlId = 32600;
    static const int kMaxMemos = 20;

    CBoardDrawCtrl(IBoardDrawCtrlEventListener* pListener, IBoardCanvasHost* pHost);
    ~CBoardDrawCtrl() override;

    BOOL Create(CWnd* pParent, const RECT& rc);
    void SetMemoLayer(IMemoLayerView* pMemoLayer) { m_pMemoLayer = pMemoLayer; }
    // The drawing tool bar in the corner and the presenter's bars of the full view (the board
    // makes them; null: none).
    void SetToolBar(ICanvasToolBar* pToolBar) { m_pToolBar = pToolBar; }
    void SetPresenterBars(IPresenterBars* pBars);
    // The mini-map shown while the page is panned; it hides half a second after the pan ended.
    void SetNavigator(ICanvasNavigator* pNavigator) { m_pNavigator = pNavigator; }
    static const UINT_PTR kTimerNavHide = 3000;
    IPresenterBars* GetPresenterBars() const { return m_pBars; }

    // View (page, zoom, placement).
    void Reset();
    void SetPage(const std::shared_ptr<CMMPage>& page);
    std::shared_ptr<CMMPage> GetPage();
    int GetPageNumber();
    void SetBoardView(int view) { m_nBoardView = view; }
    // The board view the user chose (the bare page, a report receiver's drawing ...), shown now.
    void SetPresentationMode(int view)
    {
        m_nBoardView = view;
        Redraw();
    }
    int GetBoardView() const { return m_nBoardView; }
    void RepaintIfMode(int view);
    void SetZoom(float zoom);
    float GetZoom() const { return m_view.GetZoom(); }
    POINT GetOrigin() const { return m_view.Origin(); }
    void ApplyRemoteZoom(float zoom, int x, int y);
    void AlignPageAfterMove();
    void SetShareMode(int share);
    const CCanvasView& View() const { return m_view; }
    void Redraw();

    // The loading indicator: over the whole canvas while the shown page has no image. ShowLoading
    // shows it blank, RestartLoading puts its waiting text back, SetLoadingProgress shows a state
    // (1 failed, 7 nothing to show).
    BOOL IsLoadingShown() const;
    ZELLoadingBG* GetLoading() const { return m_pLoading.get(); }
    void ShowLoading();
    void RestartLoading();
    void SetLoadingProgress(int value);

    // The presenter's bars: slid open (34 pixels) or closed (at once: hidden without sliding).
    void SetBarsShown(BOOL shown, BOOL atOnce);
    BOOL IsPresentationBarCollapsed() const { return m_bBarsShown; }
    void StopBarsHideTimer();
    void ShowBannerText(const CString& text);
    // The drawing tool bar: shown (enabled, laid out) when a page with its image is shown and it
    // is not visible yet; any other call hides and disables it.
    void UpdateToolBarVisibility(BOOL show);
    // Shows the tool bar again when it is visible (after the presenter's toolbar changed state).
    void ShowPresentationOpt();
    static const UINT_PTR kTimerBarsHide = 2000;
    // Pixels one wheel notch scrolls ("scroll" of the user's state settings); below 10 means 100.
    void SetWheelStep(int step);
    int GetWheelStep() const { return m_nWheelStep; }
    // Touch input is taken on system 6.1 and later with a ready digitiser.
    static BOOL IsTouchCapable(DWORD major, DWORD minor, int digitizer);
    // The touch gesture tracker (null on a machine without touch); tests give one.
    void EnableTouch();
    BOOL HasTouch() const { return m_pTouch != nullptr; }
    // One point of the window's touch input (client coordinates); FALSE: not taken, the system
    // handles it as ordinary input.
    BOOL OnTouchInput(POINT point, int index, int count, const TOUCHINPUT& input);
    // Where WM_TOUCH's points are read from (tests give the points Windows would hand over).
    static void SetTouchInputReader(std::function<BOOL(HTOUCHINPUT, UINT, TOUCHINPUT*)> reader);
    // The pointer kind of the last input: 0 none, 2 touch, 3 pen.
    int GetPointerType() const { return m_touch.PointerType(); }
    BOOL IsFingerPointer() const { return m_bFingerPointer; }
    POINT GetFingerPosition() const { return m_ptFinger; }
    static const UINT_PTR kTimerNextPage = 4001;
    static const UINT_PTR kTimerPrevPage = 4002;

    // Tools.
    void SetMode(int mode);
    int GetMode() const { return m_mode; }
    void SetLastToolMode(int mode) { m_nLastToolMode = mode; }
    int GetLastToolMode() const { return m_nLastToolMode; }
    void ResetTools();
    void ClearCurrentPage();
    void ClearAllPages();
    void UpdateClearButtons();
    void UpdateHistoryButtons();
    const CCanvasHistory& History() const { return m_history; }
    int GetLineWidth() const { return m_nLineWidth; }
    COLORREF GetLineColor() const { return m_clrLine; }
    float GetOpacity() const { return m_fOpacity; }
    // Pen width of new figures: doubled and a half for the highlighter.
    int GetEffectiveWidth() const;

    // Memos.
    void SaveMemo(const CString& text, int bgColor, int textColor);
    void DeleteMemo();
    void OpenMemoView();
    void OpenMemoEditor(const CString& text, int bgColor, int textColor);

    // Remote input.
    void SetRemoteFigure(const std::shared_ptr<CMMFigure>& figure);
    void ShowRemotePointer(const S_REMOTE_POINTER& pointer);
    POINT GetPointerPosition() const { return m_ptPointer; }

    // Sharing thread.
    int StartSharedThread() { return m_share.Start(); }
    void StopSharedThread() { m_share.Stop(); }
    BOOL IsSharedThreadRunning() const { return m_share.IsRunning(); }
    void QueueSend(const CString& mtngId, const CString& attcFileId, int page, const CString& content);
    void QueueRemoteZoom(float zoomFactor, int originX, int originY);
    // Incoming strokes were queued on the shown page (from the synchronisation client's thread).
    void WakeSharedThread() { m_share.Wake(); }
    // Incoming strokes were queued on the shown page: while the board is shared they are applied
    // on the calling thread at once (no pass of the sharing thread in between); TRUE when any were.
    BOOL ApplyIncomingStrokesNow();
    // From any thread: the live shared layer changed; the window repaints it on its own thread.
    void PostLiveRedraw();
    CBoardShareThread& ShareThread() { return m_share; }

    // IDrawToolCtrlEventListener
    void OnRedo() override;
    void OnUndo() override;
    void OnPenMode() override;
    void OnHighlighterMode() override;
    void OnPointerMode() override;
    void OnClearPanel() override;
    void OnLineWidth(int width) override;
    void OnLineColor(int index, COLORREF color) override;
    void OnPointerSize(int size) override;
    void OnFreeLineMode() override;
    void OnShapeMode6() override;
    void OnShapeMode7() override;
    void OnShapeMode8() override;
    void OnShapeMode9() override;
    void OnShapeMode10() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The crossing of the segment a -> b with the border of the rectangle (top, right, left,
    // bottom edge in that order), truncated to whole pixels; FALSE when there is none.
    static BOOL BorderCrossing(const RECT& rc, POINT a, POINT b, POINT& crossing);
    // Resource ids of the laser pointer's pictures and cursors by size (1-3) and colour (0-14).
    static UINT PointerPictureId(int size, int colour);
    static UINT PointerCursorId(int size, int colour);
    // The tick source of the memo long press and flick tests.
    static const UINT_PTR kTimerMemoPress = 1000;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // A second press soon after the first at the same place (a pen's quick dots) is a press too.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnTouch(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSharedRedraw(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSharedZoom(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRemotePointerMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // IBoardShareWork (sharing thread)
    BOOL ApplyIncomingStrokes() override;
    void ApplyRemoteZoom(const S_BOARD_ZOOM& zoom) override;
    void SendDrawing(const S_BOARD_CONTENT& content) override;

    BOOL IsPresentingSynced();
    BOOL IsSynced();
    // The floating palette of the main dialog, null without one.
    static IPenPalette* Palette();
    // Pen input: the setting is on and the palette draws with the pen.
    BOOL IsPenInput();
    int GetPaletteMode();
    // The bars slide open when the pointer reaches the canvas' top or bottom edge in the full
    // view, and close a second after it left them.
    void CheckBarsHover(POINT point);
    BOOL IsFullView();
    void LayoutToolBar();
    // The pan moved the page: the mini-map shows where / it hides after a while.
    void ShowNavigation();
    void StartNavigationTimer();
    // The mouse message being handled came from the mouse, a pen or a finger.
    int TakeMouseSource(BOOL down);
    void SetFingerPointer(BOOL on, POINT point);
    void RecalcLayout(BOOL notify);
    void NotifyZoom(float zoom);
    void PanTo(POINT point);
    // Input paths.
    void DrawTempLine(POINT point);
    void AddShapePoint(POINT point, int type);
    // Shows the figure being drawn over the last painted picture without a full repaint; a shape
    // being dragged is shown as far as the preview point.
    void ShowTempFigure(const POINT* preview);
    void ShowEraserBox(POINT point);
    void CommitTempFigure(POINT point);
    void QueueChunk(CMMFigure& figure, int figureType, BOOL last);
    void EraseAt(POINT point);
    void DeleteSelectedFigure(const std::shared_ptr<CMMFigure>& figure);
    BOOL EraseTargetIsOwn();
    void UpdatePointer(POINT point, BOOL force);
    void HidePointer();
    void MemoButtonDown(POINT point);
    void MemoDrag(POINT point);
    void MemoButtonUp();
    RECT CentredMemoRect() const;
    static int FigureTypeOfMode(int mode);
    // Painting.
    // Painting keeps two pictures of the client area: the base (background, page image, frame and
    // the finished figures of the shown layers) and the back buffer (the base with the live
    // strokes still growing, the memo banner and the presenter's pointer over it).
    void EnsureBuffers(HDC dc, const RECT& rcClient);
    void PaintBase(const RECT& rcClient);
    BOOL AdvanceBase();
    void Compose(const RECT& rcClient);
    void PreparePageBackground();
    void PaintPageLayers(HDC dc);
    void DrawFigureRange(HDC dc, const std::vector<std::shared_ptr<CMMFigure>>& figures, size_t from, size_t to);
    static size_t SettledSharedCount(CMMPage& page);
    void ReleaseBackBuffer();
    void PaintMemoBanner(HDC dc, const RECT& rc);
    // The laser pointer's picture of a size (1-3) and colour index (0-14), loaded once.
    Gdiplus::Bitmap* PointerPicture(int size, int colour);

    IBoardDrawCtrlEventListener* m_pListener;
    IBoardCanvasHost* m_pHost;
    IMemoLayerView* m_pMemoLayer = nullptr;
    ICanvasToolBar* m_pToolBar = nullptr;
    IPresenterBars* m_pBars = nullptr;
    ICanvasNavigator* m_pNavigator = nullptr;
    BOOL m_bNavTimer = FALSE;
    std::unique_ptr<ZELLoadingBG> m_pLoading;
    BOOL m_bBarsShown = FALSE;
    BOOL m_bBarsTimer = FALSE;

    // View.
    CCanvasView m_view;
    CCriticalSection m_csPage;
    std::shared_ptr<CMMPage> m_spPage;
    int m_nBoardView = kViewOwn;
    BOOL m_bDirty = TRUE;
    int m_nWheelStep = 100;
    float m_fMinZoom = 1.0f;
    // Back buffer of the client area and the page image scaled to the page rectangle, made once
    // per page, image and size rather than on every paint.
    HDC m_baseDC = nullptr;
    HBITMAP m_hBaseBitmap = nullptr;
    HGDIOBJ m_hOldBase = nullptr;
    size_t m_nBaseShared = 0;
    const CMMFigure* m_pBaseLast = nullptr;
    BOOL m_bLiveDirty = FALSE;
    HDC m_memDC = nullptr;
    HBITMAP m_hBackBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    SIZE m_szBack = {0, 0};
    HBITMAP m_hPageBitmap = nullptr;
    // The page's picture decoded ahead, when m_hPageBitmap is its bitmap (then not ours to delete).
    std::shared_ptr<const CPagePicture> m_spPagePicture;
    const CMMPage* m_pPageBitmapOf = nullptr;
    IStream* m_pPageBitmapStream = nullptr;
    SIZE m_szPageBitmap = {0, 0};

    // Input.
    int m_mode = kPan;
    int m_nLastToolMode = kFreeLine;
    int m_nLineWidth = 5;
    COLORREF m_clrLine;
    float m_fOpacity = 1.0f;
    POINT m_ptDown = {0, 0}, m_ptLast = {0, 0}, m_ptMouse = {0, 0};
    BOOL m_bMouseDrawing = FALSE;
    BOOL m_bButtonDown = FALSE;
    POINT m_ptEraserLast = {0, 0};
    std::shared_ptr<CMMFigure> m_spTempFigure;
    CCanvasHistory m_history;
    std::vector<std::shared_ptr<CMMFigure>> m_selection;
    std::shared_ptr<CMMMemo> m_spDragMemo;
    int m_nPointerColor = 0, m_nPointerSize = 2, m_nPointerShape = 0;
    POINT m_ptPointer = {-1, -1}, m_ptPointerSent = {-1, -1}, m_ptPointerNow = {-1, -1};
    int m_nRemotePointerColor = 0, m_nRemotePointerSize = 2;
    BOOL m_bPointerCursor = FALSE;
    // Touch and pen.
    std::unique_ptr<CZELTouchFunc> m_pTouch;
    CCanvasTouch m_touch;
    BOOL m_bFingerPointer = FALSE;
    POINT m_ptFinger = {-1, -1};
    std::unique_ptr<Gdiplus::Bitmap> m_pointerPictures[3][15];

    std::atomic<bool> m_bRedrawPosted{false};
    CBoardShareThread m_share;
};
