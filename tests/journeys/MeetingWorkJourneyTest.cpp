// Meeting roads in the real ZEL.exe where nothing the user made is lost: a sticky note typed on a
// page is saved when he goes back to the detail, and a page that the presenter adds (to a document
// or to the whiteboard) while the user has drawn on another page leaves that drawing in place (it
// is saved with its new page number); a second document opens from the document list.
#include <algorithm>


#include "tests/journeys/JourneyFixture.h"
#include "tests/journeys/SharedMeeting.h"

#include <commctrl.h>

namespace {

using namespace journey;

// Control ids of the screens' windows.
enum { kBoard = 22750, kOptBar = 32751, kStickyButton = 32713, kWhiteboardOpen = 32733, kTitleBack = 34560,
       kDocumentList = 32840 };

// The window with the id under the top window, below a window with the parent id when one is given.
HWND FindUnder(HWND hTop, int nId, int nParentId = 0)
{
    struct Search {
        int id, parent;
        HWND found;
    } search{nId, nParentId, nullptr};
    ::EnumChildWindows(
        hTop,
        [](HWND h, LPARAM l) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(l);
            if (::GetDlgCtrlID(h) != s.id) return TRUE;
            if (s.parent && ::GetDlgCtrlID(::GetParent(h)) != s.parent) return TRUE;
            s.found = h;
            return FALSE;
        },
        (LPARAM)&search);
    return search.found;
}

bool HasFrameWith(ControlLink& control, const char* message, const std::vector<std::string>& parts)
{
    for (const Json::Value& frame : control.Frames("tas", message)) {
        const std::string text = frame.toStyledString();
        bool all = true;
        for (const std::string& part : parts) all = all && text.find(part) != std::string::npos;
        if (all) return true;
    }
    return false;
}

class MeetingWorkJourney : public JourneyTest {
protected:
    // From the list into meeting 101's first document.
    void OpenTheMeeting(bool bFromList)
    {
        if (bFromList) {
            journey::ClickAt(m_hMain, 450, 230);
            ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "no meeting detail";
            ::Sleep(1500);
        }
        m_control.Command("clear_log");
        journey::DoubleClickAt(m_hMain, 490, 333);
        ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000004", 1, 10000)) << "the meeting screen asked for no attendees";
        ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000063", {"D1011"}); }, 15000))
            << "the document's notes were not loaded";
        ::Sleep(1500);
        m_hBar = FindUnder(m_hMain, kOptBar, kBoard);
        ASSERT_NE(m_hBar, nullptr) << "no option bar under the board";
    }
    // The title bar's back button: back to the meeting's detail.
    void GoBack()
    {
        HWND back = FindUnder(m_hMain, kTitleBack);
        ASSERT_TRUE(back && ::IsWindowVisible(back)) << "no back button";
        ASSERT_TRUE(journey::WaitUntil([&] { return ::IsWindowEnabled(back) != FALSE; }, 10000)) << "back stays disabled";
        journey::Click(back);
    }

    // The presenter puts a page before the first page of the document: the push every attendee's
    // client gets, acknowledged by the client.
    void PushPageAddedBeforeFirst(const char* pszDocument, int nTotalPages)
    {
        Json::Value push;
        push["cmd"] = "push_sample";
        push["id"] = "broadcasting:29";
        push["mtngId"] = "101";
        push["attachId"] = pszDocument;
        push["fields"]["command"] = 1;
        push["fields"]["page"] = 1;
        push["fields"]["totalPage"] = nTotalPages;
        push["fields"]["requestPage"] = 1;
        ASSERT_EQ(m_control.Control(push)["sent"].asInt(), 1);
        ASSERT_TRUE(m_control.WaitForFrames("push", "M00000002", 1, 10000)) << "the push was not acknowledged";
        ::Sleep(1500);
    }
    // Back to the detail: the drawing is saved with its new page number (2), and the blank new page
    // is not saved at all.
    void ExpectDrawingSavedOnPageTwoOnLeaving(const char* pszDocument)
    {
        m_control.Command("clear_log");
        ASSERT_NO_FATAL_FAILURE(GoBack());
        ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000010", {pszDocument, "\"page\" : 2"}); },
                                       10000))
            << "the drawing did not survive the added page";
        for (const Json::Value& frame : m_control.Frames("tas", "M00000010"))
            EXPECT_NE(frame["body"]["page"].asInt(), 1) << "the blank new page was saved";
        EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "the detail did not come after the save";
        ::Sleep(1500);
    }

    HWND m_hBar = nullptr;
};

TEST_F(MeetingWorkJourney, ANoteIsSavedOnLeavingAndADrawingOutlivesAPageAddedBeforeIt)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    ASSERT_NO_FATAL_FAILURE(OpenTheMeeting(true));

    // The sticky note of the first page: its button opens it, the user types into it.
    HWND sticky = ::GetDlgItem(m_hBar, kStickyButton);
    ASSERT_TRUE(sticky && ::IsWindowVisible(sticky)) << "no sticky-note button";
    journey::Click(sticky);
    HWND note = nullptr;
    ASSERT_TRUE(journey::WaitUntil([&] {
        note = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
            return h != m_hMain && ::IsWindowVisible(h) && HasTextBox(h);
        });
        return note != nullptr;
    }, 5000)) << "the note window did not open";
    ::Sleep(500);
    journey::ClickAt(note, 180, 170);   // into its text
    ::Sleep(300);
    journey::TypeText(L"memo before leaving");
    ::Sleep(800);
    // The note's text box shows only once its place is clicked; then it holds what was typed.
    const std::vector<std::wstring> texts = journey::VisibleEditTexts(note);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"memo before leaving"), texts.end()) << "the typed text is not in the note";
    ReportShown(L"journey_work_note");

    // Back to the detail: the note is saved first, then the detail is shown.
    m_control.Command("clear_log");
    ASSERT_NO_FATAL_FAILURE(GoBack());
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000064", {"memo before leaving", "D1011"}); },
                                   10000))
        << "the note was not saved on the way out";
    EXPECT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "the detail did not come after the save";
    ::Sleep(1500);

    // Into the meeting again: the note is there with its text; the user closes it.
    ASSERT_NO_FATAL_FAILURE(OpenTheMeeting(false));
    journey::Click(sticky = ::GetDlgItem(m_hBar, kStickyButton));
    ASSERT_TRUE(journey::WaitUntil([&] { return ::IsWindowVisible(note) != FALSE; }, 5000)) << "the note did not open again";
    ::Sleep(500);
    journey::ClickAt(note, 180, 170);
    ::Sleep(300);
    const std::vector<std::wstring> again = journey::VisibleEditTexts(note);
    EXPECT_NE(std::find(again.begin(), again.end(), L"memo before leaving"), again.end()) << "the saved note did not come back";
    journey::Click(sticky);
    ASSERT_TRUE(journey::WaitUntil([&] { return !::IsWindowVisible(note); }, 5000)) << "the note did not close";

    // The user draws on the first page with the palette's pen.
    std::string why;
    ASSERT_TRUE(journey::TakeRedPen(m_client.Pid(), m_hMain, why)) << why;
    journey::DragAt(m_hMain, {{420, 250}, {470, 300}, {520, 340}, {560, 380}});
    ::Sleep(500);
    zeltest::SaveScreenPng(Screenshot(L"journey_work_drawn"));

    // The presenter puts a page before the drawn one: the drawn page becomes page 2.
    ASSERT_NO_FATAL_FAILURE(PushPageAddedBeforeFirst("D1011", 13));
    zeltest::SaveScreenPng(Screenshot(L"journey_work_page_added"));
    ASSERT_NO_FATAL_FAILURE(ExpectDrawingSavedOnPageTwoOnLeaving("D1011"));
    zeltest::SaveScreenPng(Screenshot(L"journey_work_back"));
}

// On the meeting's whiteboard the same: the user draws on its page, the presenter adds a whiteboard
// page before it, and on leaving the drawing is saved on its new page.
TEST_F(MeetingWorkJourney, ADrawingOnTheWhiteboardOutlivesAWhiteboardPageAddedBeforeIt)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    ASSERT_NO_FATAL_FAILURE(OpenTheMeeting(true));
    HWND whiteboard = ::GetDlgItem(m_hBar, kWhiteboardOpen);
    ASSERT_TRUE(whiteboard && ::IsWindowVisible(whiteboard)) << "no whiteboard button";
    journey::Click(whiteboard);
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000024", {"W1011"}); }, 10000))
        << "the whiteboard's page was not asked for";
    ::Sleep(2000);
    std::string why;
    ASSERT_TRUE(journey::TakeRedPen(m_client.Pid(), m_hMain, why)) << why;
    journey::DragAt(m_hMain, {{420, 250}, {470, 300}, {520, 340}, {560, 380}});
    ::Sleep(500);
    ReportShown(L"journey_work_whiteboard_drawn");

    ASSERT_NO_FATAL_FAILURE(PushPageAddedBeforeFirst("W1011", 2));
    ReportShown(L"journey_work_whiteboard_page_added");
    ASSERT_NO_FATAL_FAILURE(ExpectDrawingSavedOnPageTwoOnLeaving("W1011"));
}

// A second document from the right-hand pane's document list: a click on its row opens it on the
// board, which asks for its pages (the picture shows its name and its four pages).
TEST_F(MeetingWorkJourney, ASecondDocumentOpensFromTheDocumentList)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    ASSERT_NO_FATAL_FAILURE(OpenTheMeeting(true));
    journey::ClickAt(m_hMain, 1010, 100);   // the pane's handle on the right
    ::Sleep(1500);
    HWND list = FindUnder(m_hMain, kDocumentList);
    ASSERT_TRUE(list && ::IsWindowVisible(list)) << "no document list in the pane";
    // Its rows: the first document, the reference documents' heading, the reference document.
    ASSERT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    m_control.Command("clear_log");
    journey::ClickAt(list, 60, 2 * 34 + 17);
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000024", {"D1012"}); }, 10000))
        << "the second document's pages were not asked for";
    ::Sleep(1500);
    ReportShown(L"journey_work_document_list");
}

}  // namespace
