#pragma once
// The one connection object under every server client. It keeps requests sent before the
// connection is up, serialises each request into a frame and writes it, cuts the received stream
// into frames and hands every reply, as a shared pointer, to its manager. It knows nothing of what
// the messages mean.
//
// Threads: Connect, Send, Close and the time-out setters run on the caller's thread (the user
// interface, or a socket worker inside a manager's handler); OnConnect, OnData, OnClose, OnTimeout
// and OnWritable run on the socket's worker. The send queue and the writing of a frame are under
// one lock, the receive state under another; no lock is held while the manager is called, and no
// write waits for the network while the send lock is held (the socket is made not to wait), so a
// window handler run by a message sent to this thread can always send again.
#include <winsock2.h>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/protocol/TasFrameReader.h"
#include "net/protocol/TasRequest.h"
#include "net/protocol/TasSocket.h"

class CProtocolDef;
class CTasClientBaseManager;
class CTasSocketLink;

class CTasClient {
public:
    // The code a manager's OnDisconnect gets when the stream had to be dropped (a frame larger
    // than the reader accepts).
    static constexpr int kBrokenStreamError = 10053;   // WSAECONNABORTED

    CTasClient(CTasClientBaseManager* pManager, const CProtocolDef* pProtocolDef, int bJson, int bTls);
    virtual ~CTasClient();
    CTasClient(const CTasClient&) = delete;
    CTasClient& operator=(const CTasClient&) = delete;

    // Replaces how sockets are made (tests); null restores the TLS socket of the socket library.
    static PFN_TAS_SOCKET_FACTORY SetSocketFactory(PFN_TAS_SOCKET_FACTORY pfn);

    int Connect(const std::string& strHost, int nPort);
    // Sends a copy of the request now, or when the connection is up. Returns 1.
    int Send(const CTasRequest* pRequest);
    bool IsConnected();
    // Drops the connection and whatever was received of an unfinished frame; queued requests
    // stay for the next connection.
    void Close();
    // Once set, the client connects, sends and delivers nothing more.
    void SetClosed() { m_bClosed = 1; }
    bool IsClosed() const { return m_bClosed != 0; }
    void SetConnectionTimeout(unsigned long ms);
    void SetTimeout(unsigned long ms);
    unsigned long GetTimeout() const { return m_ulIdleTimeout; }
    // Requests waiting for the connection.
    size_t GetQueuedCount();
    CTasFrameReader& GetFrameReader() { return m_reader; }

    // Socket events, on the socket's worker.
    void OnConnect();
    void OnData(const char* pData, int nSize);
    void OnClose(int nError);
    void OnTimeout();
    void OnWritable();

private:
    int ConnectSocket();
    bool CreateSocket();
    // Under m_csSend; serialising writes the lengths into the copy's own header.
    void WriteRequest(CTasRequest& copy);
    void WriteFrame(const std::string& frame, const std::string& strMessageId, const std::string& strApplicationId);
    void FlushUnsent();
    void FinishMessageProcessing(const std::shared_ptr<CTasResponse>& pReply);
    void ReleaseSocket(bool bWait);

    CTasClientBaseManager* m_pManager;
    const CProtocolDef* m_pProtocolDef;
    const int m_bTls;
    const int m_bJson;
    std::atomic<int> m_bConnecting{0};
    std::atomic<int> m_bClosed{0};
    std::string m_strHost;
    int m_nPort = 0;
    std::atomic<unsigned long> m_ulIdleTimeout{0};
    std::atomic<unsigned long> m_ulConnectionTimeout{0};

    std::mutex m_csSend;   // socket pointer, link state, queue, unsent bytes
    ITasSocket* m_pSocket = nullptr;
    std::shared_ptr<CTasSocketLink> m_pLink;
    // Links given up by Close while a callback may still run through them on the worker: the
    // client is not deleted until those callbacks are over.
    std::vector<std::shared_ptr<CTasSocketLink>> m_vecRetiredLinks;
    bool m_bLinkUp = false;   // the connect event came and no close since
    std::vector<std::shared_ptr<CTasRequest>> m_vecQueue;
    std::string m_strUnsent;   // the tail of frames a plain socket did not take yet

    std::mutex m_csReceive;
    CTasFrameReader m_reader;
};
