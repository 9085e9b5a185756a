#pragma once
// The voice channel of a voice conference: two UDP sessions with the voice server. The "S"
// session talks to the server's send endpoint and plays the conference's voice that arrives on
// it; the "R" session talks to the server's receive endpoint and carries the local voice. Each
// session registers with a JSON text, is kept alive every 10 seconds and is opened again with a
// new socket when its registration or a keep-alive goes unanswered.
//
// The sessions' events run on socket workers while the local voice is sent from the capture
// thread, so the sessions are used under one lock. The controller must be owned by a shared
// pointer: its sockets reach it through weak references, so an event that comes after the owner
// has let go of it finds nothing to call.
#include <winsock2.h>
#include <windows.h>

#include <memory>
#include <string>

#include "platform/CString.h"
#include "platform/CriticalSection.h"

class CTVTDataAsyncSocket;

class CTVTDataController : public std::enable_shared_from_this<CTVTDataController> {
public:
    static const DWORD SESSION_TIMEOUT_MS = 10000;

    CTVTDataController(const CString& strGroupId, const std::string& strRAddress, unsigned short nRPort,
                       const std::string& strSAddress, unsigned short nSPort);
    virtual ~CTVTDataController();
    CTVTDataController(const CTVTDataController&) = delete;
    CTVTDataController& operator=(const CTVTDataController&) = delete;

    // Opens the "S" session and then the "R" session.
    void Start();
    // Lets go of both sessions for good: an event of their sockets that is still under way finds
    // no session to act on, so none is opened again. The destructor does the same; the owner calls
    // it when it lets go, since a running event may hold the controller a little longer.
    void Close();
    // Sends one encoded voice frame on the "R" session once that session is registered; drops it
    // before.
    void SendVoice(const BYTE* pData, int nLength);

    // Called by a session socket on its worker.
    virtual void OnSocketTimeout(CTVTDataAsyncSocket* pSocket);
    virtual void OnSocketData(CTVTDataAsyncSocket* pSocket, const char* pData, int nCount);

    // The registration text of a session ('S' or 'R').
    static std::string MakeRegistration(char cSessionType, const CString& strGroupId, int nAccountId,
                                        const CString& strMacAddress);

    // The sessions' timer period; tests shorten it. Takes effect for sessions opened afterwards.
    void SetSessionTimeout(DWORD dwMs);
    bool IsRegistered(char cSessionType);
    bool IsKeepAliveSent(char cSessionType);
    // The local port of the session's socket, 0 without one.
    unsigned short GetLocalPort(char cSessionType);
    // How often the session has been opened.
    int GetOpenCount(char cSessionType);

private:
    struct Session {
        char cType;
        std::shared_ptr<CTVTDataAsyncSocket> pSocket;
        std::string strAddress;
        unsigned short nPort;
        BOOL bRegistered;
        BOOL bKeepAliveSent;
        int nOpenCount;
    };

    Session* FindSession(char cSessionType);
    Session* FindSession(const CTVTDataAsyncSocket* pSocket);
    // Under m_cs; hands back the socket it replaced, to be released after the lock.
    std::shared_ptr<CTVTDataAsyncSocket> OpenSession(Session& session);
    void SendPacket(Session& session, const std::string& packet);
    void ReadRegistrationAnswer(const Session& session, const char* pText, int nLength);

    CCriticalSection m_cs;
    BOOL m_bClosed;
    CString m_strGroupId;
    Session m_r;
    Session m_s;
    DWORD m_dwSessionTimeout;
};
