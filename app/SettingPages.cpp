#include "app/SettingPages.h"

#include <shellapi.h>

#include "app/DigitText.h"
#include "core/ClientMessages.h"
#include "core/FileHelpers.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "core/SupportMenu.h"
#include "core/SystemHelpers.h"
#include "resources/resource.h"

namespace {

const UINT IDD_SETTING_PAGE = 1199;
const wchar_t kVersion[] = L"4.2.0.0";
const wchar_t kBuild[] = L"2024122702";

CSettingVersionDlg::PFN_CHOOSE s_pfnChoose = nullptr;
CSettingVersionDlg::PFN_LAUNCH s_pfnLaunch = nullptr;

bool IsNamed(const SKIN_OBJECT* pObject, const SKIN_OBJECT* pKnown)
{
    return pObject && pKnown && pObject->m_nId == pKnown->m_nId;
}

// jsoncpp's asBool with the default off, never throwing: true, a non-zero number and a
// non-empty string are on.
BOOL ReadFlag(const Json::Value& body, const char* pszKey)
{
    if (!body.isObject() || !body.isMember(pszKey))
        return FALSE;
    const Json::Value& v = body[pszKey];
    if (v.isBool())
        return v.asBool();
    if (v.isNumeric())
        return v.asDouble() != 0.0;
    if (v.isString())
        return !v.asString().empty();
    return FALSE;
}

CString ReadText(const Json::Value& body, const char* pszKey)
{
    if (!body.isObject() || !body.isMember(pszKey) || !body[pszKey].isString())
        return CString();
    return CString(body[pszKey].asCString());
}

} // namespace

// ---- Common ----

CSettingPageBase::CSettingPageBase() : CMyBaseDialog(IDD_SETTING_PAGE, nullptr) {}

BOOL CSettingPageBase::CreatePage(CWnd* pParent)
{
    if (!Create(IDD_SETTING_PAGE, pParent))
        return FALSE;
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CSettingPageBase::NotifyChanged(int nWhat)
{
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(UWM_SETTING_PAGE_CHANGED, nWhat, 0);
}

// ---- Push schedule ----

BOOL CSettingPushDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"SettingPush");
    m_pBtnAlarm = m_Screen.FindObject(L"btnAlarm");
    m_pGroup = m_Screen.FindObject(L"group");
    m_pDateStart = m_Screen.FindObject(L"dateStart");
    m_pDateEnd = m_Screen.FindObject(L"dateEnd");
    m_pBtnMon = m_Screen.FindObject(L"btnMon");
    m_pBtnTue = m_Screen.FindObject(L"btnTue");
    m_pBtnWed = m_Screen.FindObject(L"btnWed");
    m_pBtnThu = m_Screen.FindObject(L"btnThu");
    m_pBtnFri = m_Screen.FindObject(L"btnFri");
    m_pBtnSat = m_Screen.FindObject(L"btnSat");
    m_pBtnSun = m_Screen.FindObject(L"btnSun");
    return TRUE;
}

int CSettingPushDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == 1316 || nEvent == 1317 || nEvent == 1318) {
        NotifyChanged();
        return 1;
    }
    if (nEvent != WM_LBUTTONUP)
        return 0;
    SKIN_OBJECT* buttons[] = {m_pBtnAlarm, m_pBtnMon, m_pBtnTue, m_pBtnWed, m_pBtnThu, m_pBtnFri, m_pBtnSat, m_pBtnSun};
    for (SKIN_OBJECT* p : buttons) {
        if (IsNamed(pObject, p)) {
            NotifyChanged();
            return 1;
        }
    }
    return 0;
}

void CSettingPushDlg::ApplyPushSetting(const Json::Value& body)
{
    const BOOL bApply = ReadFlag(body, "applyYn");
    if (m_pBtnAlarm)
        m_pBtnAlarm->m_button.SetChecked(bApply);
    if (m_pGroup)
        m_pGroup->m_nVisible = bApply ? 1 : 0;
    if (m_pDateStart)
        m_pDateStart->m_date.SetDateTime(this, L"19750818" + ReadText(body, "starttime"));
    if (m_pDateEnd)
        m_pDateEnd->m_date.SetDateTime(this, L"19750818" + ReadText(body, "endtime"));
    const struct {
        SKIN_OBJECT* p;
        const char* key;
    } days[] = {{m_pBtnMon, "monYn"}, {m_pBtnTue, "tueYn"}, {m_pBtnWed, "wedYn"}, {m_pBtnThu, "thurYn"},
                {m_pBtnFri, "friYn"}, {m_pBtnSat, "satYn"}, {m_pBtnSun, "sunYn"}};
    for (const auto& d : days) {
        if (d.p)
            d.p->m_button.SetChecked(ReadFlag(body, d.key));
    }
    // The group's own flag changed: lay the screen out again so its objects follow it.
    CRect rc;
    GetClientRect(&rc);
    m_Screen.Layout(this, rc.Width(), rc.Height());
    Invalidate(TRUE);
}

void CSettingPushDlg::NotifyChanged()
{
    const BOOL bOn = IsChecked(m_pBtnAlarm);
    if (m_pGroup && (m_pGroup->m_nVisible != 0) != (bOn != 0))
        SetObjectVisibleTree(m_pGroup, bOn, TRUE);
    CSettingPageBase::NotifyChanged(1);
}

CString CSettingPushDlg::GetTimeText(const SKIN_OBJECT* pDate) const
{
    CString str;
    if (pDate)
        str.Format(L"%02d%02d", (int)pDate->m_date.m_time.wHour, (int)pDate->m_date.m_time.wMinute);
    return str;
}

// ---- Pen and touch ----

BOOL ParseTouchValue(const CString& strText, int& nValue)
{
    int n = 0;
    if (!ParseDigitText(strText, 4, n) || n < 1)
        return FALSE;
    nValue = n;
    return TRUE;
}

BOOL CSettingTouchDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"SettingTouch");
    m_pBtnPen = m_Screen.FindObject(L"btnPen");
    m_pEditSensitive = m_Screen.FindObject(L"editSensitive");
    m_pEditTrembling = m_Screen.FindObject(L"editTrembling");
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CString str;
    if (m_pEditSensitive) {
        str.Format(L"%d", pSettings->m_nTouchSensitive);
        m_pEditSensitive->m_edit.SetText(str);
    }
    if (m_pEditTrembling) {
        str.Format(L"%d", pSettings->m_nTouchTrembling);
        m_pEditTrembling->m_edit.SetText(str);
    }
    return TRUE;
}

void CSettingTouchDlg::SetPenCheck(BOOL bOn)
{
    if (!m_pBtnPen)
        return;
    m_pBtnPen->m_button.SetChecked(bOn);
    InvalidateRect(&m_pBtnPen->m_rcObject, TRUE);
}

int CSettingTouchDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (!pObject)
        return 0;
    if (nEvent == WM_LBUTTONUP && pObject->m_strName == L"btnPen") {
        NotifyChanged(2);
        return 1;
    }
    if (nEvent == 1297) {
        // The whiteboard reads these values: only whole positive numbers are stored, so a
        // half-typed or cleared field never leaves 0 behind.
        int nValue = 0;
        if (!ParseTouchValue(pObject->m_edit.GetText(), nValue))
            return 0;
        if (pObject->m_strName.CompareNoCase(L"editSensitive") == 0)
            CSettingManager::GetInstance()->SetTouchSensitive(nValue);
        else if (pObject->m_strName.CompareNoCase(L"editTrembling") == 0)
            CSettingManager::GetInstance()->SetTouchTrembling(nValue);
    }
    return 0;
}

// ---- Close alarm ----

BOOL CSettingCloseAlarmDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"SettingCloseAlarm");
    m_arrLabel.RemoveAll();
    SKIN_OBJECT body;
    if (m_Screen.CopyObject(L"Body", body)) {
        const CString strList = body.GetCustomValue(L"item_str");
        int nPos = 0;
        for (CString strItem = strList.Tokenize(L",", nPos); nPos >= 0; strItem = strList.Tokenize(L",", nPos)) {
            if (!strItem.IsEmpty())
                m_arrLabel.Add(strItem);
        }
    }
    m_pBtn00 = m_Screen.FindObject(L"btn00");
    m_pBtn10 = m_Screen.FindObject(L"btn10");
    m_pBtn20 = m_Screen.FindObject(L"btn20");
    m_pBtn30 = m_Screen.FindObject(L"btn30");
    m_pBtn40 = m_Screen.FindObject(L"btn40");
    m_pBtn50 = m_Screen.FindObject(L"btn50");
    return TRUE;
}

void CSettingCloseAlarmDlg::SetValue(int nMinutes)
{
    SKIN_OBJECT* buttons[] = {m_pBtn00, m_pBtn10, m_pBtn20, m_pBtn30, m_pBtn40, m_pBtn50};
    for (int i = 0; i < 6; ++i) {
        if (buttons[i])
            buttons[i]->m_button.SetChecked(nMinutes == i * 10);
    }
}

int CSettingCloseAlarmDlg::FirstChecked() const
{
    const SKIN_OBJECT* buttons[] = {m_pBtn00, m_pBtn10, m_pBtn20, m_pBtn30, m_pBtn40, m_pBtn50};
    for (int i = 0; i < 6; ++i) {
        if (buttons[i] && buttons[i]->m_button.IsChecked())
            return i;
    }
    return -1;
}

int CSettingCloseAlarmDlg::GetValue() const
{
    const int i = FirstChecked();
    return i < 0 ? 0 : i * 10;
}

CString CSettingCloseAlarmDlg::GetValueText() const
{
    const int i = FirstChecked();
    return i >= 0 && i < m_arrLabel.GetSize() ? m_arrLabel[i] : CString();
}

int CSettingCloseAlarmDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP)
        return 0;
    SKIN_OBJECT* buttons[] = {m_pBtn00, m_pBtn10, m_pBtn20, m_pBtn30, m_pBtn40, m_pBtn50};
    for (SKIN_OBJECT* p : buttons) {
        if (IsNamed(pObject, p)) {
            NotifyChanged(3);
            return 1;
        }
    }
    return 0;
}

// ---- Version ----

BEGIN_MESSAGE_MAP(CSettingVersionDlg, CSettingPageBase)
    ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

void CSettingVersionDlg::SetChooserForTest(PFN_CHOOSE pfn) { s_pfnChoose = pfn; }
void CSettingVersionDlg::SetLauncherForTest(PFN_LAUNCH pfn) { s_pfnLaunch = pfn; }

BOOL CSettingVersionDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"SettingVersion");
    m_pTextVersion = m_Screen.FindObject(L"textVersion");
    m_pTextBuild = m_Screen.FindObject(L"textBuild");
    m_pMenu = m_Screen.FindObject(L"menu");
    CString str;
    if (m_pTextVersion) {
        str.Format(L"Version %s", kVersion);
        m_pTextVersion->SetText(this, str, FALSE);
    }
    if (m_pTextBuild) {
        str.Format(L"%s", kBuild);
        m_pTextBuild->SetText(this, str, FALSE);
    }
    return TRUE;
}

int CSettingVersionDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    return nEvent == WM_LBUTTONUP && pObject && pObject->m_strName == L"btn00" ? 1 : 0;
}

void CSettingVersionDlg::OnRButtonUp(UINT, CPoint point)
{
    if (m_pTextBuild && m_pTextBuild->m_rcObject.PtInRect(point))
        ShowToolsMenu();
    Default();
}

void CSettingVersionDlg::PrepareToolsMenu()
{
    if (!m_pMenu)
        return;
    CSettingManager* pSettings = CSettingManager::GetInstance();
    m_pMenu->m_combo.SetItemVisible(4, FileExists(pSettings->GetOptIniPath(), FALSE));
    m_pMenu->m_combo.SetItemVisible(5, FileExists(pSettings->GetSettingIniPath(), FALSE));
    m_pMenu->m_combo.SetItemVisible(6, FileExists(pSettings->GetMainRectIniPath(), FALSE));
}

void CSettingVersionDlg::ShowToolsMenu()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    if (!m_pMenu)
        return;
    PrepareToolsMenu();
    const int nValue = s_pfnChoose ? s_pfnChoose(this, pt.x, pt.y) : m_pMenu->m_combo.ShowDropDown(this, pt.x, pt.y);
    RunToolsCommand(nValue);
}

void CSettingVersionDlg::RunToolsCommand(int nValue)
{
    auto launch = [](const CString& strFile, const CString& strParams, bool bShell) {
        LaunchSupportTarget(strFile, strParams, bShell, s_pfnLaunch);
    };
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CString strParams;
    switch (nValue) {
    // The first three are the support menu's commands.
    case 1: RunSupportCommand(ID_SUPPORT_LOG, s_pfnLaunch); break;
    case 2: RunSupportCommand(ID_SUPPORT_PROGRAM, s_pfnLaunch); break;
    case 3: RunSupportCommand(ID_SUPPORT_DATA, s_pfnLaunch); break;
    case 4:
    case 5:
    case 6: {
        const CString strPath = nValue == 4 ? pSettings->GetOptIniPath()
                                : nValue == 5 ? pSettings->GetSettingIniPath()
                                              : pSettings->GetMainRectIniPath();
        strParams.Format(L" \"%s\" ", strPath.GetString());
        launch(L"Notepad.exe", strParams, false);
        break;
    }
    default: break;
    }
}
