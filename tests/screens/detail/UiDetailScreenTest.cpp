// The meeting detail screen as a user meets it, against the local test servers: the detail of
// each kind and status, each action with the request it sends and the screen after the reply,
// uploads, joining an open meeting, the chat pop-up and the pushes.
#include "tests/screens/detail/DetailTestSupport.h"

#include <gtest/gtest.h>

#include "core/ClientMessages.h"
#include "core/LoginManager.h"
#include "features/approvals/ReportDialogs.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
#include "net/protocol/TasClientManager.h"
#include "platform/FileDialog.h"
#include "resources/resource.h"
#include "screens/detail/DetailChatPopup.h"
#include "screens/detail/DetailListCtrl.h"
#include "tests/support/TestSupport.h"
#include "ui/controls/MySkinComboDlg.h"
#include "ui/controls/PopupAnswer.h"
#include "tests/platform/UiTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace detailtest {
namespace {

CString Text(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

std::vector<CString> RowTemplates(CDetailLayer* pScreen)
{
    std::vector<CString> out;
    CDetailListCtrl* pList = pScreen->GetList();
    for (int i = 0; i < pList->GetItemCount(); ++i)
        out.push_back(pList->FindItem(i)->pScreen->m_strName);
    return out;
}

int RowOfDocument(CDetailLayer* pScreen, const wchar_t* id)
{
    CDetailListCtrl* pList = pScreen->GetList();
    for (int i = 0; i < pList->GetItemCount(); ++i) {
        CMeetingDocument* d = CDetailListCtrl::GetRowDocument(pList->FindItem(i));
        if (d && d->GetFileId() == id)
            return i;
    }
    return -1;
}

class DetailScreen : public DetailScreenTest {};

// The rows, the status line and the one action button of each kind of meeting the user meets.
TEST_F(DetailScreen, EveryKindAndStatusShowsItsRowsStatusAndButton)
{
    struct Case {
        const char* id;
        const wchar_t* button;       // the one action button shown, or null
        CString status;              // the status line, or empty when hidden
        std::vector<CString> rows;
    };
    const CString dat = L"DetailListItemDat", loc = L"DetailListItemLoc", att = L"DetailListItemAtt",
                  file = L"DetailListItemFile", ref = L"DetailListItemRef", con = L"DetailListItemCon";
    const Case cases[] = {
        {"101", L"btnEnd", CString(), {dat, loc, att, file, ref, file, con}},          // running, host
        {"102", nullptr, Text(IDS_DETAIL_NOT_STARTED), {dat, loc, att, file, file, con}},   // not started, guest
        {"103", nullptr, Text(IDS_DETAIL_ENDED), {dat, loc, att, file, con}},        // ended, guest
        {"107", L"btnStart", CString(), {dat, loc, att, file, con}},                   // not started, host
        {"105", L"btnReportEnd", CString(),
         {L"DetailListItemReportConfirm", L"DetailListItemAttReport", file, con}},     // report 12, reporter
    };
    const wchar_t* buttons[] = {L"btnReportConfirm", L"btnReportStart", L"btnReportEnd", L"btnFeedbackUpdate",
                                L"btnStart", L"btnEnd", L"btnRestart"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Show(c.id, ZEL_MODE_MEETING);
        EXPECT_EQ(RowTemplates(m_pScreen), c.rows);
        for (const wchar_t* b : buttons)
            EXPECT_EQ(m_pScreen->IsObjectShown(b), c.button && CString(b) == c.button) << CStringA(b).GetString();
        EXPECT_EQ(m_pScreen->IsObjectShown(L"textStatus"), !c.status.IsEmpty());
        if (!c.status.IsEmpty())
            EXPECT_EQ(m_pScreen->GetObjectText(L"textStatus"), c.status);
        EXPECT_EQ(m_pScreen->GetObjectText(L"textTitle"), m_pScreen->GetMeeting()->GetTitle());
        EXPECT_FALSE(m_pScreen->GetMeeting()->GetTitle().IsEmpty());
        if (CString(c.id) == L"101")
            EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"meeting_detail"));
        if (CString(c.id) == L"105") {
            EXPECT_TRUE(m_pScreen->IsObjectShown(L"imgReportPaperF"));
            EXPECT_FALSE(m_pScreen->IsObjectShown(L"imgReportPaperT"));
            EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"report_detail"));
        }
    }
    // Only the running meeting and the running report were attended.
    const Json::Value attendance = Requests("M00000047");
    ASSERT_EQ(attendance.size(), 2u);
    EXPECT_EQ(attendance[0]["body"]["mtngId"].asString(), "101");
    EXPECT_EQ(attendance[1]["body"]["mtngId"].asString(), "105");
    EXPECT_EQ(attendance[1]["body"]["attendanceYn"].asString(), "Y");
}

TEST_F(DetailScreen, TheDocumentRowsCarryTheirTypePictureNameAndFavourite)
{
    Show("101", ZEL_MODE_MEETING);
    const int nRow = RowOfDocument(m_pScreen, L"D1012");
    ASSERT_GE(nRow, 0);
    SKIN_SCREEN* pRow = m_pScreen->GetList()->FindItem(nRow)->pScreen;
    EXPECT_EQ(pRow->FindObject(L"image")->m_image.m_nCurFile, 17);   // .xlsx
    EXPECT_EQ(pRow->FindObject(L"textNameConvOpen")->m_nVisible, 1);
    EXPECT_EQ(pRow->FindObject(L"textNameConvOpen")->m_text.m_strText, CString(L"\xCC38\xACE0\xC790\xB8CC_\xC608\xC0B0\xC9D1\xD589\xD604\xD669.xlsx"));
    for (const wchar_t* other : {L"textName", L"textNameOpen", L"textNameConv"})
        EXPECT_TRUE(pRow->FindObject(other)->m_text.m_strText.IsEmpty()) << "only the converted-and-open name shows";
    EXPECT_EQ(pRow->FindObject(L"btnAddFilebox")->m_nVisible, 0);
    // The attachments header counts the documents that are not references; the host may add.
    MYLIST_ITEM* pAtt = m_pScreen->GetList()->FindRowOfKind(DETAIL_ROW_ATTACHMENTS);
    ASSERT_NE(pAtt, nullptr);
    EXPECT_NE(pAtt->pScreen->FindObject(L"textDesc")->m_text.m_strText.Find(L"1"), -1);
    EXPECT_EQ(pAtt->pScreen->FindObject(L"btnAddFile")->m_nVisible, 1);
    EXPECT_EQ(pAtt->pScreen->FindObject(L"btnWb")->m_nVisible, 1);

    // The favourite: clicked, the server hears the new state.
    ClickRowObject(nRow, L"btnFavorite");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000096", 1));
    EXPECT_EQ(LastBody("M00000096")["attcFileId"].asString(), "D1012");
    EXPECT_EQ(LastBody("M00000096")["favoriteYn"].asString(), "Y");

    // A refused favourite says so and asks the documents again.
    std::vector<CString> shown;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) { shown.push_back(q.strText); return 1; });
    Rule("M00000096", 9);
    ClickRowObject(nRow, L"btnFavorite");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000008", 1));
    SetPopupAnswerHook(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], CString(L"\xC11C\xBC84\xC624\xB958\xAC00 \xBC1C\xC0DD\xD588\xC2B5\xB2C8\xB2E4."));
    EXPECT_EQ(LastBody("M00000008")["fileType"].asString(), "10");
}

// A row button's click is posted; a refresh whose reply the socket worker sends meanwhile is
// handled first and replaces every row and document. The click then finds its row gone and acts
// on nothing (it read the freed row before); a click on the new row acts as ever.
TEST_F(DetailScreen, ARowButtonClickedJustBeforeARefreshActsOnNoRowThatIsGone)
{
    Show("101", ZEL_MODE_MEETING);
    int nRow = RowOfDocument(m_pScreen, L"D1012");
    ASSERT_GE(nRow, 0);
    const size_t nDetails = Requests("M00000005").size();
    // The attendees' reply (asked first) waits, so that the meeting's reply is the worker's next.
    Json::Value hold;
    hold["cmd"] = "hold";
    hold["msg"] = "M00000004";
    Control(hold);
    ClickRowObject(nRow, L"btnFavorite");
    m_pScreen->RefreshDetail();
    // The reply waits in the worker's SendMessage, which the next pump serves before posts.
    const DWORD start = ::GetTickCount();
    while (Requests("M00000005").size() <= nDetails && ::GetTickCount() - start < 10000) ::Sleep(50);
    ::Sleep(500);
    Pump(300);
    Command("release");
    ASSERT_TRUE(WaitForLoad());
    Pump(300);
    EXPECT_TRUE(Requests("M00000096").empty()) << LastBody("M00000096").toStyledString();

    nRow = RowOfDocument(m_pScreen, L"D1012");
    ASSERT_GE(nRow, 0);
    ClickRowObject(nRow, L"btnFavorite");
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000096", 1));
    EXPECT_EQ(LastBody("M00000096")["attcFileId"].asString(), "D1012");
}

TEST_F(DetailScreen, ARunningMeetingOpenedFromTheListFollowsThePresentersDocument)
{
    // The presenter shows nothing: the detail stays and the loading ends.
    Show("101", ZEL_MODE_LIST);
    ASSERT_EQ(Requests("M00000021").size(), 1u);
    EXPECT_EQ(m_main.nMode, ZEL_MODE_DETAIL);
    EXPECT_FALSE(m_pScreen->IsLoading());

    // The presenter shows a document: straight into the meeting screen, following.
    Json::Value body;
    body["mtngStatus"] = "02";
    body["attcFileId"] = "D1011";
    body["page"] = 3;
    Rule("M00000021", 0, body);
    Show("101", ZEL_MODE_LIST);
    EXPECT_TRUE(m_main.Has(L"mode 2 [101]"));
    EXPECT_TRUE(m_main.meeting.bFollowOnEntry);
    EXPECT_EQ(m_main.meeting.nWhiteboardShares, 0);

    // Back from the meeting screen: no presenter question.
    Show("101", ZEL_MODE_MEETING);
    EXPECT_EQ(Requests("M00000021").size(), 2u);
}

// Each action button: the question, the request the server received, what the screen does after.
TEST_F(DetailScreen, EveryActionButtonSendsItsStatusChange)
{
    struct Case {
        const char* id;
        const wchar_t* button;
        int answer;
        const char* status;       // the mtngStatus sent, or null: nothing sent
        const char* reptYn;
        const char* feedbackYn;
        bool refreshAfterReply;
        const char* restore;      // the status the data set had
    };
    const Case cases[] = {
        {"107", L"btnStart", IDCANCEL, nullptr, "", "", false, "01"},
        {"107", L"btnStart", IDOK, "02", "N", "N", false, "01"},
        {"101", L"btnEnd", IDOK, "04", "N", "N", false, "02"},
        {"105", L"btnReportEnd", IDCANCEL, "14", "N", "N", true, "12"},
        {"105", L"btnReportEnd", IDOK, "14", "N", "Y", false, "12"},
    };
    CTasClientManager* tas = CTasClientManager::GetInstance();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << CStringA(c.button).GetString() << " " << c.answer);
        Show(c.id, ZEL_MODE_MEETING);
        Command("clear_log");
        m_main.calls.clear();
        m_main.answers = {c.answer};
        ClickObject(c.button);
        Pump(300);
        const Json::Value sent = Requests("M00000017");
        if (!c.status) {
            EXPECT_EQ(sent.size(), 0u);
            continue;
        }
        ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000017", 1));
        const Json::Value b = LastBody("M00000017");
        EXPECT_EQ(b["mtngId"].asString(), c.id);
        EXPECT_EQ(b["mtngStatus"].asString(), c.status);
        EXPECT_EQ(b["mtngReptYn"].asString(), c.reptYn);
        EXPECT_EQ(b["feedbackYn"].asString(), c.feedbackYn);
        EXPECT_EQ(b["userIdnfr"].asInt(), 1001);
        ASSERT_TRUE(WaitForLoad());
        // A "no" to sharing ends the report at once and shows the new state from the reply.
        EXPECT_EQ(Requests("M00000005").size(), c.refreshAfterReply ? 1u : 0u);
        if (CString(c.button) == L"btnEnd") {
            const int watch = m_main.IndexOf(L"watch 101");
            ASSERT_GE(watch, 0) << "the end is announced to the main dialog before it is sent";
            EXPECT_GT(m_main.IndexOf(L"clear remain"), watch);
        }
        if (CString(c.button) == L"btnStart")
            EXPECT_GE(m_main.IndexOf(L"remain "), 0);
        tas->RequestM00000017(CString(c.id), CString(c.id) == L"105" ? L"30" : L"10", CString(c.restore), FALSE,
                              L"", FALSE, FALSE);
        WaitForFrames("tas", nullptr, "M00000017", 2);
        Pump(200);
    }
}

TEST_F(DetailScreen, AFileWithAKoreanNameIsUploadedAsAForm)
{
    Show("101", ZEL_MODE_MEETING);
    const std::wstring folder = zeltest::BinaryDir() + L"\\detail_upload";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\\xD68C\xC758\xC790\xB8CC_\xC608\xC0B0.pdf";
    ASSERT_TRUE(zeltest::WriteFileBytes(path, std::string("%PDF-1.4\n% detail upload\n")));
    CFileDialog::SetTestHook([&](CFileDialog& dlg) {
        wcsncpy_s(dlg.m_ofn.lpstrFile, dlg.m_ofn.nMaxFile, path.c_str(), _TRUNCATE);
        return (INT_PTR)IDOK;
    });
    Command("clear_log");
    m_pScreen->UploadFile();
    const Json::Value posts = HttpRequests();
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0]["path"].asString(), "/brindlecast/rest/fileRestService/upload");
    EXPECT_EQ(posts[0]["agent"].asString(), "myagnt");
    const Json::Value& parts = posts[0]["parts"];
    ASSERT_EQ(parts.size(), 6u);
    const char* names[] = {"mtngId", "userId", "bizGubnCd", "locale", "Filename", "Filedata"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(parts[i]["name"].asString(), names[i]);
    EXPECT_EQ(parts[0]["value"].asString(), "101");
    EXPECT_EQ(parts[1]["value"].asString(), "1001");
    EXPECT_EQ(parts[4]["value"].asString(), zeltest::Narrow(L"\xD68C\xC758\xC790\xB8CC_\xC608\xC0B0.pdf"));
    EXPECT_EQ(parts[5]["filename"].asString(), zeltest::Narrow(L"\xD68C\xC758\xC790\xB8CC_\xC608\xC0B0.pdf"));
    ASSERT_FALSE(m_main.toasts.empty());
    EXPECT_EQ(m_main.toasts.back(), Text(IDS_DETAIL_UPLOAD_DONE));
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000008", 1)) << "the list shows the new document";

    // An answer with "200" only inside a longer number is a failure, and nothing is reloaded.
    Command("clear_log");
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "http";
    rule["answer"] = "{\"code\":\"12003\",\"filePath\":\"\"}";
    Control(rule);
    m_pScreen->UploadFile();
    EXPECT_EQ(m_main.toasts.back(), Text(IDS_DETAIL_UPLOAD_FAILED));
    Pump(300);
    EXPECT_EQ(Requests("M00000008").size(), 0u);
}

TEST_F(DetailScreen, ARefusedJoinLeavesTheUserOutside)
{
    // The open meeting the user does not attend: opening it asks to join, and the server refuses.
    Rule("M00000038", 7);
    Show("106", ZEL_MODE_MEETING);
    ASSERT_TRUE(m_pScreen->GetMeeting()->GetType13Flag());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000038", 1));
    ASSERT_TRUE(WaitForLoad());
    const Json::Value join = LastBody("M00000038");
    EXPECT_EQ(join["isMtngOpenMode"].asString(), "Y");
    EXPECT_EQ(join["mtngId"].asString(), "106");
    Pump(300);
    EXPECT_EQ(Requests("M00000004").size(), 1u) << "a refused join asks for no new attendee list";
    EXPECT_EQ(m_pScreen->GetMeeting()->GetPresenceYn(), 0);
}

TEST_F(DetailScreen, TheChatPopUpShowsTheHistoryAndPushedMessagesWhileOpen)
{
    Show("101", ZEL_MODE_MEETING);
    CDetailChatPopup* pPopup = m_pScreen->GetChatPopup();
    ASSERT_NE(pPopup->GetChat(), nullptr);
    Command("clear_log");
    m_pScreen->ToggleChatPopup();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000032", 1));
    ASSERT_TRUE(WaitForLoad());
    EXPECT_TRUE(m_pScreen->IsChatPopupVisible());
    EXPECT_EQ(pPopup->GetChatItemCount(), 3);
    EXPECT_EQ(m_main.title.chatStates.back(), 1);
    CRect rcPopup, rcScreen;
    pPopup->GetWindowRect(&rcPopup);
    m_pScreen->GetWindowRect(&rcScreen);
    EXPECT_EQ(rcPopup.Width(), CDetailChatPopup::POPUP_WIDTH);
    EXPECT_EQ(rcPopup.right, rcScreen.right);
    EXPECT_EQ(rcPopup.Height(), rcScreen.Height());

    m_pScreen->OnPushSync03(L"\xC774\xC11C\xC5F0", L"20270304", L"10:00", L"\xC790\xB8CC \xC62C\xB838\xC2B5\xB2C8\xB2E4");
    EXPECT_EQ(pPopup->GetChatItemCount(), 4);
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"detail_chat_popup"));

    // A left press inside the pop-up keeps it; one outside hides it.
    RAWINPUT raw = {};
    raw.header.dwType = RIM_TYPEMOUSE;
    raw.data.mouse.usButtonFlags = RI_MOUSE_LEFT_BUTTON_DOWN;
    ::SetCursorPos(rcPopup.CenterPoint().x, rcPopup.CenterPoint().y);
    m_pScreen->OnRawMouseInput(&raw);
    EXPECT_TRUE(m_pScreen->IsChatPopupVisible());
    raw.data.mouse.usButtonFlags = RI_MOUSE_LEFT_BUTTON_UP;
    ::SetCursorPos(100, 300);
    m_pScreen->OnRawMouseInput(&raw);
    EXPECT_TRUE(m_pScreen->IsChatPopupVisible()) << "only a press counts";
    raw.data.mouse.usButtonFlags = RI_MOUSE_LEFT_BUTTON_DOWN;
    m_pScreen->OnRawMouseInput(&raw);
    EXPECT_FALSE(m_pScreen->IsChatPopupVisible());
    // Shown again, it is bound anew and asks the history again.
    m_pScreen->ToggleChatPopup();
    ASSERT_TRUE(m_pScreen->IsChatPopupVisible());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000032", 2));
    ASSERT_TRUE(WaitForLoad());
    EXPECT_EQ(pPopup->GetChatItemCount(), 3);
    m_pScreen->OnPushSync03(L"\xC774\xC11C\xC5F0", L"20270304", L"10:00", L"\xD655\xC778");
    EXPECT_EQ(pPopup->GetChatItemCount(), 4);
    m_pScreen->ToggleChatPopup();
    EXPECT_FALSE(m_pScreen->IsChatPopupVisible());
    m_pScreen->OnPushSync03(L"\xC774\xC11C\xC5F0", L"20270304", L"10:01", L"hello");
    EXPECT_EQ(pPopup->GetChatItemCount(), 4) << "a hidden pop-up's message goes to the tray";
    EXPECT_TRUE(m_main.Has(L"tray \xC774\xC11C\xC5F0: hello"));

    // An ended meeting's chat is read, not written.
    Show("103", ZEL_MODE_MEETING);
    m_pScreen->ToggleChatPopup();
    WaitForLoad();
    EXPECT_TRUE(m_pScreen->IsChatPopupVisible());
    m_pScreen->ClosePopups();
    EXPECT_FALSE(m_pScreen->IsChatPopupVisible());
}

// The add-file button opens the drop-down at the button; dismissed, it does nothing.
TEST_F(DetailScreen, TheAddFileButtonOpensItsDropDown)
{
    Show("101", ZEL_MODE_MEETING);
    uitest::Watchdog watchdog(15000);
    int nDropDowns = 0;
    CWnd::SetModalLoopHook([&](CWnd* pWnd) {
        CMySkinComboDlg* pDrop = dynamic_cast<CMySkinComboDlg*>(pWnd);
        if (!pDrop)
            return;
        ++nDropDowns;
        pDrop->EndDialog(IDCANCEL);
    });
    int nDialogs = 0;
    CFileDialog::SetTestHook([&](CFileDialog&) { ++nDialogs; return (INT_PTR)IDCANCEL; });
    MYLIST_ITEM* pAtt = m_pScreen->GetList()->FindRowOfKind(DETAIL_ROW_ATTACHMENTS);
    ASSERT_NE(pAtt, nullptr);
    ClickRowObject(pAtt->nIndex, L"btnAddFile");
    ASSERT_TRUE(PumpUntil([&] { return nDropDowns == 1; }, 5000));
    Pump(200);
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(nDialogs, 0);
    EXPECT_FALSE(m_main.Has(L"data box"));
}

// The report confirmation: the dialog's time and paper choice, then a last question.
TEST_F(DetailScreen, AConfirmedReportSendsTheChosenTimeAndPaperChoice)
{
    Show("105", ZEL_MODE_MEETING);
    uitest::Watchdog watchdog(15000);
    CWnd::SetModalLoopHook([&](CWnd* pWnd) {
        CReportConfirmDlg* pDlg = dynamic_cast<CReportConfirmDlg*>(pWnd);
        if (!pDlg)
            return;
        const SKIN_OBJECT* pOk = pDlg->m_Screen.FindObject(L"btnOK");
        ASSERT_NE(pOk, nullptr);
        skintest::Click(pDlg->GetSafeHwnd(), pOk->m_rcObject.CenterPoint().x, pOk->m_rcObject.CenterPoint().y);
    });
    Command("clear_log");
    m_main.answers = {IDOK};
    m_pScreen->ProcReportConfirm();
    CWnd::SetModalLoopHook(nullptr);
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000017", 1));
    const Json::Value b = LastBody("M00000017");
    EXPECT_EQ(b["mtngStatus"].asString(), "12");
    EXPECT_EQ(b["mtngType"].asString(), "30");
    EXPECT_EQ(b["dateTime"].asString().size(), 14u);
    EXPECT_EQ(b["dateTime"].asString().substr(12), "00");
    EXPECT_FALSE(b["isPaper"].asBool());
    EXPECT_TRUE(m_main.Has(L"question \xD574\xB2F9 \xBCF4\xACE0\xB97C \xD655\xC815\xD558\xC2DC\xACA0\xC2B5\xB2C8\xAE4C?"));
    // Declined at the last question: nothing is sent.
    Command("clear_log");
    m_main.answers = {IDCANCEL};
    CWnd::SetModalLoopHook([&](CWnd* pWnd) {
        if (CReportConfirmDlg* pDlg = dynamic_cast<CReportConfirmDlg*>(pWnd)) {
            const SKIN_OBJECT* pOk = pDlg->m_Screen.FindObject(L"btnOK");
            skintest::Click(pDlg->GetSafeHwnd(), pOk->m_rcObject.CenterPoint().x, pOk->m_rcObject.CenterPoint().y);
        }
    });
    m_pScreen->ProcReportConfirm();
    CWnd::SetModalLoopHook(nullptr);
    Pump(300);
    EXPECT_EQ(Requests("M00000017").size(), 0u);
}

// A document not yet converted is not opened: the server is asked to convert it.
TEST_F(DetailScreen, ADocumentNotYetConvertedIsSentForConversion)
{
    Show("101", ZEL_MODE_MEETING);
    Json::Value d;
    d["attcFileId"] = "D1011";
    d["attcFileName"] = zeltest::Narrow(L"\xBBF8\xBCC0\xD658.pptx");
    d["attcFileConvCompYn"] = "N";
    d["attcFileConvSuccYn"] = "N";
    CMeetingDocument doc;
    doc.LoadFromJson(d);
    Command("clear_log");
    m_main.calls.clear();
    m_pScreen->OpenDocument(&doc, 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000046", 1));
    EXPECT_EQ(LastBody("M00000046")["attcFileId"].asString(), "D1011");
    EXPECT_EQ(LastBody("M00000046")["appVersion"].asString(), "1.0");
    EXPECT_EQ(m_main.IndexOf(L"mode "), -1);
    ASSERT_FALSE(m_main.toasts.empty());
    EXPECT_EQ(m_main.toasts.back(), CString(L"\xD30C\xC77C\xBCC0\xD658\xC911\xC785\xB2C8\xB2E4. \xC7A0\xC2DC\xD6C4 \xB2E4\xC2DC \xC2DC\xB3C4\xD574 \xC8FC\xC138\xC694"));
}

TEST_F(DetailScreen, TheEdgesOfTheScreenResizeTheMainWindow)
{
    const struct { int x, y; LRESULT hit; } cases[] = {
        {2, 718, HTBOTTOMLEFT}, {1278, 718, HTBOTTOMRIGHT}, {2, 300, HTLEFT}, {1278, 300, HTRIGHT},
        {640, 718, HTBOTTOM}, {640, 300, HTNOWHERE}, {640, 2, HTNOWHERE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_pScreen->HitTestBorder(CPoint(c.x, c.y)), c.hit) << c.x << "," << c.y;
}

TEST_F(DetailScreen, StatePushesInARowMakeOneRefresh)
{
    Show("101", ZEL_MODE_MEETING);
    Command("clear_log");
    m_pScreen->OnPushBroadcast08();
    m_pScreen->OnPushBroadcast19();
    m_pScreen->OnPushBroadcast28();
    Pump(600);
    ASSERT_TRUE(WaitForLoad());
    EXPECT_EQ(Requests("M00000005").size(), 1u);
    EXPECT_EQ(Requests("M00000004").size(), 1u);
}

TEST_F(DetailScreen, ADetailTheServerRefusesReturnsToTheListAndAStaleReplyIsDropped)
{
    Rule("M00000005", 1);
    m_pScreen->SetPreviousMode(ZEL_MODE_LIST);
    m_pScreen->ShowMeeting(L"101");
    ASSERT_TRUE(PumpUntil([&] { return m_main.nMode == ZEL_MODE_LIST; }, 10000));
    EXPECT_EQ(m_main.IndexOf(L"confirm " + Text(IDS_DETAIL_LOAD_FAILED)), 0 + m_main.IndexOf(L"confirm "));
    EXPECT_FALSE(m_pScreen->IsLoading()) << "the wait cursor does not stay";

    // A late answer for another meeting changes nothing.
    Json::Value body;
    body["mtngId"] = "102";
    body["mtngTitl"] = "other";
    Rule("M00000005", 0, body);
    m_pScreen->SetPreviousMode(ZEL_MODE_MEETING);
    m_pScreen->ShowMeeting(L"103");
    Pump(1500);
    EXPECT_NE(m_pScreen->GetObjectText(L"textTitle"), CString(L"other"));
}

TEST_F(DetailScreen, ADocumentRowOpensTheMeetingScreenAtThatDocument)
{
    Show("101", ZEL_MODE_MEETING);
    const int nRow = RowOfDocument(m_pScreen, L"D1011");
    ASSERT_GE(nRow, 0);
    ClickRowObject(nRow, L"image");
    Pump(200);
    EXPECT_TRUE(m_main.Has(L"mode 2 [101]"));
    EXPECT_EQ(m_main.meeting.strEntryDocument, CString(L"D1011"));
    EXPECT_EQ(m_main.meeting.nEntry, 0);

    // The whiteboard button enters with the meeting's own board.
    m_main.calls.clear();
    MYLIST_ITEM* pAtt = m_pScreen->GetList()->FindRowOfKind(DETAIL_ROW_ATTACHMENTS);
    ClickRowObject(pAtt->nIndex, L"btnWb");
    Pump(200);
    EXPECT_TRUE(m_main.Has(L"mode 2 [101]"));
    EXPECT_EQ(m_main.meeting.strEntryDocument, CString(L"W1011"));
    EXPECT_EQ(m_main.meeting.nWhiteboardEntries, 1);
}

TEST_F(DetailScreen, AReportsOpinionShowsOnceAndARefusedCopyToTheDataBoxSaysWhy)
{
    int opinions = 0;
    CWnd::SetModalLoopHook([&](CWnd* pWnd) {
        if (!dynamic_cast<CReportOpinionDlg*>(pWnd))
            return;
        ++opinions;
        m_pScreen->ClosePopups();   // leaving the detail ends it
    });
    Show("105", ZEL_MODE_LIST);
    ASSERT_TRUE(PumpUntil([&] { return opinions == 1; }, 5000));
    m_pScreen->RefreshDetail();
    ASSERT_TRUE(WaitForLoad());
    Pump(300);
    EXPECT_EQ(opinions, 1) << "a refresh does not show it again";
    CWnd::SetModalLoopHook(nullptr);

    std::vector<CString> shown;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) { shown.push_back(q.strText); return 1; });
    Json::Value body;
    body["status_message"] = "";
    Rule("M00000052", 21, body);
    m_main.answers = {IDOK};
    const int nRow = RowOfDocument(m_pScreen, L"D1051");
    ASSERT_GE(nRow, 0);
    m_pScreen->PostMessage(WM_DETAIL_TO_DATA_BOX,
                          (WPARAM)CDetailListCtrl::GetRowId(m_pScreen->GetList()->FindItem(nRow)), 0);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000052", 1));
    ASSERT_TRUE(PumpUntil([&] { return !shown.empty(); }, 5000));
    SetPopupAnswerHook(nullptr);
    EXPECT_EQ(LastBody("M00000052")["attcFileId"].asString(), "D1051");
    EXPECT_EQ(shown[0], CString(L"\xCD5C\xB300 \xD30C\xC77C \xCCA8\xBD80 \xD06C\xAE30 \xCD08\xACFC\xD558\xC600\xC2B5\xB2C8\xB2E4."));
    EXPECT_TRUE(m_main.Has(L"question \xD68C\xC758\xBB38\xC11C\xB97C \xC790\xB8CC\xD568\xC73C\xB85C \xB2E4\xC6B4\xB85C\xB4DC\xD558\xC2DC\xACA0\xC2B5\xB2C8\xAE4C?"));
}

}  // namespace
}  // namespace detailtest
