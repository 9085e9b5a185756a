#pragma once
// CStickyNoteDlg: the modeless window that shows the sticky note of the board's current page: its
// text in an edit, its drawing on a pen canvas over the same place, the date it was saved, text
// and drawing modes, font size steps and the save button. The notes themselves are kept in a
// CStickyNoteBook; the window is one of the board's bars (IStickyNoteView).
#include <functional>
#include <memory>
#include <vector>

#include "platform/Font.h"
#include "ui/skin/MyBaseDialog.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/canvas/PenCanvas.h"
#include "whiteboard/tools/StickyNotes.h"

class CStickyNoteDlg : public CMyBaseDialog, public IStickyNoteView {
public:
    // Sends the changed notes (request M00000064): meeting id, document id, items.
    using Sender = std::function<void(const CString&, const CString&, const std::vector<CString>&)>;

    explicit CStickyNoteDlg(const S_BOARD_BAR_CONTEXT& context);
    ~CStickyNoteDlg() override;
    BOOL CreateNote(CWnd* pOwner);
    void SetSender(Sender sender) { m_sender = std::move(sender); }
    void SetPalette(IPenPalette* pPalette);

    // IStickyNoteView
    BOOL IsShown() override { return GetSafeHwnd() && IsWindowVisible(); }
    void ShowPageNote(int page) override;
    BOOL HasNoteForPage() override;
    void HideKeepState(BOOL keep) override;
    void ShowWindowAt() override;
    void OnNotesLoaded(const Json::Value& body) override;
    void OnNotesSaved(const Json::Value& body) override;
    void SaveNotes() override;
    BOOL IsModified() override { return m_book.IsModified(); }
    void InsertPageNote(int current, int n) override;
    void DeletePageNote(int current, int n) override;
    void DropAllNotes() override;

    void ShowCurrentPageNote() { ShowPageNote(m_nCurrentPage); }
    void DiscardChanges() override;
    void SetLocked(BOOL locked) override;
    void SetMode(int mode);
    int GetMode() const { return m_nMode; }
    BOOL IsLocked() const { return m_bLocked; }
    void StepFont(BOOL up);
    // The main window hid the note (0) and shows it again (1): only a note it hid comes back.
    void ShowIfWanted(BOOL show) override;
    // Leaving the meeting: the first font size, both font steps, fully opaque.
    void ResetView();
    BOOL IsPlaced() const { return m_bKeepPosition; }
    // The saved place of the note when it lies on a present monitor, else beside the board.
    void PlaceWindow();
    int GetFontHeight() const { return m_nFontHeight; }
    CStickyNoteBook& Book() { return m_book; }
    CPenCanvas* GetCanvas() { return m_pCanvas.get(); }
    CString GetEditText();
    SKIN_OBJECT* FindObject(const wchar_t* name) { return m_Screen.FindObject(name); }

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    void OnOK() override {}
    void OnDrawExtra(CDC* pDC, CRect rc) override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    afx_msg LRESULT OnCanvasChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CStickyNoteBook::NoteList& Serving();
    void ApplyFont();
    void PlaceCanvas();
    BOOL CanDraw() const { return m_nMode == 1 && !m_bLocked && m_pCanvas; }

    S_BOARD_BAR_CONTEXT m_context;
    Sender m_sender;
    CStickyNoteBook m_book;
    std::unique_ptr<CPenCanvas> m_pCanvas;
    IPenPalette* m_pPalette = nullptr;
    SKIN_OBJECT* m_pBtnFontUp = nullptr;
    SKIN_OBJECT* m_pBtnFontDn = nullptr;
    SKIN_OBJECT* m_pBtnEditMode = nullptr;
    SKIN_OBJECT* m_pBtnDrawMode = nullptr;
    SKIN_OBJECT* m_pBtnSave = nullptr;
    SKIN_OBJECT* m_pDate = nullptr;
    SKIN_OBJECT* m_pEdit = nullptr;
    int m_nMode = 0;
    BOOL m_bLocked = FALSE;
    BOOL m_bReshowWanted = FALSE;
    BOOL m_bKeepPosition = FALSE;
    CFont m_editFont;
    int m_nFontHeight = -12;
    int m_nInitialFontHeight = -12;
    int m_nCurrentPage = 0;
};

// Makes the sticky-note window for the board's maker; it sends through the application-server client.
IStickyNoteView* MakeStickyNote(const S_BOARD_BAR_CONTEXT& context);
