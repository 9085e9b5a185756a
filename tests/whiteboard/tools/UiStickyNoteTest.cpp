// Sticky notes saved to and loaded from the local application server through the real client:
// the server's log shows the exact items (quotes, backslashes, CR LF, Korean), and what comes back
// shows the same texts again.
#include <gtest/gtest.h>

#include "core/LoginManager.h"
#include "net/protocol/TasClientManager.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/StickyNoteDlg.h"

using namespace toolstest;

namespace {

const UINT kReply63 = WM_USER + 162;
const UINT kReply64 = WM_USER + 163;

class StickyNotes : public prototest::EndToEndTest {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg)
            m_listener.Expect(msg, prototest::RecordingWindow::LPARAM_REPLY);
        tas = CTasClientManager::GetInstance();
        // The client is the program's one instance: made ready and connected once for the suite.
        static bool s_ready = false;
        if (!s_ready) {
            ASSERT_TRUE(tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
            tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
            s_ready = true;
        }
        tas->SetListener(m_listener.Handle());
        tas->SetEventWindow(m_events.Handle());
        tas->RequestM00000001(L"", L"kim", L"1234");
        ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 15000)) << "no login reply";
        const auto reply = m_listener.RecordsOf(WM_USER + 100)[0];
        ASSERT_EQ(reply.status, 0);
        CLoginManager* login = CLoginManager::GetInstance();
        login->SetGroupCode(L"");
        login->SetLoginId(L"kim");
        login->SetPassword(L"1234");
        login->SetSessionFromReply(reply.json, true);
        m_listener.Clear();
        b.reset(new BoardWithBars());
        b->Open(3);
        note = dynamic_cast<CStickyNoteDlg*>(b->Board()->GetStickyNote());
        ASSERT_NE(note, nullptr);
    }
    void TearDown() override
    {
        b.reset();
        tas->SetListener(nullptr);
        tas->SetEventWindow(nullptr);
        EndToEndTest::TearDown();
    }
    // Types into the note's edit as the user does (the edit's change reaches the window).
    void Type(const CString& text)
    {
        SKIN_OBJECT* edit = note->FindObject(L"edit");
        ASSERT_NE(edit, nullptr);
        CMySkinEdit& box = edit->m_edit.m_edit;
        box.SetFocus();
        box.SetSel(0, -1);
        box.SendMessage(WM_CHAR, VK_BACK, 0);
        // Key by key; Enter gives the line break (a multi-line edit reports no change for a set text).
        for (int i = 0; i < text.GetLength(); ++i)
            if (text[i] != L'\n')
                box.SendMessage(WM_CHAR, text[i], 1);
        Settle(50);
    }
    Json::Value WaitReply(UINT msg)
    {
        EXPECT_TRUE(m_listener.WaitFor(msg, 1, 15000));
        const auto records = m_listener.RecordsOf(msg);
        return records.empty() ? Json::Value() : records.back().json;
    }

    CTasClientManager* tas = nullptr;
    std::unique_ptr<BoardWithBars> b;
    CStickyNoteDlg* note = nullptr;
};

TEST_F(StickyNotes, SavedItemsAreExactAndComeBackTheSame)
{
    const CString page1 = L"회의 메모: \"예산\" 확정\r\n경로 C:\\temp\\plan";
    const CString page3 = L"둘째 줄까지\r\n끝";
    // The sticky-note button of the option bar opens the note of the current page.
    b->Board()->OnStickyNote();
    ASSERT_TRUE(note->IsShown());
    Type(page1);
    b->Board()->MovePage(3);
    Type(page3);
    EXPECT_TRUE(note->IsModified());
    SKIN_OBJECT* save = note->FindObject(L"btnSave");
    ASSERT_NE(save, nullptr);
    note->OnObjectEvent(514, save);
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000064", 1));
    const Json::Value frame = Frames("tas", nullptr, "M00000064")[0]["body"];
    EXPECT_EQ(frame["mtngId"].asString(), "MT1");
    EXPECT_EQ(frame["attcFileId"].asString(), "D1");
    EXPECT_EQ(frame["isAll"].asInt(), 0);
    ASSERT_EQ(frame["list"].size(), 2u);
    EXPECT_EQ(frame["list"][0].asString(),
              zeltest::Narrow(L"{\"page\" : 1,\"message\" : \"회의 메모: &quot;예산&quot; 확정\\r\\n경로 C:\\\\temp\\\\plan\", "
                              L"\"meta\" : \"\"}"));
    EXPECT_EQ(frame["list"][1].asString(),
              zeltest::Narrow(L"{\"page\" : 3,\"message\" : \"둘째 줄까지\\r\\n끝\", \"meta\" : \"\"}"));
    // The confirming reply clears the changed flags.
    b->Board()->OnReceiveM00000064(WaitReply(kReply64), 0);
    EXPECT_FALSE(note->IsModified());

    // Loaded again (as after reopening): the same texts on their pages.
    note->Book().RemoveAll(note->Book().Own());
    tas->RequestM00000063(L"MT1", L"D1", 0, 0);
    b->Board()->OnReceiveM00000063(WaitReply(kReply63), 0);
    EXPECT_STREQ(CStickyNoteBook::Find(note->Book().Own(), 1)->m_strText.GetString(), page1.GetString());
    EXPECT_STREQ(CStickyNoteBook::Find(note->Book().Own(), 3)->m_strText.GetString(), page3.GetString());
    EXPECT_STREQ(note->GetEditText().GetString(), page3.GetString()) << "the current page's note is shown";
    EXPECT_TRUE(dynamic_cast<IBoardOptBar*>(b->Board()->GetOptBar()) != nullptr);
}

TEST_F(StickyNotes, DrawingTravelsAsSvgAndDiscardDropsUnsavedStrokes)
{
    b->Board()->OnStickyNote();
    note->SetMode(1);
    const RECT rc = note->GetCanvas()->GetRect();
    const HWND hwnd = note->GetSafeHwnd();
    canvastest::Drag(hwnd, {{rc.left + 20, rc.top + 20}, {rc.left + 60, rc.top + 40}, {rc.left + 120, rc.top + 90}});
    Settle(50);
    EXPECT_TRUE(note->IsModified());
    note->SaveNotes();
    ASSERT_TRUE(WaitForFrames("tas", nullptr, "M00000064", 1));
    const std::string item = Frames("tas", nullptr, "M00000064")[0]["body"]["list"][0].asString();
    EXPECT_NE(item.find("\"message\" : \"\""), std::string::npos) << item;
    EXPECT_NE(item.find("<svg"), std::string::npos) << item;
    b->Board()->OnReceiveM00000064(WaitReply(kReply64), 0);
    // A stroke drawn after the save and then discarded is gone again.
    canvastest::Drag(hwnd, {{rc.left + 30, rc.top + 100}, {rc.left + 150, rc.top + 120}});
    Settle(50);
    CStickyObject* own = CStickyNoteBook::Find(note->Book().Own(), 1);
    ASSERT_EQ(own->m_strokes.GetCount(), 2);
    note->DiscardChanges();
    own = CStickyNoteBook::Find(note->Book().Own(), 1);
    EXPECT_EQ(own->m_strokes.GetCount(), 1);
    EXPECT_FALSE(note->IsModified());
}

TEST_F(StickyNotes, FontStepsStopAtTheirLimitsAndLockingHidesTheModes)
{
    b->Board()->OnStickyNote();
    const int start = note->GetFontHeight();
    for (int i = 0; i < 10; ++i)
        if (note->FindObject(L"btnFontUp")->IsEnabledForClick())
            note->StepFont(TRUE);
    EXPECT_EQ(-note->GetFontHeight(), -start + 3 * ((27 + start) / 3)) << "stops at 27 from 12";
    for (int i = 0; i < 10; ++i)
        if (note->FindObject(L"btnFontDn")->IsEnabledForClick())
            note->StepFont(FALSE);
    EXPECT_EQ(-note->GetFontHeight(), 9);
    note->SetLocked(TRUE);
    EXPECT_FALSE(note->FindObject(L"btnEditMode")->m_nVisible);
    EXPECT_FALSE(note->FindObject(L"btnSave")->IsEnabledForClick());
}

TEST_F(StickyNotes, Screenshot)
{
    b->Board()->OnStickyNote();
    Type(L"다음 회의 전까지 \"예산안\" 검토\r\n담당: 김민준");
    note->SetMode(1);
    const RECT rc = note->GetCanvas()->GetRect();
    canvastest::Drag(note->GetSafeHwnd(), {{rc.left + 200, rc.top + 120}, {rc.left + 250, rc.top + 150}, {rc.left + 300, rc.top + 120}});
    Settle(300);
    EXPECT_TRUE(canvastest::SaveScreenshot(note->GetSafeHwnd(), L"sticky_note"));
}

}  // namespace

namespace {

TEST_F(StickyNotes, TheMainWindowHidesAndRestoresOnlyANoteItHid)
{
    note->ShowIfWanted(TRUE);
    EXPECT_FALSE(note->IsShown()) << "never shown: nothing to restore";
    b->Board()->OnStickyNote();
    EXPECT_TRUE(note->IsPlaced());
    note->ShowIfWanted(FALSE);
    EXPECT_FALSE(note->IsShown());
    note->ShowIfWanted(TRUE);
    EXPECT_TRUE(note->IsShown());
    // The sticky-note button closes it again; the main window's restore leaves it closed.
    b->Board()->OnStickyNote();
    EXPECT_FALSE(note->IsShown());
    note->ShowIfWanted(TRUE);
    EXPECT_FALSE(note->IsShown());
    note->StepFont(TRUE);
    note->ResetView();
    EXPECT_EQ(note->GetFontHeight(), -12);
}

}  // namespace
