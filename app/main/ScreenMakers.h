#pragma once
// The main dialog creates the title bar and its three screens through makers that the program sets
// before the main dialog opens. The screens use the main dialog's services, so the main dialog's
// library cannot name their classes itself; the program, which links everything, can.
//
// A maker creates its window as a child of the main dialog and returns it together with the
// interface the main dialog talks to (usually the same object). The main dialog owns what a maker
// returns: it destroys the window and deletes the object when it closes. A part without a maker is
// simply absent: the main dialog shows an empty area for it and skips the calls.
#include <functional>

class CWnd;
class ITitleBar;
class IListScreen;
class IDetailScreen;
class IMeetingScreen;

struct SScreenMakers {
    std::function<CWnd*(CWnd* pMainDlg, ITitleBar** ppTitleBar)> makeTitleBar;
    std::function<CWnd*(CWnd* pMainDlg, IListScreen** ppScreen)> makeList;
    std::function<CWnd*(CWnd* pMainDlg, IDetailScreen** ppScreen)> makeDetail;
    std::function<CWnd*(CWnd* pMainDlg, IMeetingScreen** ppScreen)> makeMeeting;
};

void SetScreenMakers(const SScreenMakers& makers);
const SScreenMakers& GetScreenMakers();
