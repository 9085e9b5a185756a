#pragma once
// The single client of the voice-conference server (TVT). One TLS connection carries the
// conference's control messages ("A002": join, keep-alive, speak requests, the presenter's
// authority); when the server accepts the join it names two UDP endpoints, and the client opens
// the voice channel to them.
//
// The handlers run on the connection's socket worker, the requests on the caller's thread, and the
// capture thread sends voice through SendVoice, so the voice channel and the group id are used
// under one lock, and the voice channel is held by a shared pointer: a sender keeps it alive until
// its send is done. Questions to the user are asked on the thread that created the manager (the
// user-interface thread), never on the socket worker.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "net/protocol/ProtocolCheck.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/protocol/UiThreadQueue.h"
#include "platform/CString.h"
#include "platform/CriticalSection.h"

class CTVTDataController;

const UINT WM_TVT_RESPONSE = WM_USER + 500;          // lParam: CTasResponse*, during the call
const UINT WM_TVT_CAPTURE_END = WM_USER + 501;       // wParam 0, lParam 0
const UINT WM_TVT_CONNECT_FAILED = WM_USER + 502;    // posted to the event window
const UINT WM_TVT_SOCKET_ERROR = WM_USER + 9999;     // posted to the event window, lParam: the code

class CTVTClientManager : public CSingleton<CTVTClientManager>, public CTasClientBaseManager {
public:
    // The question when the network drops the conference and no event window takes the notice.
    static const wchar_t kReconnectQuestion[];

    CTVTClientManager();
    ~CTVTClientManager() override;

    // Loads the definitions and makes the connection object, without connecting. FALSE when the
    // file lacks a message of the conference (the client is made all the same).
    BOOL Init(const wchar_t* pszDefinitionPath = L".\\protocols\\tvt_protocol.xml");
    // Joins the conference of the group (the meeting's id): connects to the server of the
    // settings store.
    void Start(const CString& strGroupId);
    // Closes the voice channel; replies are dropped from now on and the next idle time-out ends
    // the connection.
    void Stop();
    void RequestSpeak(int nAccountId);
    void RequestSpeakState(BOOL bSpeak);
    void RequestAuthority();
    // One encoded voice frame from capture; dropped without a voice channel.
    void SendVoice(const BYTE* pData, int nLength);
    // Capture has ended or could not start.
    void NotifyListener();

    void SetListener(HWND hWnd) { m_hListener = hWnd; }
    template <class W>
    void SetListener(W* pWnd)
    {
        SetListener(pWnd ? pWnd->GetSafeHwnd() : (HWND) nullptr);
    }
    HWND GetListener() const { return m_hListener; }

    void OnResponse(std::shared_ptr<CTasResponse> pResponse) override;
    void OnConnect() override;
    void OnTimeout(CTasClient* pClient) override;
    void OnDisconnect(int nErrorCode) override;

    std::shared_ptr<CTVTDataController> GetDataChannel();
    CString GetGroupId();
    int GetRetryCount() const { return m_nRetryCount; }
    bool IsStopped() const { return m_bStopped != 0; }
    bool IsKeepAliveSent() const { return m_bKeepAliveSent != 0; }
    CTasClient* GetClient() const { return m_pClient; }
    // The voice channel's session period for channels made afterwards (tests shorten it).
    void SetDataSessionTimeout(DWORD dwMs) { m_dwDataSessionTimeout = dwMs; }

    static std::vector<_REQUIRED_MESSAGE> RequiredMessages();

private:
    // It lives until the process ends: socket workers and the capture thread may call it late.
    using CSingleton<CTVTClientManager>::DestroyInstance;

    void RequestConnect();
    void SendKeepAlive();
    void Reconnect();
    std::vector<uint8_t> MakePlatformHeader(const char* pszApplicationId, const char* pszMessageId);
    Json::Value* MakeHeaderJson();
    // Sends a request of the conference with a fresh header section (and deletes pBody).
    void SendRequest(const char* pszMessageId, Json::Value* pHeader, Json::Value* pBody);
    void OnConnectReply(const std::shared_ptr<CTasResponse>& pResponse);
    void ReplaceDataChannel(std::shared_ptr<CTVTDataController> pChannel);
    void SendToListener(UINT uMsg, LPARAM lParam);
    // On the user-interface thread.
    void AskToReconnect();
    void ReconnectIfMeetingRuns();

    CTasClient* m_pClient;
    std::atomic<HWND> m_hListener{nullptr};
    std::unique_ptr<CProtocolDef> m_pProtocolDef;
    std::atomic<int> m_bKeepAliveSent{0};
    CString m_strGroupId;
    std::shared_ptr<CTVTDataController> m_pDataChannel;
    std::atomic<int> m_bStopped{0};
    std::atomic<int> m_nRetryCount{0};
    CCriticalSection m_cs;   // the group id and the voice channel
    std::atomic<DWORD> m_dwDataSessionTimeout;
    std::unique_ptr<CUiThreadQueue> m_pQueue;
};
