#pragma once
// The single client of the application server (TAS). It stamps every request with the TAS
// platform header and the session header, keeps every request that awaits its reply under its
// transaction id, and hands each reply synchronously to the reply window under the window message
// of its message id. It repairs the connection by itself: after an idle time-out with requests
// outstanding it reconnects and sends them again, after a clean close it reconnects, and after an
// expired session it logs in again and sends the outstanding requests with the new session. What
// it cannot repair goes to the event window.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/Singleton.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/protocol/TasRequest.h"
#include "net/protocol/UiThreadQueue.h"
#include "net/socket/Win32CriticalSection.h"
#include "platform/CString.h"

// Notices to the event window.
const UINT WM_TAS_UPGRADE = WM_USER + 2200;          // lParam: CString* with the updater's URL
const UINT WM_TAS_CONNECTION_LOST = WM_USER + 9998;  // sent
const UINT WM_TAS_SOCKET_ERROR = WM_USER + 9999;     // posted; lParam: the error code

class CTasClientManager : public CSingleton<CTasClientManager>, public CTasClientBaseManager {
public:
    CTasClientManager();
    ~CTasClientManager() override;

    // Loads the definitions, checks them and makes the connection object (not connected).
    // FALSE when the file is missing or lacks a message the client uses (logged).
    BOOL Init(const wchar_t* pszDefinitionPath = L".\\protocols\\protocol.xml");
    void Connect(const CString& strHost, int nPort);
    void Connect(const std::string& strHost, int nPort);
    // The reply window: every reply goes to it, the last call wins.
    void SetListener(HWND hWnd) { m_hListener = hWnd; }
    template <class W>
    void SetListener(W* pWnd)
    {
        SetListener(pWnd ? pWnd->GetSafeHwnd() : (HWND) nullptr);
    }
    HWND GetListener() const { return m_hListener; }

    // Keeps the request (owned from now on) under its transaction id and sends it.
    void SendRequest(CTasClient* pClient, CTasRequest* pRequest);
    std::vector<uint8_t> MakePlatformHeader(const char* pszMessageId, const char* pszApplicationId);
    Json::Value* MakeHeaderJson(BOOL bEmpty);
    // 1, 2, ... 4294967294, 0, 1, ...: one counter for the whole program.
    static uint32_t NextTransactionId();
    static void SetTransactionCounter(uint32_t nValue);

    void OnResponse(std::shared_ptr<CTasResponse> pResponse) override;
    void OnConnect() override;
    void OnTimeout(CTasClient* pClient) override;
    void OnDisconnect(int nErrorCode) override;

    void Reconnect();
    void ResetClient();
    void FreeParkedClient();
    void DeleteRetiredClient() { FreeParkedClient(); }
    int GetLastSyncFlag() const { return m_nLastSyncFlag; }
    int GetLastSyncYn() const { return m_nLastSyncFlag; }

    // State, for the program's diagnostics and tests.
    UINT GetReplyMessage(const std::string& strMessageId) const;
    size_t GetPendingCount();
    std::vector<uint64_t> GetPendingTransactionIds();
    bool IsReloginRunning() const { return m_bRelogin != 0; }
    // The re-login request whose answer the recovery waits for (0: none).
    uint64_t GetReloginTransactionId() const { return m_nReloginTransactionId; }
    int GetTimeoutCount() const { return m_nTimeoutCount; }
    CTasClient* GetClient() const { return m_pClient; }
    const CProtocolDef* GetProtocolDef() const { return m_pProtocolDef; }
    const std::vector<std::string>& GetMissingMessages() const { return m_vecMissing; }

    // The request catalogue: one operation per message id.
    void RequestG00000001(CString strSawonNo, BOOL bSso);
    void RequestM00000001(CString strGroupCode, CString strLoginId, CString strPassword);
    void RequestM00000002(CString strMtngType, CString strDate, short nSeperator);
    // Returns the request's transaction id.
    uint64_t RequestM00000003(CString strStartDate, CString strEndDate, CString strMtngType, int nMain, int nSub,
                              int nStartPage, int nPageNum, CString strSearch);
    void RequestM00000004(CString strMtngId, CString strAttcFileId);
    void RequestM00000005(CString strMtngId, CString strMtngType);
    void RequestM00000006(CString strUserId);
    void RequestM00000007(CString strMtngId, CString strMtngType);
    void RequestM00000008(CString strMtngId, CString strMtngType, CString strFileType);
    void RequestM00000010(CString strMtngId, CString strMtngType, CString strAttcFileId, int nPage, CString strMeta,
                          std::vector<CString> vecList);
    void RequestM00000011(CString strMtngId, CString strAttcFileId, CString strFileName, CString strFileUrl,
                          CString strMinutesId, int nStartIdx);
    void RequestM00000013(CString strMonth, CString strMtngType, CString strDate);
    void RequestM00000015(CString strMtngId, CString strAttcFileId, BOOL bSync, int nPage, BOOL bStartShare,
                          BOOL bAutoChange, BOOL bCompulsion);
    void RequestM00000017(CString strMtngId, CString strMtngType, CString strStatus, BOOL bReport,
                          CString strDateTime, BOOL bPaper, BOOL bFeedback);
    void RequestM00000018(CString strMtngId, CString strAttcFileId, CString strUserId);
    void RequestM00000019(BOOL bApply, BOOL bSun, BOOL bMon, BOOL bTue, BOOL bWed, BOOL bThu, BOOL bFri, BOOL bSat,
                          CString strStartTime, CString strEndTime);
    void RequestM00000020(int nUserId);
    void RequestM00000021(CString strMtngId, BOOL bSecurityApply);
    void RequestM00000022(int nUserId);
    void RequestM00000023();
    // Returns the request's transaction id (its reply may not say whether the viewer asked).
    uint64_t RequestM00000024(CString strMtngId, CString strAttcFileId, int nPage, int nUserId, BOOL bPip);
    void RequestM00000030(CString strMtngId, CString strAttcFileId, int nPage, CString strContent, int nMetaType);
    void RequestM00000031(CString strMtngId, CString strMessage, CString strSenderId, CString strReceiverId,
                          int nChatType);
    void RequestM00000032(CString strMtngId, CString strMessageId, int nChatType, int nPageNum);
    void RequestM00000034(CString strPushKey);
    void RequestM00000035(CString strMtngId);
    void RequestM00000036(CString strMtngId);
    void RequestM00000037(CString strMtngId, CString strSearch, int nCurrentPage, int nPageSize);
    void RequestM00000038(CString strMtngId, CString strUserId, CString strName, BOOL bOpenMode);
    void RequestM00000039(CString strMtngId, CString strAttcFileId, int nPage);
    void RequestM00000043(CString strMtngId, std::vector<CString> vecList);
    void RequestM00000044(CString strGroupCode, CString strOldPassword, CString strNewPassword);
    void RequestM00000045(CString strMtngId, CString strAttcFileId, int nPage, BOOL bSync);
    void RequestM00000046(CString strAttcFileId, CString strFileName, int nStartIdx, CString strAppVersion);
    void RequestM00000047(CString strMtngId, CString strAttendance);
    void RequestM00000048(CString strMtngId, CString strAttcFileId, float fZoom, int nOriginX, int nOriginY);
    void RequestM00000049(CString strMtngId, CString strUserId, CString strAttcFileId, int nPage, int nX, int nY,
                          int nColor, int nSize, int nShape);
    void RequestM00000052(CString strMtngId, CString strAttcFileId, CString strDownloadId);
    void RequestM00000063(CString strMtngId, CString strAttcFileId, int nPage, int nUserId);
    void RequestM00000064(CString strMtngId, CString strAttcFileId, CString strMessageAll, int nIsAll,
                          std::vector<CString> vecList);
    void RequestM00000067(CString strAttcFileId, CString strFileName, int nStartIdx, CString strMtngId);
    void RequestM00000068(CString strMtngId, CString strAttcFileId, CString strVoicePermit);
    void RequestM00000069(CString strMtngId);
    void RequestM00000070(CString strMtngId, CString strAttcFileId, CString strMinutesId);
    void RequestM00000071(CString strMtngId);
    void RequestM00000074(CString strMtngId, CString strChatting);
    void RequestM00000076(CString strMtngId, CString strAttcFileId, CString strConfirm, CString strConfirmDate,
                          CString strPath);
    void RequestM00000078(CString strMtngId, CString strAttcFileId, CString strPage, CString strFavorite);
    void RequestM00000079(CString strMtngId, CString strAttcFileId);
    void RequestM00000095();
    void RequestM00000096(CString strAttcFileId, CString strFavorite);
    void RequestM00000100(CString strAttcFileId, int nCommand, int nPage);

private:
    // The common tail of the catalogue: header, session header, request; returns its transaction
    // id, which goes to pAwaited, when given, before the request is sent.
    uint64_t SendCatalogueRequest(const char* pszMessageId, Json::Value* pBody,
                                  std::atomic<uint64_t>* pAwaited = nullptr);
    uint64_t SendLoginRequest(const CString& strGroupCode, const CString& strLoginId, const CString& strPassword,
                              std::atomic<uint64_t>* pAwaited = nullptr);
    void SendToCurrentClient(CTasRequest* pRequest);
    // False when the reply answers no pending request.
    bool RemovePendingRequest(const CTasResponse& reply);
    void Relogin();
    void HandleReloginAnswer(const CTasResponse& reply);
    void ResendAfterRelogin(const CTasResponse& reply);
    void ResendPendingRequests();
    // Under m_pLock: close, connect to the stored server, idle time-out, resend.
    void ReconnectAndResend();
    void ScheduleReconnectAfterClose();
    void ReconnectAfterClose();
    void DeletePendingRequests();

    CTasClient* m_pClient = nullptr;
    CTasClient* m_pParkedClient = nullptr;
    std::atomic<HWND> m_hListener{nullptr};
    CProtocolDef* m_pProtocolDef;
    std::mutex m_csPending;   // the pending table is changed on the sending and the worker threads
    std::map<int32_t, CTasRequest*> m_mapPending;
    // The last answered transactions (under m_csPending), so that a second answer to a resent
    // request is recognised and dropped.
    static constexpr size_t kAnsweredKept = 256;
    std::deque<uint64_t> m_answered;
    void RememberAnswered(uint64_t nTransactionId);
    bool WasAnswered(uint64_t nTransactionId);
    std::atomic<int> m_bRelogin{0};
    std::atomic<uint64_t> m_nReloginTransactionId{0};
    std::atomic<int> m_nTimeoutCount{0};
    CWin32CriticalSection* m_pLock;   // around each send through a client and every reconnect
    std::map<std::string, UINT> m_mapReplyMessage;
    std::atomic<int> m_nLastSyncFlag{0};
    std::unique_ptr<CUiThreadQueue> m_pQueue;
    std::vector<std::string> m_vecMissing;
};
