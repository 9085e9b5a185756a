#pragma once
// The floating drawing palette of the main dialog (CDrawToolMain: move, pen, highlighter, eraser,
// three recent colours, thickness, line type, undo and redo) and its four pop-ups (colour, clear
// the page, line type, thickness). Choices go to the main dialog through IDrawToolEventListener;
// the pop-ups report to the palette with WM_DRAWTOOL_POPUP_RESULT. The colours are kept in the
// user's "opt.ini".
#include <functional>
#include <memory>

#include "platform/CString.h"
#include "ui/skin/MyBaseDialog.h"
#include "whiteboard/canvas/PenCanvas.h"

// Pop-up result to the palette: wParam 1 colour, 2 thickness, 3 line type, 4 clear the page.
#define WM_DRAWTOOL_POPUP_RESULT (WM_USER + 1025)

// What the palette tells the main dialog, in fixed slot order.
class IDrawToolEventListener {
public:
    virtual ~IDrawToolEventListener() = default;
    virtual void OnMoveMode() = 0;               // 0
    virtual void OnPen() = 0;                    // 1
    virtual void OnHighlighter() = 0;            // 2
    virtual void OnEraser() = 0;                 // 3
    virtual void OnPointerTool() = 0;            // 4
    virtual void OnColor(COLORREF color) = 0;    // 5
    virtual void OnClearPage(int flag) = 0;      // 6
    virtual void OnThickness(int width) = 0;     // 7
    virtual void OnLineType(int lineType) = 0;   // 8 (1..6)
    virtual void OnHistory(BOOL undo) = 0;       // 9
};

// The palette's colours in "opt.ini" [DrawToolMain], decimal COLORREF values.
struct S_DRAWTOOL_COLORS {
    COLORREF pen = RGB(235, 81, 46);
    COLORREF highlighter = RGB(253, 251, 102);
    COLORREF recent[3] = {RGB(235, 81, 46), RGB(134, 185, 83), RGB(40, 95, 245)};
    void Load(const CString& iniPath);
    BOOL Save(const CString& iniPath) const;
};

// The thickness slider's arithmetic: the step never drops below one pixel, values stay in 1..max.
int ThicknessStep(int lineWidth, int maximum);
int ThicknessFromX(int x, int lineLeft, int step, int maximum);

class CDrawToolPopup : public CMyBaseDialog {
public:
    CDrawToolPopup(const wchar_t* screen, CWnd* pOwner);
    BOOL CreatePopup();
    void ShowAt(POINT screenPoint);
    BOOL OnInitDialog() override;
    void OnCancel() override { ShowWindow(SW_HIDE); }
    void OnOK() override {}
    SKIN_OBJECT* Object(const wchar_t* name) { return m_Screen.FindObject(name); }

protected:
    void Post(WPARAM kind, LPARAM value);
    // OK posts the result and hides, Cancel hides; FALSE for any other object.
    BOOL OnOkCancel(UINT nEvent, SKIN_OBJECT* pObject, WPARAM kind, LPARAM value);
    void Repaint(const CRect& rc);
    const wchar_t* m_pszScreen;
    CWnd* m_pOwner;
};

class CDrawToolColor : public CDrawToolPopup {
public:
    explicit CDrawToolColor(CWnd* pOwner) : CDrawToolPopup(L"DrawToolColor", pOwner) {}
    void SetColor(COLORREF color);
    SKIN_OBJECT* FindColorObject(COLORREF color);
    SKIN_OBJECT* GetSelected() const { return m_pSelected; }
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

private:
    SKIN_OBJECT* m_pSelected = nullptr;
};

class CDrawToolEraser : public CDrawToolPopup {
public:
    explicit CDrawToolEraser(CWnd* pOwner) : CDrawToolPopup(L"DrawToolEraser", pOwner) {}
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bPressed = FALSE;
};

class CDrawToolLinetype : public CDrawToolPopup {
public:
    explicit CDrawToolLinetype(CWnd* pOwner) : CDrawToolPopup(L"DrawToolLinetype", pOwner) {}
    void SetLineType(int n);
    int GetLineType() const { return m_nLineType; }
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

private:
    int m_nLineType = 1;
};

class CDrawToolThickness : public CDrawToolPopup {
public:
    CDrawToolThickness(CWnd* pOwner, int maximum) : CDrawToolPopup(L"DrawToolThickness", pOwner), m_nMax(maximum) {}
    BOOL OnInitDialog() override;
    void SetValue(int v);
    int GetValue() const { return m_nValue; }
    int GetStep() const { return m_nStep; }
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int m_nMax;
    int m_nValue = 0;
    int m_nStep = 1;
    int m_nDotWidth = 0;
    BOOL m_bDragging = FALSE;
};

class CDrawToolMain : public CMyBaseDialog, public IPenPalette {
public:
    CDrawToolMain(CWnd* pOwner, IDrawToolEventListener* pListener, const CString& iniPath);
    ~CDrawToolMain() override;
    BOOL CreatePalette();

    // IPenPalette (the sticky note's pen canvas draws with the palette's pen)
    int GetToolMode() override { return m_nTool; }
    int GetColor() override;
    int GetThickness() override { return m_nTool == 2 ? m_nHighlighterWidth : m_nPenWidth; }
    int GetLineType() override { return m_nLineType; }

    void ApplyCurrent(BOOL penInput) override;
    // The settings' pen option: on, a palette on the move tool takes the pen (the board draws at
    // once); off, the chosen drawing tool is told to the board again.
    void SetDrawEnabled(BOOL penInput);
    void EnableTools(BOOL enable);
    BOOL AreToolsEnabled() const { return m_bEnabled; }
    void EnableUndoRedo(BOOL undo, BOOL redo) override;
    void ClosePopupsOutside();
    void SelectPointerTool();
    int GetColorSlot() const { return m_nColorSlot; }
    const S_DRAWTOOL_COLORS& Colors() const { return m_colors; }
    CDrawToolColor* ColorPopup() { return m_pColor.get(); }
    CDrawToolEraser* EraserPopup() { return m_pEraser.get(); }
    CDrawToolLinetype* LinetypePopup() { return m_pLinetype.get(); }
    CDrawToolThickness* ThicknessPopup() { return m_pThickness.get(); }
    SKIN_OBJECT* Object(const wchar_t* name) { return m_Screen.FindObject(name); }
    // A click on a named object, as the skin reports a release on it.
    void Click(const wchar_t* name) { OnObjectEvent(514, Object(name)); }

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    void OnOK() override {}
    void OnCancel() override {}
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    afx_msg LRESULT OnPopupResult(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetTool(int tool);
    void SetColorSlot(int slot);
    void SetLineType(int n);
    void SetObjectColor(SKIN_OBJECT* pObject, COLORREF color);
    void Announce();
    template <class T> void ShowPopup(std::unique_ptr<T>& popup, SKIN_OBJECT* pAnchor);
    void SaveColors();

    CWnd* m_pOwner;
    std::unique_ptr<CDrawToolColor> m_pColor;
    std::unique_ptr<CDrawToolEraser> m_pEraser;
    std::unique_ptr<CDrawToolThickness> m_pThickness;
    std::unique_ptr<CDrawToolLinetype> m_pLinetype;
    SKIN_OBJECT* m_pEditing = nullptr;
    int m_nTool = 0;
    int m_nColorSlot = 0;
    BOOL m_bEnabled = TRUE;
    S_DRAWTOOL_COLORS m_colors;
    int m_nPenWidth = 5;
    int m_nHighlighterWidth = 5;
    int m_nLineType = 1;
    IDrawToolEventListener* m_pListener;
    CString m_strIniPath;
};
