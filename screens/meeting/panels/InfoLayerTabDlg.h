#pragma once
// CInfoLayerTabDlg: the side panel's tab bar (skin screen "InfoLayerTab"): the attendee tab under
// its meeting or report caption, the thumbnail and bookmark tabs, and the button that collapses
// the panel.
#include "ui/skin/MyBaseDialog.h"

class CInfoLayer;

class CInfoLayerTabDlg : public CMyBaseDialog {
public:
    explicit CInfoLayerTabDlg(CInfoLayer* pLayer);

    BOOL CreateBar();
    // 0 attendees, 1 thumbnails, 2 bookmarks: that tab's button shows chosen.
    void SetSelectedTab(int nTab);
    void HidePageTabs(BOOL bHide);
    int GetSelectedTab() const { return m_nSelectedTab; }

    SKIN_OBJECT* m_pBtnHide = nullptr;
    SKIN_OBJECT* m_pBtnMeeting = nullptr;
    SKIN_OBJECT* m_pBtnReporting = nullptr;
    SKIN_OBJECT* m_pBtnThumbnail = nullptr;
    SKIN_OBJECT* m_pBtnBookmark = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    void OnOK() override {}

private:
    CInfoLayer* m_pLayer;
    int m_nSelectedTab = 0;
};
