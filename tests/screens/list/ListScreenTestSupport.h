#pragma once
// The meeting list screen against the local test servers: a logged-in session, a stand-in main
// dialog that records screen switches and answers pop-ups, a plain parent window, the screen made
// by the program's maker, and the clicks a user gives.
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/host/MainDlgStandIn.h"
#include "tests/host/TitleBarStandIn.h"
#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "screens/list/MainLayer.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace listtest {

class CStandInTitle : public CTitleBarStandIn {
public:
    void SetChatButtonState(int, int) override {}
    void SetChatBlink(int) override {}
    void SetTitleText(const CString& strText) override { titles.push_back(strText.GetString()); }
    // The title bar names the kind the list shows.
    void SetListTitle(BOOL bReport) override { titles.push_back(bReport ? L"온라인 보고" : L"온라인 회의"); }
    std::vector<std::wstring> titles;
};

class CStandInMain : public CZELMainDlgStandIn {
public:
    ITitleBar* GetTitleLayer() override { return &title; }
    CStandInTitle title;
    CWnd* GetWnd() override { return m_pWnd; }
    void SetScreenMode(int nMode, const CString& strMeetingId) override
    {
        modes.push_back(nMode);
        ids.push_back(strMeetingId.GetString());
    }
    int GetScreenMode() override { return 0; }
    int ShowMessagePopup(const CString&, const CString& strText, int, CWnd*, BOOL) override
    {
        popups.push_back(strText.GetString());
        return popupAnswer;
    }
    int ShowConfirmPopup(const CString& strText) override
    {
        popups.push_back(strText.GetString());
        return IDOK;
    }
    void ShowToast(const CString&) override {}

    CWnd* m_pWnd = nullptr;
    std::vector<int> modes;
    std::vector<std::wstring> ids;
    std::vector<std::wstring> popups;
    int popupAnswer = IDCANCEL;
};

// The plain parent window, noting what the screen sends or posts to the main dialog.
class CRecordingHost : public CWnd {
public:
    std::vector<UINT> seen;
    std::vector<UINT> commands;   // the WM_COMMAND ids it was sent
    size_t Count(UINT nMessage) const
    {
        size_t n = 0;
        for (UINT m : seen) n += m == nMessage ? 1 : 0;
        return n;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER) seen.push_back(message);
        if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ListScreenTest : public prototest::EndToEndTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Makes the screen through the program's maker and waits for its first list.
    void OpenScreen(bool bRefresh = true);
    // Pumps until no page request is outstanding and the server has answered n pages in all.
    bool WaitForPages(size_t nPages, DWORD ms = 15000);
    // Clicks a day of the calendar (stepping months with its buttons first when needed) and, with
    // bWait, waits until the list it asks has come.
    void ClickDay(const CTime& day, bool bWait = true);
    void ClickCalendarButton(UINT nId);
    // Presses on a point of a window and releases on another (client coordinates).
    static void Click(HWND hWnd, CPoint down, CPoint up);
    static void Click(HWND hWnd, CPoint pt) { Click(hWnd, pt, pt); }
    void ClickRow(int nIndex);
    void ClickTab(int nId);
    // The list's rows of meetings (their ids) and whether a "more" row ends it.
    std::vector<std::wstring> RowIds();
    bool EndsWithMore();
    static Json::Value PageFrames() { return Frames("tas", nullptr, "M00000003"); }
    static Json::Value LastPage();
    static COLORREF Pixel(HWND hWnd, int x, int y);
    static bool SaveScreenshot(HWND hWnd, const wchar_t* pszName);
    static CString Today();

    CStandInMain m_main;
    CRecordingHost m_host;
    CMainLayer* m_pScreen = nullptr;
    IListScreen* m_pInterface = nullptr;
    zeltest::MessageBoxRecorder m_boxes;
};

}  // namespace listtest
