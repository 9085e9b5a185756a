#pragma once
// The four pages of the settings window: push-alarm schedule, pen and touch, meeting-close alarm
// and version. Each is a skinned child dialog that reports a change to the settings window by
// posting UWM_SETTING_PAGE_CHANGED (1 push, 2 pen, 3 close alarm).
#include <json/json.h>

#include "platform/Collections.h"
#include "ui/skin/MyBaseDialog.h"

class CSettingPageBase : public CMyBaseDialog {
public:
    CSettingPageBase();
    BOOL CreatePage(CWnd* pParent);

protected:
    void OnOK() override {}
    void NotifyChanged(int nWhat);
};

class CSettingPushDlg : public CSettingPageBase {
public:
    SKIN_OBJECT* m_pBtnAlarm = nullptr;
    SKIN_OBJECT* m_pGroup = nullptr;
    SKIN_OBJECT* m_pDateStart = nullptr;
    SKIN_OBJECT* m_pDateEnd = nullptr;
    SKIN_OBJECT* m_pBtnMon = nullptr;
    SKIN_OBJECT* m_pBtnTue = nullptr;
    SKIN_OBJECT* m_pBtnWed = nullptr;
    SKIN_OBJECT* m_pBtnThu = nullptr;
    SKIN_OBJECT* m_pBtnFri = nullptr;
    SKIN_OBJECT* m_pBtnSat = nullptr;
    SKIN_OBJECT* m_pBtnSun = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    // Fills the page from the schedule the server sent (reply to M00000020).
    void ApplyPushSetting(const Json::Value& body);
    void NotifyChanged();
    // What the page shows, as the schedule request sends it ("%02d%02d" times).
    BOOL IsChecked(const SKIN_OBJECT* p) const { return p && p->m_button.IsChecked(); }
    CString GetTimeText(const SKIN_OBJECT* pDate) const;
};

class CSettingTouchDlg : public CSettingPageBase {
public:
    SKIN_OBJECT* m_pBtnPen = nullptr;
    SKIN_OBJECT* m_pEditSensitive = nullptr;
    SKIN_OBJECT* m_pEditTrembling = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void SetPenCheck(BOOL bOn);
};

// A touch value as typed: whole positive numbers (1..9999) only. Partial or empty input is not
// a value; the store keeps the last good one.
BOOL ParseTouchValue(const CString& strText, int& nValue);

class CSettingCloseAlarmDlg : public CSettingPageBase {
public:
    CStringArray m_arrLabel;
    SKIN_OBJECT* m_pBtn00 = nullptr;
    SKIN_OBJECT* m_pBtn10 = nullptr;
    SKIN_OBJECT* m_pBtn20 = nullptr;
    SKIN_OBJECT* m_pBtn30 = nullptr;
    SKIN_OBJECT* m_pBtn40 = nullptr;
    SKIN_OBJECT* m_pBtn50 = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void SetValue(int nMinutes);
    int GetValue() const;
    CString GetValueText() const;

private:
    int FirstChecked() const;
};

class CSettingVersionDlg : public CSettingPageBase {
public:
    SKIN_OBJECT* m_pTextVersion = nullptr;
    SKIN_OBJECT* m_pTextBuild = nullptr;
    SKIN_OBJECT* m_pMenu = nullptr;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void ShowToolsMenu();
    // Prepares the menu's file entries (shown only for files that exist) and carries out a
    // chosen entry; split from ShowToolsMenu so that both can be checked without a drop-down.
    void PrepareToolsMenu();
    void RunToolsCommand(int nValue);

    // Seam: the drop-down's choice (the real drop-down when not set).
    typedef int (*PFN_CHOOSE)(CSettingVersionDlg* pPage, int x, int y);
    static void SetChooserForTest(PFN_CHOOSE pfn);
    // Seam: what would be started (program, parameters); the real start when not set.
    typedef void (*PFN_LAUNCH)(const CString& strFile, const CString& strParams);
    static void SetLauncherForTest(PFN_LAUNCH pfn);

protected:
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
