#include "ui/skin/SkinLookups.h"

#include "ui/skin/SkinManager.h"

const wchar_t SKINSCREEN_MAIN[] = L"Main";
const wchar_t SKINOBJECT_COPY_MENU[] = L"menuCopyText";
const wchar_t SKINOBJECT_TITLE_MENU[] = L"menuTitleLayer";
const wchar_t SKINSCREEN_POPUP_MENU[] = L"PopupMenu";
const wchar_t SKINOBJECT_POPUP_MENU[] = L"comboMenu";
const wchar_t SKINOBJECT_MAX_BUTTON[] = L"btnMax";
const wchar_t SKINOBJECT_MAX_BUTTON_OLD[] = L"frame_max";

namespace {

const SKIN_LOOKUP kLookups[] = {
    {SKINSCREEN_MAIN, nullptr, -1, 0},
    {SKINSCREEN_MAIN, SKINOBJECT_COPY_MENU, SKINTYPE_COMBO, 0},
    {SKINSCREEN_MAIN, SKINOBJECT_TITLE_MENU, SKINTYPE_COMBO, 0},
    {SKINSCREEN_POPUP_MENU, SKINOBJECT_POPUP_MENU, SKINTYPE_COMBO, 0},

    {L"AnnouncementDlg", SKINOBJECT_MAX_BUTTON, SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"AnnouncementDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"AnnouncementDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"AnnouncementDlg", L"btnCheck", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"AnnouncementDlg", L"Announcement", SKINTYPE_TEXT, 0},

    {L"ChangePasswordDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"ChangePasswordDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"ChangePasswordDlg", L"editPasswordOld", SKINTYPE_EDIT, 0},
    {L"ChangePasswordDlg", L"editPasswordNew", SKINTYPE_EDIT, 0},
    {L"ChangePasswordDlg", L"editPasswordChk", SKINTYPE_EDIT, 0},

    {L"SettingPush", L"btnAlarm", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"group", -1, 0},
    {L"SettingPush", L"dateStart", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"SettingPush", L"dateEnd", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"SettingPush", L"btnMon", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnTue", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnWed", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnThu", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnFri", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnSat", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingPush", L"btnSun", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},

    // Application shell: settings window, rows and pages.
    {L"SettingDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"SettingDlg", L"List", -1, 0},
    {L"SettingDlg", L"Content", -1, 0},
    {L"SettingList", L"icon", SKINTYPE_IMAGE, 0},
    {L"SettingList", L"title", SKINTYPE_TEXT, 0},
    {L"SettingList", L"value", SKINTYPE_TEXT, 0},
    {L"SettingTouch", L"btnPen", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingTouch", L"editSensitive", SKINTYPE_EDIT, 0},
    {L"SettingTouch", L"editTrembling", SKINTYPE_EDIT, 0},
    {L"SettingCloseAlarm", L"Body", -1, 0},
    {L"SettingCloseAlarm", L"btn00", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingCloseAlarm", L"btn10", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingCloseAlarm", L"btn20", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingCloseAlarm", L"btn30", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingCloseAlarm", L"btn40", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingCloseAlarm", L"btn50", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"SettingVersion", L"textVersion", SKINTYPE_TEXT, 0},
    {L"SettingVersion", L"textBuild", SKINTYPE_TEXT, 0},
    {L"SettingVersion", L"menu", SKINTYPE_COMBO, 0},
    {L"UpgradeDlg", nullptr, -1, 0},
    {L"UpgradeDlg", L"areaProgress", SKINTYPE_TEXT, 0},
    {L"UpgradeDlg", L"areaStatus", SKINTYPE_TEXT, 0},
    {L"UpgradeDlg", L"btnCancel", SKINTYPE_BUTTON, 0},
    // Documents: the document viewer.
    {L"DocViewerDlg", L"textFileName", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", SKINOBJECT_MAX_BUTTON, SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"DocViewerDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"DocViewerDlg", L"Body", SKINTYPE_CUSTOM, 0},
    {L"DocViewerDlg", L"btnChange", SKINTYPE_BUTTON, 0},
    {L"DocViewerDlg", L"textWaiting", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textLoading", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textFail", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textShare", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textShare1", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textShare2", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"textShare3", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"Image", SKINTYPE_IMAGE, 0},
    {L"DocViewerDlg", L"textPage", SKINTYPE_TEXT, 0},
    {L"DocViewerDlg", L"btnPrev", SKINTYPE_BUTTON, 0},
    {L"DocViewerDlg", L"btnNext", SKINTYPE_BUTTON, 0},
    // The meeting's document list rows.
    {L"DocumentListCtrl", L"icon", SKINTYPE_IMAGE, 0},
    {L"DocumentListCtrl", L"titleNormal", SKINTYPE_TEXT, 0},
    {L"DocumentListCtrl", L"titleSelect", SKINTYPE_TEXT, 0},
    {L"DocumentListCtrl", L"btnDual", SKINTYPE_BUTTON, 0},
    {L"DocumentListCtrl", L"textRefDoc", SKINTYPE_TEXT, 0},
    {L"DocumentListCtrl", L"textRefCnt", SKINTYPE_TEXT, 0},
    // Report confirmation and opinion.
    {L"ReportConfirmDlg", L"Body", SKINTYPE_CUSTOM, 0},
    {L"ReportConfirmDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"ReportConfirmDlg", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"ReportConfirmDlg", L"isPaper", SKINTYPE_CUSTOM, 0},
    {L"ReportConfirmDlg", L"btnIsPaperT", SKINTYPE_BUTTON, 0},
    {L"ReportConfirmDlg", L"btnIsPaperF", SKINTYPE_BUTTON, 0},
    {L"ReportConfirmDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"ReportConfirmDlg", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"ReportOpinionDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"ReportOpinionDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"ReportOpinionDlg", L"btnCheck", -1, 0},
    {L"ReportOpinionDlg", L"editContent", SKINTYPE_EDIT, 0},
    // ---- Application shell: the skinned face of the title bar ----
    {L"TitleLayerDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnPresentation", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnMax", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnMin", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnMenu", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnRefresh", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnChat", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnFilebox", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnVideo", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"btnBack", SKINTYPE_BUTTON, 0},
    {L"TitleLayerDlg", L"textDesc", SKINTYPE_TEXT, 0},
    {L"TitleLayerDlg", L"textTitle", SKINTYPE_TEXT, 0},
    // Approval confirmation and the signature window.
    {L"ApprovalConfirmDlg", L"textName", SKINTYPE_TEXT, 0},
    {L"ApprovalConfirmDlg", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"ApprovalConfirmDlg", L"imgSignature", SKINTYPE_IMAGE, 0},
    {L"ApprovalConfirmDlg", L"textY", SKINTYPE_TEXT, 0},
    {L"ApprovalConfirmDlg", L"textN", SKINTYPE_TEXT, 0},
    {L"ApprovalConfirmDlg", L"textFail", SKINTYPE_TEXT, 0},
    {L"ApprovalConfirmDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"ApprovalConfirmDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"ApprovalConfirmDlg", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"ApprovalSignDlg", L"textFail", SKINTYPE_TEXT, 0},
    {L"ApprovalSignDlg", L"imgSignature", SKINTYPE_IMAGE, 0},
    {L"ApprovalSignDlg", L"btnAdd", SKINTYPE_BUTTON, 0},
    {L"ApprovalSignDlg", L"btnDel", SKINTYPE_BUTTON, 0},
    {L"ApprovalSignDlg", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"ApprovalSignDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    // ---- Meeting screen: information side panel ----
    {L"InfoLayerTab", L"btnHide", SKINTYPE_BUTTON, 0},
    {L"InfoLayerTab", L"btnMeeting", SKINTYPE_BUTTON, 0},
    {L"InfoLayerTab", L"btnReporting", SKINTYPE_BUTTON, 0},
    {L"InfoLayerTab", L"btnThumbnail", SKINTYPE_BUTTON, 0},
    {L"InfoLayerTab", L"btnBookmark", SKINTYPE_BUTTON, 0},

    // ---- Meeting list screen ----
    {L"MainListItem", L"btnMore", SKINTYPE_BUTTON, 0},
    {L"MainListItemEmpty", L"textMeeting", SKINTYPE_TEXT, 0},
    {L"MainListItemEmpty", L"textReport", SKINTYPE_TEXT, 0},
    {L"MainSearch", L"Body", SKINTYPE_CUSTOM, 0},
    {L"MainSearch", L"dtStartDate", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"MainSearch", L"dtEndDate", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"MainSearch", L"editSearchbox", SKINTYPE_EDIT, 0},
    {L"MainSearch", L"btnSearch", SKINTYPE_BUTTON, 0},
    {L"MainSearch", L"btnSearchCancel", SKINTYPE_BUTTON, 0},
    // ---- Meeting detail and minutes ----
    {L"DetailLayer", L"Left", SKINTYPE_CUSTOM, 0},
    {L"DetailLayer", L"textTitle", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"imgReportPaperT", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"imgReportPaperF", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"List", SKINTYPE_CUSTOM, 0},
    {L"DetailLayer", L"textStatus", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"btnReportConfirm", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnReportStart", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnReportEnd", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnFeedbackUpdate", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnStart", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnEnd", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"btnRestart", SKINTYPE_BUTTON, 0},
    {L"DetailLayer", L"groupTime", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"textTime", SKINTYPE_TEXT, 0},
    {L"DetailLayer", L"comboFileAdd", SKINTYPE_COMBO, 0},
    {L"DetailListItemLoc", L"textDesc", SKINTYPE_TEXT, 0},
    {L"DetailListItemDat", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemDat", L"timeFrom", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemDat", L"timeTo", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportRequest", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportRequest", L"time", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportRequest", L"icon", SKINTYPE_TEXT, 0},
    {L"DetailListItemReportConfirm", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportConfirm", L"time", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportConfirm", L"icon", SKINTYPE_TEXT, 0},
    {L"DetailListItemReportEnd", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportEnd", L"time", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"DetailListItemReportEnd", L"icon", SKINTYPE_TEXT, 0},
    {L"DetailListItemAttReport", L"textDesc", SKINTYPE_TEXT, 0},
    {L"DetailListItemAttReport", L"btnAddFile", SKINTYPE_BUTTON, 0},
    {L"DetailListItemAtt", L"textDesc", SKINTYPE_TEXT, 0},
    {L"DetailListItemAtt", L"btnWb", SKINTYPE_BUTTON, 0},
    {L"DetailListItemAtt", L"btnAddFile", SKINTYPE_BUTTON, 0},
    {L"DetailListItemRef", L"textDesc", SKINTYPE_TEXT, 0},
    {L"DetailListItemFile", L"imgNote", SKINTYPE_IMAGE, 0},
    {L"DetailListItemFile", L"image", SKINTYPE_IMAGE, 0},
    {L"DetailListItemFile", L"textName", SKINTYPE_TEXT, 0},
    {L"DetailListItemFile", L"textNameOpen", SKINTYPE_TEXT, 0},
    {L"DetailListItemFile", L"textNameConv", SKINTYPE_TEXT, 0},
    {L"DetailListItemFile", L"textNameConvOpen", SKINTYPE_TEXT, 0},
    {L"DetailListItemFile", L"btnAddFilebox", SKINTYPE_BUTTON, 0},
    {L"DetailListItemFile", L"btnFeedback", SKINTYPE_BUTTON, 0},
    {L"DetailListItemFile", L"btnFavorite", SKINTYPE_BUTTON, SKINLOOKUP_TOGGLE},
    {L"DetailListItemCon", L"textDesc", SKINTYPE_TEXT, 0},
    {L"DetailChatPopup", L"List", SKINTYPE_CUSTOM, 0},
    // ---- Chat and attendees ----
    {L"MemberLayer", L"imgProfile", SKINTYPE_IMAGE, 0},
    {L"MemberLayer", L"textName", SKINTYPE_TEXT, 0},
    {L"MemberLayer", L"textDesc", SKINTYPE_TEXT, 0},
    {L"MemberLayer", L"textNameP", SKINTYPE_TEXT, 0},
    {L"MemberLayer", L"textDescP", SKINTYPE_TEXT, 0},
    {L"MemberLayer", L"btnHost", SKINTYPE_BUTTON, 0},
    {L"MemberLayer", L"iconHost", SKINTYPE_IMAGE, 0},
    {L"MemberLayer", L"btnBgHost", SKINTYPE_BUTTON, 0},
    {L"MemberLayer", L"iconConfirmY", SKINTYPE_IMAGE, 0},
    {L"MemberLayer", L"iconConfirmN", SKINTYPE_IMAGE, 0},
    {L"MemberLayer", L"textCount", SKINTYPE_TEXT, 0},
    {L"MemberLayer", L"btnAddUser", SKINTYPE_BUTTON, 0},
    {L"MemberLayer", L"search", SKINTYPE_EDIT, 0},
    {L"MemberLayer", L"btnSearchClear", SKINTYPE_BUTTON, 0},
    {L"MemberLayer", L"List", -1, 0},
    {L"MemberLayerReport", L"textIsPaperT", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textIsPaperF", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"imgProfileApprover", SKINTYPE_IMAGE, 0},
    {L"MemberLayerReport", L"textNameApprover", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textDescApprover", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textNameApproverP", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textDescApproverP", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"btnApprover", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"iconApprover", SKINTYPE_IMAGE, 0},
    {L"MemberLayerReport", L"btnBgApprover", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"imgProfileReporter", SKINTYPE_IMAGE, 0},
    {L"MemberLayerReport", L"textNameReporter", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textDescReporter", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textNameReporterP", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"textDescReporterP", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"btnReporter", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"iconReporter", SKINTYPE_IMAGE, 0},
    {L"MemberLayerReport", L"btnBgReporter", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"textCount", SKINTYPE_TEXT, 0},
    {L"MemberLayerReport", L"btnAddUser", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"search", SKINTYPE_EDIT, 0},
    {L"MemberLayerReport", L"btnSearchClear", SKINTYPE_BUTTON, 0},
    {L"MemberLayerReport", L"List", -1, 0},
    {L"MemberListItem", L"ColorP", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"Color", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"textNameP", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"textDescP", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"textName", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"textDesc", SKINTYPE_TEXT, 0},
    {L"MemberListItem", L"iconHost", SKINTYPE_IMAGE, 0},
    {L"MemberListItem", L"btnHost", SKINTYPE_BUTTON, 0},
    {L"MemberListItem", L"iconConfirmY", SKINTYPE_IMAGE, 0},
    {L"MemberListItem", L"iconConfirmN", SKINTYPE_IMAGE, 0},
    {L"ProfileDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"ProfileDlg", L"imgProfile", SKINTYPE_IMAGE, 0},
    {L"ProfileDlg", L"textName", SKINTYPE_TEXT, 0},
    {L"ProfileDlg", L"textPosition", SKINTYPE_TEXT, 0},
    {L"ProfileDlg", L"textDepart", SKINTYPE_TEXT, 0},
    {L"ProfileDlg", L"imgEmail", SKINTYPE_IMAGE, 0},
    {L"ProfileDlg", L"textEmail", SKINTYPE_TEXT, 0},
    {L"ProfileDlg", L"imgOffice", SKINTYPE_IMAGE, 0},
    {L"ProfileDlg", L"textOffice", SKINTYPE_TEXT, 0},
    {L"ProfileDlg", L"imgMobile", SKINTYPE_IMAGE, 0},
    {L"ProfileDlg", L"textMobile", SKINTYPE_TEXT, 0},
    {L"ReportOpinionDlg", L"editContent", SKINTYPE_EDIT, 0},    // ---- Whiteboard tools ----
    {L"StickyNoteDlg", L"btnFontUp", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"btnFontDn", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"btnEditMode", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"btnDrawMode", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"btnSave", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"btnClose", SKINTYPE_BUTTON, 0},
    {L"StickyNoteDlg", L"date", SKINTYPE_DATE, SKINLOOKUP_DATE_FORMAT},
    {L"StickyNoteDlg", L"edit", SKINTYPE_EDIT, 0},
    {L"StickyNoteDlg", L"Body", SKINTYPE_CUSTOM, 0},
    {L"StickyNoteDlg", L"textFail", SKINTYPE_TEXT, 0},
    {L"DrawToolMain", L"btnMovemode", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnPen", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnHighlighter", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnEraser", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnSelectedColor1", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnSelectedColor2", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnSelectedColor3", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnThickness", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnLineType", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnUndo", SKINTYPE_BUTTON, 0},
    {L"DrawToolMain", L"btnRedo", SKINTYPE_BUTTON, 0},
    {L"DrawToolColor", L"Color", SKINTYPE_BUTTON, 0},
    {L"DrawToolColor", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"DrawToolColor", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"DrawToolEraser", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"DrawToolEraser", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn1", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn2", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn3", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn4", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn5", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btn6", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"DrawToolLinetype", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"DrawToolThickness", L"btnOK", SKINTYPE_BUTTON, 0},
    {L"DrawToolThickness", L"btnCancel", SKINTYPE_BUTTON, 0},
    {L"DrawToolColor", L"check", -1, 0},
    {L"DrawToolLinetype", L"check", -1, 0},
    {L"DrawToolThickness", L"line", -1, 0},
    {L"DrawToolThickness", L"dot", -1, 0},
    {L"DrawToolThickness", L"Title", SKINTYPE_TEXT, 0},
};

void CheckPicture(const CString& strPath, const CString& strWhere, CStringArray& problems)
{
    if (strPath.IsEmpty())
        return;
    const DWORD attributes = ::GetFileAttributesW(strPath.GetString());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        problems.Add(strWhere + L": picture not found: " + strPath);
}

void CheckPictures(const SKIN_SCREEN& screen, CStringArray& problems)
{
    CheckPicture(screen.m_strBgImage, screen.m_strName, problems);
    screen.m_objects.ForEach([&](const SKIN_OBJECT& o) {
        const CString where = screen.m_strName + L"/" + o.m_strName;
        CheckPicture(o.m_button.m_strImageOut, where, problems);
        CheckPicture(o.m_button.m_strImageOver, where, problems);
        CheckPicture(o.m_image.m_strBgImage, where, problems);
        CheckPicture(o.m_combo.m_strBgImage, where, problems);
        o.m_image.m_files.ForEach([&](const SKIN_FILE& f) { CheckPicture(f.m_image.m_strPath, where, problems); });
        o.m_combo.m_files.ForEach([&](const SKIN_FILE& f) { CheckPicture(f.m_image.m_strPath, where, problems); });
        o.m_custom.ForEach([&](const SKIN_CUSTOM& c) { CheckPicture(c.m_image.m_strPath, where, problems); });
    });
}

} // namespace

const SKIN_LOOKUP* GetSkinLookups(int& nCount)
{
    nCount = int(sizeof(kLookups) / sizeof(kLookups[0]));
    return kLookups;
}

int CheckSkinLookups(const CSkinManager& skin, CStringArray& problems)
{
    problems.RemoveAll();
    int count = 0;
    const SKIN_LOOKUP* lookups = GetSkinLookups(count);
    for (int i = 0; i < count; ++i) {
        const SKIN_LOOKUP& l = lookups[i];
        const SKIN_SCREEN* screen = skin.m_screens.FindByName(l.pszScreen);
        if (!screen) {
            problems.Add(CString(L"screen missing: ") + l.pszScreen);
            continue;
        }
        if (!l.pszObject)
            continue;
        const CString where = CString(l.pszScreen) + L"/" + l.pszObject;
        const SKIN_OBJECT* o = screen->FindObject(l.pszObject);
        if (!o) {
            problems.Add(L"object missing: " + where);
            continue;
        }
        if (l.nType >= 0 && o->m_nType != l.nType) {
            CString line;
            line.Format(L"%s: type %d, expected %d", where.GetString(), o->m_nType, l.nType);
            problems.Add(line);
        }
        if ((l.nDemands & SKINLOOKUP_TOGGLE) && !o->m_button.IsToggle())
            problems.Add(where + L": not a toggle button");
        if ((l.nDemands & SKINLOOKUP_DATE_FORMAT) && o->m_date.m_strFormat.Find(L'|') < 0)
            problems.Add(where + L": DATE_FORMAT without \"|\" shows nothing");
        if (!o->m_nVisible && l.nType != SKINTYPE_COMBO)
            problems.Add(where + L": not VISIBLE");
    }
    skin.m_screens.ForEach([&](const SKIN_SCREEN& s) { CheckPictures(s, problems); });
    return int(problems.GetSize());
}
