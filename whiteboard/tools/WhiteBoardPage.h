#pragma once
// CWhiteBoardPage: the small pop-up with which a user adds a page before or after the shown page
// of the meeting's whiteboard, or deletes the shown page. It only tells its owner bar what was
// chosen (WM_WHITEBOARD_PAGE_COMMAND, posted); the pages change when the server's answer comes.
#include "core/ClientMessages.h"
#include "ui/skin/MyBaseDialog.h"

class CWhiteBoardPage : public CMyBaseDialog {
public:
    static constexpr int kMaxPages = 100;
    // wParam of WM_WHITEBOARD_PAGE_COMMAND.
    static constexpr int kAddPage = 1;
    static constexpr int kDeletePage = 2;

    explicit CWhiteBoardPage(CWnd* pParent);
    ~CWhiteBoardPage() override;
    // The whiteboard's shown page and page count; set before CreatePopup.
    void SetPages(int current, int total)
    {
        m_nCurrentPage = current;
        m_nTotalPage = total;
    }
    // Creates the hidden pop-up owned by the bar that receives the choice.
    BOOL CreatePopup(CWnd* pOwner);
    // The screen the pop-up shows: a single page cannot be deleted.
    const wchar_t* ScreenName() const { return m_nTotalPage == 1 ? L"WhiteBoardPage" : L"WhiteBoardPage2"; }
    // The notice shown when no page can be added any more, with the limit filled in.
    CString MaxPageNotice() const;
    SKIN_OBJECT* FindObject(const wchar_t* name) { return m_Screen.FindObject(name); }

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void OnCancel() override { ShowWindow(SW_HIDE); }

private:
    BOOL AddAllowed();
    void Choose(int command, int page);

    CString m_strMaxPage;
    int m_nCurrentPage = 0;
    int m_nTotalPage = 0;
};
