#pragma once
// CChatViewCtrl: the chat panel's history. It keeps one meeting's messages oldest first and
// draws them as speech bubbles (others' on the left under the sender's name, the user's own on
// the right), with a date line where the day changes and the time under each bubble; a "more"
// button at the top asks the panel for the next older page and a small loading picture shows
// while that page is on its way. Only the visible part is painted.
#include <json/json.h>

#include <memory>
#include <vector>

#include "features/chat/ChatRules.h"
#include "platform/Bitmap.h"
#include "platform/ScrollView.h"
#include "ui/controls/SquareCtrl.h"
#include "ui/controls/ZELLoadingBG.h"
#include "ui/controls/xSkinButton.h"

class CChatViewCtrl : public CScrollView {
    DECLARE_DYNCREATE(CChatViewCtrl)
public:
    enum : UINT { ID_MORE_BUTTON = 32891, ID_LOADING = 32600 };

    CChatViewCtrl();
    ~CChatViewCtrl() override;

    void Clear();
    void AppendPage(const Json::Value& body, int nOwnUserId);
    void PrependPage(const Json::Value& body, int nOwnUserId);
    void AddItem(const CString& strName, const CString& strCreated, const CString& strTimeText,
                 const CString& strMessage, const CString& strMessageId, int nMine);
    void ShowMoreButton(BOOL bShow);
    void ShowLoading(BOOL bShow);
    BOOL IsMoreButtonVisible() const;
    BOOL IsLoadingVisible() const;
    void Refresh();
    void SetCleared(BOOL bCleared);
    int GetTotalHeight() const { return m_nTotalHeight; }
    int GetItemCount() const { return (int)m_arrItems.size(); }
    // The oldest message; call only when there is one.
    const _ChatItem& GetFirstItem() const { return m_arrItems.front(); }
    const _ChatItem& GetItem(int n) const { return m_arrItems[(size_t)n]; }
    // Marks the own message as refused by the server (drawn under its bubble) or confirmed with
    // the server's id.
    void MarkSendFailed(int nIndex);
    // The server took the message after all (its answer came after the connection came back).
    void ClearSendFailed(int nIndex);
    void SetMessageId(int nIndex, const CString& strMessageId);
    void SetLocalSeq(int nIndex, int nSeq);
    // The message with that local number, -1 when none.
    int FindLocal(int nSeq) const;
    // Where the message's bubble lies in content coordinates (set by the last paint that drew it).
    CRect GetBubbleRect(int nIndex) const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput) override;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMoreButton();
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    void AddPage(const Json::Value& body, int nOwnUserId, BOOL bFirstPage);
    CSize MeasureText(HDC hdc, const CString& strText) const;
    void RedrawNow();
    CString LoadText(UINT nId) const;
    void DrawItemAt(CDC* pDC, size_t nIndex, int& y, int nScrollTop, int nWidth);

    CSquareCtrl* m_pBubbleOther = nullptr;
    CSquareCtrl* m_pBubbleMine = nullptr;
    ZELLoadingBG* m_pLoading = nullptr;
    CxSkinButton m_btnMore;
    int m_nTotalHeight = 0;
    std::vector<_ChatItem> m_arrItems;
    // The measured height of each message's wrapped text (-1: not measured yet); the text width
    // is fixed, so a message is measured once.
    std::vector<int> m_arrTextHeight;
    std::vector<int> m_arrTextWidth;
    std::vector<CRect> m_arrBubble;
    CBitmap m_bmpBack;
    CBitmap m_bmpDayLine;
    CChatTouchDrag m_touch;
    BOOL m_bTouch = FALSE;
    int m_bCleared = 1;
    SChatTexts m_texts;
    CString m_strDateFormat;
    CString m_strWeekdays[7];
    CString m_strSendFailed;
};
