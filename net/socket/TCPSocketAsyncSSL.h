#pragma once
// TLS over the asynchronous TCP socket. OpenSSL never sees the socket: ciphertext from the network
// is written into a memory BIO and decrypted into a queue the application reads; plaintext the
// application sends is encrypted into a buffer that goes to TCP whole, in as few sends as it takes.
// The handshake runs on the socket's worker, hidden from the application: OnSocketConnect (0)
// arrives once the handshake is complete, and plaintext sent before that is held back.
#include <atomic>
#include <string>

#include "net/socket/ByteQueue.h"
#include "net/socket/TCPSocketAsync.h"
#include "net/socket/TlsPeerCheck.h"

class CWin32CriticalSection;
struct SSLState;

class CTCPSocketAsyncSSL : public CTCPSocketAsync {
public:
    // The most plaintext one TLS record carries: queued plaintext goes to OpenSSL in pieces of
    // this size, so each becomes one full record rather than several part-filled ones.
    enum { RecordSize = 16384 };

    static bool InitializeSSL();
    static void ShutdownSSL();

    explicit CTCPSocketAsyncSSL(bool plainMode = false);
    ~CTCPSocketAsyncSSL() override;

    // Turns the socket into a plain TCP socket; call it after Create and before Connect.
    void DisableSSL() { m_bPlainMode = true; }
    bool IsPlainMode() const { return m_bPlainMode; }

    bool Create() override;
    bool SetupSSL();
    // Server role on a listening socket: the certificate (chain) and key, PEM files, that the
    // sockets it accepts present.
    bool LoadCertificate(const std::string& certificateFile, const std::string& keyFile);
    // Prepares this socket for the server role with the context of a listening socket.
    bool SetupServerSSL(CTCPSocketAsyncSSL* parent);

    using CTCPSocketAsync::Connect;
    bool Connect(int leading, const std::string& host, unsigned short port, BOOL blocking, BOOL reportFailure) override;
    bool Connect(int leading, unsigned long address, unsigned short port, BOOL blocking, BOOL reportFailure) override;
    bool Accept(CTCPSocket* newSocket) override;
    // > 0: ciphertext bytes handed to TCP; 0: the plaintext is kept and goes out later (during the
    // handshake, or while the network does not take more); -1: a TLS failure, nothing kept.
    int Send(const char* data, int size) override;
    using CTCPSocketAsync::Send;
    // > 0 plaintext bytes; 0 nothing; -1 error; -2 ciphertext arrived without plaintext yet;
    // -3 as -2, and more raw data is likely waiting.
    int Receive(char* buffer, int size) override;
    int Peek(char* buffer, int size) override;

    // A fatal TLS failure after the connection was reported; true closes the socket and reports
    // OnSocketConnect (-1).
    virtual bool OnSSLError(const std::string& method, const std::string& text, const std::string& sslErrors);
    virtual void OnHandshakeComplete(bool success) {}
    // Client role: the server's certificate was seen at the end of the handshake (its SHA-256,
    // lower-case hex) and the policy accepted it or not; a refused server ends the connect with
    // kTlsPeerRejectedError.
    virtual void OnPeerCertificate(const std::string& sha256Hex, bool accepted, const std::string& why) {}

    // Client role: whom to trust (by default nobody is checked); set before Connect.
    void SetPeerPolicy(const TlsPeerPolicy& policy) { m_peerPolicy = policy; }
    // The SHA-256 of the server's certificate once the handshake has ended; empty before.
    std::string GetPeerSha256() const;

    BOOL SocketConnected(int error, BOOL noEvent = FALSE) override;
    BOOL SocketClosed(int error, BOOL noEvent = FALSE) override;
    BOOL SocketWrite(int error) override;
    BOOL SocketReceive(int error, BOOL noEvent = FALSE) override;

    bool IsHandshakeDone() const { return m_bHandshakeDone; }
    bool IsConnectionReported() const { return m_bConnectionReported; }

protected:
    int SSLSend(const char* data, int size, bool noQueue, bool noFlush);
    int SSLReceive(char* buffer, int size, bool flushWhenIdle);
    int FlushPendingPlaintext();
    int FlushData();
    void FlushAll();
    void StartHandshake();

private:
    struct SSLResult {
        bool ok;
        bool close;
    };
    // Holds the flush lock; the outermost holder also serves flushes that the worker asked for
    // while it held the lock.
    class FlushSection {
    public:
        explicit FlushSection(CTCPSocketAsyncSSL* socket);
        ~FlushSection();
        FlushSection(const FlushSection&) = delete;
        FlushSection& operator=(const FlushSection&) = delete;

    private:
        CTCPSocketAsyncSSL* m_pSocket;
    };

    SSLResult AnalyzeSSLError(const std::string& method, const std::string& text, int result, int sslError);
    void HandleFatal(const SSLResult& outcome);
    int FlushDataLocked();
    void LeaveFlush();
    void RequestFlush();
    void CompleteHandshake();
    void FailHandshake(int error);
    int ConsumeHandshakeData();
    void FreeTLS();
    // The end of a client's handshake: reads the server's certificates and applies the policy.
    bool AcceptPeer();

    SSLState* m_pTLS;
    CWin32CriticalSection* m_pTLSLock;
    CWin32CriticalSection* m_pQueueLock;
    CWin32CriticalSection* m_pFlushLock;
    CByteQueue m_aPendingPlaintext;
    // Ciphertext taken from OpenSSL that TCP has not taken yet, from m_nOutgoingSent on; under the
    // flush lock. It trades places with the one OpenSSL writes into, so both are reused.
    std::string m_strOutgoing;
    size_t m_nOutgoingSent;
    CByteQueue m_aReceived;
    std::atomic<bool> m_bHandshakeDone;
    std::atomic<bool> m_bHandshakeStarted;
    CTCPSocketAsyncSSL* m_pParent;
    std::atomic<bool> m_bPlainMode;
    bool m_bConnectSuppressed;
    std::atomic<bool> m_bConnectionReported;
    std::atomic<bool> m_bConnectFailed;
    std::atomic<bool> m_bFlushRequested;
    int m_iFlushDepth;
    TlsPeerPolicy m_peerPolicy;
    std::string m_strPeerName;      // the host name or address connected to
    std::string m_strPeerSha256;    // under m_pTLSLock
};
