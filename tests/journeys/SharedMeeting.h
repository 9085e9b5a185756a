#pragma once
// The road two users take into one meeting, for the shared-meeting journey and its benchmark: the
// first user's ZEL.exe in this prefix presents, the second user (his own prefix and display)
// follows. Points are in the main window's client area (1024 x 600 at the screen's origin).
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "tests/journeys/JourneySupport.h"
#include "tests/support/TestSupport.h"

namespace journey {

namespace points {
constexpr POINT kFirstRow{450, 230};       // the meeting list's first row: today's running meeting 101
constexpr POINT kFirstDocument{490, 333};  // the detail's first document
constexpr POINT kShareButton{820, 577};    // the option bar's share / follow button
constexpr POINT kNextPage{157, 577};
constexpr RECT kPage{365, 125, 660, 550};  // the first page, fitted to the board
constexpr RECT kBoard{40, 125, 990, 550};
// The floating palette's pen and red: x from the palette's left edge (the title bar places the
// palette by the buttons it shows), y on the screen.
constexpr POINT kPalettePen{67, 63};
constexpr POINT kPaletteRed{199, 63};
constexpr COLORREF kRedInk = RGB(235, 81, 46);
constexpr POINT kLaserButton{980, 577};     // the option bar's pointer tool
constexpr COLORREF kPointerRed = RGB(233, 0, 0);  // the presenter's pointer (his colour 0) on a follower's page
}  // namespace points

// Starts ZEL.exe from the folder and logs in; the main window once the list has asked for its
// page. 'why' tells what failed.
HWND StartAndLogIn(zeltest::ChildProcess& client, const std::wstring& binFolder, const wchar_t* pszId,
                   ControlLink& control, std::string& why);
// The presenter, logged in to the list, opens the first meeting's first document.
bool OpenFirstMeeting(HWND hMain, ControlLink& control, std::string& why);
// The second user logs in and opens the same document.
bool SecondUserOpensFirstMeeting(SecondUser& second, const char* pszId, std::string& why);
// The presenter starts sharing and the second user follows him.
bool ShareAndFollow(HWND hMain, SecondUser& second, ControlLink& control, std::string& why);
// The presenter takes the palette's red pen.
bool TakeRedPen(DWORD pid, HWND hMain, std::string& why);
// The second user's command with its name and fields.
Json::Value SecondCommand(SecondUser& second, const char* pszCmd, Json::Value fields = Json::Value(Json::objectValue));
Json::Value SecondClick(SecondUser& second, POINT pt, bool bDouble = false);
// The "count" command's fields: pixels of the colour in a rectangle of his main window.
Json::Value ColourCount(const RECT& rc, COLORREF colour, int nTolerance);

}  // namespace journey
