#include "tests/journeys/SharedMeeting.h"

#include "resources/resource.h"
#include "tests/journeys/UserDriver.h"

namespace journey {

HWND StartAndLogIn(zeltest::ChildProcess& client, const std::wstring& binFolder, const wchar_t* pszId,
                   ControlLink& control, std::string& why)
{
    if (!client.Start(L"\"" + binFolder + L"ZEL.exe\"", binFolder)) return why = "ZEL.exe did not start", nullptr;
    HWND login = WaitForDialogWithChild(client.Pid(), IDC_LOGIN_ID, 60000);
    if (!login) return why = "no login window", nullptr;
    const size_t pages = control.Frames("tas", "M00000003").size();
    if (!LogIn(login, pszId, L"1234")) return why = "the login window took no input", nullptr;
    HWND main = nullptr;
    if (!WaitUntil([&] { return (main = FindMainWindow(client.Pid(), login)) != nullptr; }, 30000))
        return why = "no main dialog after the login", nullptr;
    if (!control.WaitForFrames("tas", "M00000003", pages + 1, 20000)) return why = "the list asked for no page", nullptr;
    return main;
}

bool OpenFirstMeeting(HWND hMain, ControlLink& control, std::string& why)
{
    ::Sleep(1500);
    const size_t meetings = control.Frames("tas", "M00000005").size();
    ClickAt(hMain, points::kFirstRow.x, points::kFirstRow.y);
    if (!control.WaitForFrames("tas", "M00000005", meetings + 1, 10000)) return why = "the detail asked for no meeting", false;
    ::Sleep(1500);
    const size_t chats = control.Frames("tas", "M00000032").size();
    DoubleClickAt(hMain, points::kFirstDocument.x, points::kFirstDocument.y);
    if (!control.WaitForFrames("tas", "M00000032", chats + 1, 10000))
        return why = "the meeting screen asked for no chat", false;
    ::Sleep(3000);
    return true;
}

Json::Value SecondCommand(SecondUser& second, const char* pszCmd, Json::Value fields)
{
    fields["cmd"] = pszCmd;
    return second.Command(fields);
}

Json::Value SecondClick(SecondUser& second, POINT pt, bool bDouble)
{
    Json::Value c;
    c["x"] = (int)pt.x;
    c["y"] = (int)pt.y;
    c["double"] = bDouble;
    return SecondCommand(second, "click", c);
}

bool SecondUserOpensFirstMeeting(SecondUser& second, const char* pszId, std::string& why)
{
    Json::Value login;
    login["id"] = pszId;
    login["password"] = "1234";
    if (SecondCommand(second, "start", login).isNull()) return why = "second user: " + second.Error(), false;
    ::Sleep(1500);
    SecondClick(second, points::kFirstRow);
    ::Sleep(1500);
    SecondClick(second, points::kFirstDocument, true);
    ::Sleep(4000);
    return true;
}

bool ShareAndFollow(HWND hMain, SecondUser& second, ControlLink& control, std::string& why)
{
    const size_t shares = control.Frames("tas", "M00000015").size();
    ClickAt(hMain, points::kShareButton.x, points::kShareButton.y);
    if (!control.WaitForFrames("tas", "M00000015", shares + 1, 10000)) return why = "the presenter did not share", false;
    const size_t follows = control.Frames("tas", "M00000021").size();
    SecondClick(second, points::kShareButton);
    if (!control.WaitForFrames("tas", "M00000021", follows + 1, 10000)) return why = "the attendee did not follow", false;
    ::Sleep(2000);
    return true;
}

bool TakeRedPen(DWORD pid, HWND hMain, std::string& why)
{
    HWND palette = FindPalette(pid, hMain);
    if (!palette) return why = "no drawing palette", false;
    RECT rc;
    ::GetWindowRect(palette, &rc);
    PostClickAtScreen(palette, rc.left + points::kPalettePen.x, points::kPalettePen.y);
    PostClickAtScreen(palette, rc.left + points::kPaletteRed.x, points::kPaletteRed.y);
    ::Sleep(500);
    return true;
}

Json::Value ColourCount(const RECT& rc, COLORREF colour, int nTolerance)
{
    Json::Value c;
    for (LONG v : {rc.left, rc.top, rc.right, rc.bottom}) c["rect"].append((int)v);
    for (int v : {GetRValue(colour), GetGValue(colour), GetBValue(colour)}) c["color"].append(v);
    c["tolerance"] = nTolerance;
    return c;
}

}  // namespace journey
