// The report confirmation and opinion dialogs with the shipped skin, clicked as a user would.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "features/approvals/ReportDialogs.h"
#include "features/approvals/ReportRules.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

SYSTEMTIME At(int h, int mi, int s)
{
    SYSTEMTIME t = {};
    t.wYear = 2027;
    t.wMonth = 3;
    t.wDay = 4;
    t.wHour = (WORD)h;
    t.wMinute = (WORD)mi;
    t.wSecond = (WORD)s;
    return t;
}

void ClickObject(CMyBaseDialog& dlg, const wchar_t* name)
{
    const SKIN_OBJECT* object = dlg.m_Screen.FindObject(name);
    ASSERT_NE(object, nullptr) << CStringA(name).GetString();
    skintest::Click(dlg.m_hWnd, object->m_rcObject.CenterPoint().x, object->m_rcObject.CenterPoint().y);
}

class ReportDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        CReportConfirmDlg::SetClock([this] { return m_now; });
        CReportConfirmDlg::SetTooEarlyNotice([this](CWnd*, const CString& text) { m_notices.push_back(text); });
    }
    void TearDown() override
    {
        CWnd::SetModalLoopHook(nullptr);
        CReportConfirmDlg::SetClock(nullptr);
        CReportConfirmDlg::SetTooEarlyNotice(nullptr);
    }

    doctest::KoreanResources m_resources;
    SYSTEMTIME m_now = At(10, 29, 40);
    std::vector<CString> m_notices;
};

TEST_F(ReportDialogs, AMeetingTimeProposedAtTheNextHalfHourIsSentWhenStillAhead)
{
    CReportConfirmDlg dlg;
    bool saved = false;
    CWnd::SetModalLoopHook([&](CWnd*) {
        EXPECT_EQ(FormatReportStamp(dlg.GetDateObject()->m_date.m_time), CString(L"20270304103040"));
        EXPECT_EQ(dlg.GetDateObject()->m_nVisible, 1);
        saved = ctltest::SaveScreenshot(&dlg, L"ReportConfirmDlg");
        // Time moves on past the proposal: the dialog says so and stays.
        m_now = At(10, 31, 0);
        ClickObject(dlg, L"btnOK");
        EXPECT_EQ(m_notices.size(), 1u);
        EXPECT_TRUE(dlg.IsWindowVisible());
        // Back before it: confirmed with the chosen minute.
        m_now = At(10, 29, 50);
        ClickObject(dlg, L"btnOK");
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(saved);
    EXPECT_EQ(dlg.m_bPaper, 0);
    EXPECT_EQ(dlg.m_strDate, CString(L"20270304103000"));
    ASSERT_EQ(m_notices.size(), 1u);
    EXPECT_EQ(m_notices[0], CString(L"선택한 시간이 이미 지났습니다.\n이후의 시간을 선택해 주세요."));
}

TEST_F(ReportDialogs, APaperReportIsNotHeldBackByItsHiddenDate)
{
    CReportConfirmDlg dlg;
    CWnd::SetModalLoopHook([&](CWnd*) {
        ClickObject(dlg, L"btnIsPaperT");
        EXPECT_EQ(dlg.GetDateObject()->m_nVisible, 0);
        m_now = At(12, 0, 0);   // long after the hidden proposal
        ClickObject(dlg, L"btnOK");
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_bPaper, 1);
    EXPECT_EQ(dlg.m_strDate, CString(L"20270304103000"));   // still the date object's time
    EXPECT_TRUE(m_notices.empty());
}

TEST_F(ReportDialogs, EnterDoesNothingAndTheCloseButtonCancels)
{
    CReportConfirmDlg dlg;
    CWnd::SetModalLoopHook([&](CWnd*) {
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(dlg.IsWindowVisible());
        ClickObject(dlg, L"btnClose");
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ReportDialogs, OpinionScrollsOnlyWhenItsTextIsLongerThanTheBox)
{
    for (const BOOL longText : {FALSE, TRUE}) {
        CString text = L"검토 의견: 이상 없음.";
        if (longText)
            for (int i = 0; i < 40; ++i) text += L"\r\n추가 의견 줄입니다.";
        CReportOpinionDlg dlg;
        dlg.SetText(text);
        bool saved = false;
        CWnd::SetModalLoopHook([&](CWnd*) {
            EXPECT_EQ(dlg.IsTextScrollable(), longText);
            if (longText) saved = ctltest::SaveScreenshot(&dlg, L"ReportOpinionDlg");
            ClickObject(dlg, L"btnOK");
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        if (longText) EXPECT_TRUE(saved);
    }
}

}  // namespace
