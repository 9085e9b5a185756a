#include "app/ProgramScreens.h"

#include <winsock2.h>
#include <windows.h>

#include "app/AnnouncementDlg.h"
#include "app/SettingIPPortDlg.h"
#include "app/TitleLayerMaker.h"
#include "app/main/ScreenMakers.h"
#include "app/main/UpgradeDlg.h"
#include "app/panels/ProgramPanels.h"
#include "features/approvals/ApprovalDialogs.h"
#include "screens/detail/DetailScreenMaker.h"
#include "screens/list/ListScreenMaker.h"
#include "screens/login/LoginWindow.h"
#include "screens/meeting/MeetingScreenMaker.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/tools/ToolMakers.h"

SLoginShellHooks ProgramLoginShellHooks()
{
    SLoginShellHooks hooks;
    hooks.runServerSettings = [](BOOL bDefaultsButtonEnabled) -> INT_PTR {
        CSettingIPPortDlg dlg;
        dlg.SetDefaultButtonEnabled(bDefaultsButtonEnabled);
        return dlg.DoModal();
    };
    hooks.showAnnouncement = [](const CString& strContent) -> BOOL {
        CAnnouncementDlg dlg;
        dlg.SetContent(strContent);
        dlg.DoModal();
        return dlg.m_bDontShowAgain ? TRUE : FALSE;
    };
    // The offered installer is fetched with its progress shown; only a whole file is started.
    hooks.runUpgrade = [](const CString& strUrl) { return RunUpgradeDownload(strUrl, nullptr); };
    return hooks;
}

void SetProgramScreens()
{
    SetLoginShellHooks(ProgramLoginShellHooks());

    SScreenMakers makers;
    makers.makeTitleBar = MakeTitleLayer;
    makers.makeList = MakeListScreen;
    makers.makeDetail = MakeDetailScreen;
    makers.makeMeeting = MakeMeetingScreen;
    SetScreenMakers(makers);

    SetProgramPanels();

    // The board's bars: information, options, tools, memos, mini-map and sticky note, and the
    // confirmation of an approval chosen on the information bar.
    S_BOARD_BAR_MAKERS bars = WhiteboardToolMakers();
    bars.confirmApproval = RunApprovalConfirmation;
    SetBoardBarMakers(bars);
}
