#pragma once
// One stand-in for the main dialog and every screen the push handling reaches: each call is
// recorded as a line ("Name(arg,arg)"), and the answers the handlers ask for are plain members a
// test sets.
#include <functional>
#include <string>
#include <vector>

#include "tests/host/DetailScreenStandIn.h"
#include "tests/host/ListScreenStandIn.h"
#include "tests/host/MeetingScreenStandIn.h"
#include "tests/host/TitleBarStandIn.h"
#include "app/main/PushHost.h"

namespace appmaintest {

class StandInScreens : public IPushHost, public CListScreenStandIn, public IBoardLayer, public IInfoLayer,
                       public CTitleBarStandIn {
public:
    // State the handlers read.
    int mode = 0;
    std::wstring detailId;
    std::wstring meetingId;
    std::wstring currentDocumentId;
    std::wstring meetingType = L"10";
    std::wstring currentMeetingType = L"10";
    BOOL meetingType12 = FALSE;       // the meeting screen's meeting
    BOOL currentMeetingType12 = FALSE;  // the meeting model's current meeting
    BOOL pageSync = FALSE;
    BOOL whiteboardDocument = FALSE;
    std::wstring embeddedId;           // IsEmbeddedDocument answers TRUE for this id
    BOOL running = TRUE;
    int saveStarted = 0;               // SaveBoardChanges' answer
    int showCmd = SW_SHOWNORMAL;
    BOOL visible = TRUE;
    std::wstring userId = L"kim";
    int observer = 0;
    int presenter = 0;
    int popupAnswer = IDCANCEL;
    bool withScreens = true;          // false: every screen pointer is null
    // Called from ShowConfirmPopup / ShowForcedSharePopup, as a modal pop-up's loop would run.
    std::function<void()> duringPopup;

    std::vector<std::string> calls;
    std::vector<std::wstring> logLines;

    // Calls recorded since the last Take().
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(calls);
        return out;
    }

    // IPushHost
    int GetMode() override { return mode; }
    IListScreen* GetListScreen() override { return withScreens ? this : nullptr; }
    IDetailScreen* GetDetailScreen() override { return withScreens ? &m_detail : nullptr; }
    IMeetingScreen* GetMeetingScreen() override { return withScreens ? &m_meeting : nullptr; }
    IBoardLayer* GetBoardLayer() override { return withScreens ? this : nullptr; }
    IInfoLayer* GetInfoLayer() override { return withScreens ? this : nullptr; }
    ITitleBar* GetTitleLayer() override { return withScreens ? this : nullptr; }
    void ShowNotice(const CString& h, const CString& t, int toast, int tray) override
    {
        Add("ShowNotice", {S(h), S(t), N(toast), N(tray)});
    }
    void ShowToast(const CString& t) override { Add("ShowToast", {S(t)}); }
    int ShowConfirmPopup(const CString& t) override
    {
        Add("ShowConfirmPopup", {S(t)});
        if (duringPopup) duringPopup();
        return IDOK;
    }
    int ShowForcedSharePopup(const CString& c, const CString& t, const CString& dt, int flag) override
    {
        Add("ShowForcedSharePopup", {S(c), S(t), S(dt), N(flag)});
        if (duringPopup) duringPopup();
        return popupAnswer;
    }
    void CloseCurrentPopupWithText(const CString& t) override { Add("CloseCurrentPopupWithText", {S(t)}); }
    void CloseOpenPopups() override { Add("CloseOpenPopups", {}); }
    void SetScreenMode(int m, const CString& id) override
    {
        Add("SetScreenMode", {N(m), S(id)});
        mode = m;
    }
    void ClearRemainTime() override { Add("ClearRemainTime", {}); }
    void PlayMeetingStartSound() override { Add("PlayMeetingStartSound", {}); }
    void RefreshDocumentList(const CString& k, int n) override { Add("RefreshDocumentList", {S(k), N(n)}); }
    void RequestLogout(int quit) override { Add("RequestLogout", {N(quit)}); }
    void StartTimer(UINT_PTR id, UINT ms) override { Add("StartTimer", {N((int) id), N((int) ms)}); }
    void StopTimer(UINT_PTR id) override { Add("StopTimer", {N((int) id)}); }
    int GetShowCmd() override { return showCmd; }
    BOOL IsMainWindowVisible() override { return visible; }
    void RestoreMinimizedWindow() override
    {
        Add("RestoreMinimizedWindow", {});
        showCmd = SW_SHOWNORMAL;
    }
    void OnCmdRestoreWindow() override
    {
        Add("OnCmdRestoreWindow", {});
        showCmd = SW_SHOWNORMAL;
        visible = TRUE;
    }
    CString GetUserId() override { return userId.c_str(); }
    int IsObserver() override { return observer; }
    int IsPresenterMe() override { return presenter; }
    BOOL IsCurrentMeetingType12() override { return currentMeetingType12; }
    void EnsureMeeting(const CString& type, const CString& id) override { Add("EnsureMeeting", {S(type), S(id)}); }
    CString LoadText(UINT id) override
    {
        CString s;
        s.Format(L"<%u>", id);
        return s;
    }
    void Log(int level, const CString& text) override { logLines.push_back((LPCTSTR) text); }

    // IListScreen
    void RefreshList() override { Add("list.RefreshList", {}); }

    // IBoardLayer, IInfoLayer, ITitleBar
    void OnOptShare(int on, int r) override { Add("board.OnOptShare", {N(on), N(r)}); }
    int boardPage = 1;
    int GetCurrentPage() override { return boardPage; }
    HWND GetBoardWindow() override { return nullptr; }
    int GetOptPageIndex() override { return 0; }
    void EnableInfoSync(BOOL) override {}
    void AddRemoteLine(int page, const Json::Value& line) override
    {
        Add("board.AddRemoteLine", {N(page), line.isObject() && line.isMember("lineId") ? line["lineId"].asString() : ""});
    }
    void RemoveLine(int page, const CString& id) override { Add("board.RemoveLine", {N(page), S(id)}); }
    void ClearAllOverlays() override { Add("board.ClearAllOverlays", {}); }
    void QueueRemoteZoom(float zoom, int x, int y) override
    {
        Add("board.QueueRemoteZoom", {N((int) (zoom * 100 + 0.5f)), N(x), N(y)});
    }
    void ShowRemotePointer(const CString& m, int user, const CString& d, int page, const CString& x, const CString& y,
                           const CString& color, const CString& size, const CString& shape) override
    {
        Add("board.ShowRemotePointer", {S(m), N(user), S(d), N(page), S(x), S(y), S(color), S(size), S(shape)});
    }
    void SetWhiteboardMode(BOOL wb) override { Add("info.SetWhiteboardMode", {N(wb)}); }
    void ShowMainTab() override { Add("info.ShowMainTab", {}); }
    void SetChatButtonState(int on, int dnr) override { Add("title.SetChatButtonState", {N(on), N(dnr)}); }
    void SetChatBlink(int on) override { Add("title.SetChatBlink", {N(on)}); }
    void SetTitleText(const CString& t) override { Add("title.SetTitleText", {S(t)}); }


    struct Detail : CDetailScreenStandIn {
        explicit Detail(StandInScreens& parent) : p(parent) {}
        StandInScreens& p;
        CString GetMeetingId() override { return p.detailId.c_str(); }
        void RefreshDetail() override { p.Add("detail.RefreshDetail", {}); }
        void OnPushBroadcast01() override { p.Add("detail.OnPushBroadcast01", {}); }
        void OnPushBroadcast02() override { p.Add("detail.OnPushBroadcast02", {}); }
        void OnPushBroadcast03() override { p.Add("detail.OnPushBroadcast03", {}); }
        void OnPushBroadcast05(int id) override { p.Add("detail.OnPushBroadcast05", {N(id)}); }
        void OnPushBroadcast08() override { p.Add("detail.OnPushBroadcast08", {}); }
        void OnPushBroadcast10() override { p.Add("detail.OnPushBroadcast10", {}); }
        void OnPushBroadcast14() override { p.Add("detail.OnPushBroadcast14", {}); }
        void OnPushBroadcast19() override { p.Add("detail.OnPushBroadcast19", {}); }
        void OnPushBroadcast20() override { p.Add("detail.OnPushBroadcast20", {}); }
        void OnPushBroadcast23(int id, const CString& yn) override { p.Add("detail.OnPushBroadcast23", {N(id), S(yn)}); }
        void OnPushBroadcast25() override { p.Add("detail.OnPushBroadcast25", {}); }
        void OnPushBroadcast28() override { p.Add("detail.OnPushBroadcast28", {}); }
        void OnPushSync03(const CString& n, const CString& d, const CString& t, const CString& m) override
        {
            p.Add("detail.OnPushSync03", {S(n), S(d), S(t), S(m)});
        }

    };
    struct Meeting : CMeetingScreenStandIn {
        explicit Meeting(StandInScreens& parent) : p(parent) {}
        StandInScreens& p;
        CString GetMeetingId() override { return p.meetingId.c_str(); }
        CString GetCurrentDocumentId() override { return p.currentDocumentId.c_str(); }
        CString GetMeetingType() override { return p.meetingType.c_str(); }
        CString GetCurrentMeetingType() override { return p.currentMeetingType.c_str(); }
        BOOL IsMeetingType12() override { return p.meetingType12; }
        BOOL IsMeetingRunning() override { return p.running; }
        BOOL IsPageSync() override { return p.pageSync; }
        BOOL IsWhiteboardDocument() override { return p.whiteboardDocument; }
        BOOL IsEmbeddedDocument(const CString& id) override { return !p.embeddedId.empty() && id == p.embeddedId.c_str(); }
        void MarkMeetingEntered() override { p.Add("meeting.MarkMeetingEntered", {}); }
        void OnMeetingStatusChanged(int s) override { p.Add("meeting.OnMeetingStatusChanged", {N(s)}); }
        int SaveBoardChanges(int a, int two, int silent) override
        {
            p.Add("meeting.SaveBoardChanges", {N(a), N(two), N(silent)});
            return p.saveStarted;
        }
        void StartMeeting(int a, int b) override { p.Add("meeting.StartMeeting", {N(a), N(b)}); }
        void RequestPresenceAndSync(int keep) override { p.Add("meeting.RequestPresenceAndSync", {N(keep)}); }
        void RequestPresence() override { p.Add("meeting.RequestPresence", {}); }
        void RequestDocumentList(const CString& t) override { p.Add("meeting.RequestDocumentList", {S(t)}); }
        void SetFollowPresenter(const CString& m, const CString& d, int o, int on) override
        {
            p.Add("meeting.SetFollowPresenter", {S(m), S(d), N(o), N(on)});
        }
        void SetPendingFollow(const CString& m, const CString& d, int o) override
        {
            p.Add("meeting.SetPendingFollow", {S(m), S(d), N(o)});
        }
        void ClearOtherMeetingDocument() override { p.Add("meeting.ClearOtherMeetingDocument", {}); }
        void OnSyncPagePush(const CString& m, const CString& d, int page, int show) override
        {
            p.Add("meeting.OnSyncPagePush", {S(m), S(d), N(page), N(show)});
        }
        void ApplyPageCommand(const CString& d, int c, int page, int t, int r) override
        {
            p.Add("meeting.ApplyPageCommand", {S(d), N(c), N(page), N(t), N(r)});
        }
        void OpenBuiltInWhiteboard(BOOL post) override { p.Add("meeting.OpenBuiltInWhiteboard", {N(post)}); }
        void CloseMinutesViewer() override { p.Add("meeting.CloseMinutesViewer", {}); }
        void EnableChat(BOOL on) override { p.Add("meeting.EnableChat", {N(on)}); }
        void OnChatPush(const CString& n, const CString& d, const CString& t, const CString& m) override
        {
            p.Add("meeting.OnChatPush", {S(n), S(d), S(t), S(m)});
        }
    };
    Detail m_detail{*this};
    Meeting m_meeting{*this};

    static std::string S(const CString& s)
    {
        const int n = WideCharToMultiByte(CP_UTF8, 0, s.GetString(), s.GetLength(), nullptr, 0, nullptr, nullptr);
        std::string out(n, '\0');
        WideCharToMultiByte(CP_UTF8, 0, s.GetString(), s.GetLength(), &out[0], n, nullptr, nullptr);
        return out;
    }
    static std::string N(int n) { return std::to_string(n); }
    // Called with each call's name before it is recorded (benchmarks time the handlers by it).
    std::function<void(const char*)> onCall;
    void Add(const char* name, std::initializer_list<std::string> args)
    {
        if (onCall) onCall(name);
        std::string line = name;
        line += "(";
        bool first = true;
        for (const std::string& a : args) {
            if (!first) line += ",";
            line += a;
            first = false;
        }
        line += ")";
        calls.push_back(line);
    }
};

}  // namespace appmaintest
