// A presenter's road through the board's bars in the real ZEL.exe: he marks a page as a favourite,
// draws in the page's sticky note with the colour and thickness he chose on the floating palette,
// opens the meeting's whiteboard and adds a page to it, and ends the meeting from the option bar.
#include "tests/journeys/JourneyFixture.h"

namespace {

using namespace journey;

// Control ids of the board and its option bar.
enum { kBoard = 22750, kOptBar = 32751, kSticky = 32713, kFavorite = 32714, kWhiteboardOpen = 32733,
       kAddPage = 32734, kEndMeeting = 35030 };
// Places on the floating palette (screen row of its buttons, x from its left edge) and on the
// windows it opens (their client coordinates), as the skin lays them out.
constexpr int kPaletteRow = 63, kPalettePen = 67, kPaletteBlue = 254, kPaletteThickness = 294;
constexpr POINT kThicknessEight{146, 46}, kThicknessOK{56, 80};
constexpr POINT kNoteDrawMode{78, 311}, kNoteSave{301, 311};
const COLORREF kBlue = RGB(40, 95, 245);

bool HasFrameWith(ControlLink& control, const char* message, const std::vector<std::string>& parts)
{
    for (const Json::Value& frame : control.Frames("tas", message)) {
        const std::string text = frame.toStyledString();
        bool all = true;
        for (const std::string& part : parts)
            all = all && text.find(part) != std::string::npos;
        if (all)
            return true;
    }
    return false;
}

// A suite of its own: the meeting it ends stays ended on its servers.
class BoardBarsJourney : public JourneyTest {};

TEST_F(BoardBarsJourney, APresenterMarksAFavouriteAddsAWhiteboardPageAndEndsTheMeetingFromTheBar)
{
    ASSERT_NO_FATAL_FAILURE(LogInToTheList());
    ::Sleep(1500);
    // Kim presents meeting 101: its row, then its first document.
    journey::ClickAt(m_hMain, 450, 230);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000005", 1, 10000)) << "no meeting detail";
    ::Sleep(1500);
    m_control.Command("clear_log");
    journey::DoubleClickAt(m_hMain, 490, 333);
    ASSERT_TRUE(m_control.WaitForFrames("tas", "M00000004", 1, 10000)) << "the meeting screen asked for no attendees";
    ::Sleep(3000);
    HWND bar = FindDescendant(m_hMain, kOptBar, kBoard);
    ASSERT_NE(bar, nullptr) << "no option bar under the board";

    // The favourite check: one request, and the check is usable again once the answer is in.
    HWND favourite = ::GetDlgItem(bar, kFavorite);
    ASSERT_TRUE(favourite && ::IsWindowVisible(favourite));
    journey::Click(favourite);
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000078", {"\"Y\"", "D1011"}); }, 10000))
        << "no favourite request for the page";
    EXPECT_TRUE(journey::WaitUntil([&] { return ::IsWindowEnabled(favourite) != FALSE; }, 10000))
        << "the favourite check stayed greyed out";
    ::Sleep(500);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_favourite"));

    // The palette's pen in its third colour, eight pixels thick (its thickness pop-up's track).
    HWND palette = journey::FindPalette(m_client.Pid(), m_hMain);
    ASSERT_NE(palette, nullptr) << "no drawing palette";
    RECT rcPalette;
    ::GetWindowRect(palette, &rcPalette);
    journey::PostClickAtScreen(palette, rcPalette.left + kPalettePen, kPaletteRow);
    journey::PostClickAtScreen(palette, rcPalette.left + kPaletteBlue, kPaletteRow);
    journey::PostClickAtScreen(palette, rcPalette.left + kPaletteThickness, kPaletteRow);
    HWND thickness = nullptr;
    ASSERT_TRUE(journey::WaitUntil([&] {
        return (thickness = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
                    RECT rc;
                    return h != palette && ::GetWindowRect(h, &rc) && rc.right - rc.left == 208 && rc.bottom - rc.top == 104;
                })) != nullptr;
    }, 5000)) << "no thickness pop-up";
    RECT rcThickness;
    ::GetWindowRect(thickness, &rcThickness);
    journey::PostClickAtScreen(thickness, rcThickness.left + kThicknessEight.x, rcThickness.top + kThicknessEight.y);
    ::Sleep(300);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_thickness"));
    journey::PostClickAtScreen(thickness, rcThickness.left + kThicknessOK.x, rcThickness.top + kThicknessOK.y);
    ::Sleep(300);

    // The page's sticky note, switched to drawing: a stroke across it is in the palette's pen.
    journey::Click(::GetDlgItem(bar, kSticky));
    HWND note = nullptr;
    ASSERT_TRUE(journey::WaitUntil([&] {
        return (note = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
                    return h != m_hMain && ::IsWindowVisible(h) && HasTextBox(h);
                })) != nullptr;
    }, 5000)) << "the note window did not open";
    ::Sleep(500);
    journey::ClickAt(note, kNoteDrawMode.x, kNoteDrawMode.y);
    ::Sleep(300);
    journey::DragAt(note, {{60, 170}, {120, 170}, {180, 170}, {240, 170}, {300, 170}}, 300);
    ::Sleep(300);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_note_drawn"));
    // Across the stroke: about eight blue pixels (the pen's width), none of the black 2-pixel pen.
    const RECT across = journey::ClientToScreenRect(note, RECT{180, 150, 181, 190});
    const int blue = journey::CountScreenColour(across, kBlue, 40);
    EXPECT_GE(blue, 6) << "the note's stroke is not the palette's blue, eight pixels wide";
    EXPECT_LE(blue, 11) << "the note's stroke is wider than the palette's thickness";
    EXPECT_EQ(journey::CountScreenColour(across, RGB(0, 0, 0), 40), 0) << "the note drew with a black pen";
    // Saved, the note's drawing carries the colour and the thickness.
    m_control.Command("clear_log");
    journey::ClickAt(note, kNoteSave.x, kNoteSave.y);
    ASSERT_TRUE(journey::WaitUntil([&] { return !m_control.Frames("tas", "M00000064").empty(); }, 10000))
        << "the note was not saved";
    const std::string saved = m_control.Frames("tas", "M00000064")[0].toStyledString();
    EXPECT_NE(saved.find("RGB(40, 95, 245)"), std::string::npos) << saved;
    EXPECT_NE(saved.find("stroke-width='8'"), std::string::npos) << saved;
    journey::Click(::GetDlgItem(bar, kSticky));
    ASSERT_TRUE(journey::WaitUntil([&] { return !::IsWindowVisible(note); }, 5000)) << "the note did not close";

    // The whiteboard button opens the personal whiteboard.
    HWND whiteboard = ::GetDlgItem(bar, kWhiteboardOpen);
    ASSERT_TRUE(whiteboard && ::IsWindowVisible(whiteboard));
    journey::Click(whiteboard);
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000024", {"W1011"}); }, 10000))
        << "the whiteboard's page was not asked for";
    ::Sleep(2000);
    HWND addPage = ::GetDlgItem(bar, kAddPage);
    ASSERT_TRUE(journey::WaitUntil([&] { return ::IsWindowVisible(addPage) != FALSE; }, 5000))
        << "no add-page button on the whiteboard";

    // The add-page pop-up: a page after the first one.
    journey::Click(addPage);
    HWND popup = nullptr;
    ASSERT_TRUE(journey::WaitUntil([&] {
        return (popup = journey::FindProcessWindow(m_client.Pid(), [&](HWND h) {
                    RECT rc;
                    return h != m_hMain && ::GetWindowRect(h, &rc) && rc.right - rc.left == 200 &&
                           rc.bottom - rc.top >= 100 && rc.bottom - rc.top <= 170;
                })) != nullptr;
    }, 5000)) << "no page pop-up";
    ::Sleep(500);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_page_popup"));
    journey::ClickAt(popup, 100, 96);  // "add after the shown page"
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000100", {"W1011"}); }, 10000))
        << "no page command";
    const Json::Value command = m_control.Frames("tas", "M00000100")[0];
    EXPECT_NE(command.toStyledString().find("\"command\" : 1"), std::string::npos) << command.toStyledString();
    // The answer shows the new second page.
    EXPECT_TRUE(journey::WaitUntil([&] {
        const std::vector<std::wstring> edits = journey::VisibleEditTexts(bar);
        return !edits.empty() && edits[0] == L"2";
    }, 10000)) << "the board does not show the added page";
    ::Sleep(1000);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_page_added"));

    // The end button asks first, then sends the meeting's end.
    HWND end = ::GetDlgItem(bar, kEndMeeting);
    ASSERT_TRUE(end && ::IsWindowVisible(end)) << "no end button for the presenter";
    journey::Click(end);
    ::Sleep(1000);
    zeltest::SaveScreenPng(Screenshot(L"journey_board_end_question"));
    EXPECT_TRUE(m_control.Frames("tas", "M00000017").empty()) << "ended without asking";
    ASSERT_TRUE(ClickPopupAt(m_hMain, m_client.Pid(), 449, 348)) << "no question before the end";  // OK
    ASSERT_TRUE(journey::WaitUntil([&] { return HasFrameWith(m_control, "M00000017", {"\"04\"", "101"}); }, 10000))
        << "the meeting's end was not sent";
}

}  // namespace
