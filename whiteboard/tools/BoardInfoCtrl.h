#pragma once
// CBoardInfoCtrl: the information bar above the board: the open document's name, and from the
// right edge the zoom choices, the save button, the favourite check and the approval selector.
// It reports to the board layer through IBoardInfoCtrlEventListener.
#include <functional>

#include "platform/Wnd.h"
#include "ui/controls/ZELComboBox.h"
#include "ui/controls/xSkinButton.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/board/IBoardInfoCtrlEventListener.h"

class CBoardInfoCtrl : public CWnd, public IBoardInfoBar {
public:
    enum { kZoomCombo = 32760, kApprovalCombo = 32761, kSave = 35040, kFavorite = 32714 };
    static const int kZoomItems = 12;
    // Zoom factor of a combo item (0 fit, -1 the second fit mode); items past the list give 0.
    static float ZoomOfItem(int item);
    // The text a typed zoom factor shows: "137 %".
    static CString ZoomText(float zoom);
    // The approval may go ahead only with a signature file at the path (a folder there is no signature).
    static BOOL SignatureExists(const CString& path);

    explicit CBoardInfoCtrl(IBoardInfoCtrlEventListener* pListener);
    ~CBoardInfoCtrl() override;
    BOOL Create(CWnd* pBoard);

    // IBoardInfoBar
    CWnd* GetBarWnd() override { return this; }
    void SetDocumentInfo(const CString& name, const CString& pageText) override;
    void SetZoom(float zoom) override;
    void EnableSync(BOOL enable) override { EnableFavorite(enable); }

    CString GetDocumentName() const { return m_strDocName; }
    void ResetZoom() override;
    void ResetZoomCombo() override;
    void EnableControls(BOOL enable);
    void EnableSaveButton(BOOL enable);
    void EnableFavorite(BOOL enable) override;
    void SetFavoriteCheck(BOOL check) override;
    void SetApprovalSelection(int selection) override;
    void ResetSelection() override;
    void ShowApprovalCombo(BOOL show);
    void SetApprovalPending(int pending) override;
    void SetApprovalContext(int typeNumber, int hiddenUser, int referenceDocument) override;
    // The selector is offered only to a visible user of an approval meeting (type 14) whose own
    // approval is pending, on a document that is neither a reference nor a whiteboard.
    void UpdateApprovalCombo();
    int GetZoomState() const { return m_nZoomState; }
    int GetApprovalSelection() const { return m_nApproval; }
    ZELComboBox* ZoomCombo() { return &m_zoom; }
    ZELComboBox* ApprovalCombo() { return &m_approval; }
    CxSkinButton* SaveButton() { return &m_save; }
    CxSkinButton* FavoriteButton() { return &m_favorite; }
    // Whether an approval waits for the user (the information side panel knows), whether the
    // meeting has ended (controls stay disabled), whether the board shows a whiteboard document.
    // MakeBoardInfoBar asks the meeting around the board; a bar made without one answers no.
    std::function<BOOL()> m_isApprovalPending;
    std::function<BOOL()> m_isMeetingEnded;
    std::function<BOOL()> m_isWhiteboardDocument;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    BOOL MeetingEnded() const { return m_isMeetingEnded && m_isMeetingEnded(); }
    void OnZoomChoice();
    void OnApprovalChoice();

    IBoardInfoCtrlEventListener* m_pListener;
    ZELComboBox m_approval;
    ZELComboBox m_zoom;
    CxSkinButton m_save;
    CString m_strDocName;
    CString m_strPageText;
    int m_nZoomState = 11;
    int m_nApproval = 0;
    CxSkinButton m_favorite;
    // Pending (1), the meeting's type number, its hidden-user flag, the document's reference
    // flag; -1 until told.
    enum { kKeptPending, kKeptType, kKeptHidden, kKeptReference };
    int m_kept[4] = {-1, -1, -1, -1};
};

IBoardInfoBar* MakeBoardInfoBar(const S_BOARD_BAR_CONTEXT& context, IBoardInfoCtrlEventListener* pListener);
