#include "net/socket/TCPSocketAsyncSSL.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/Win32CriticalSection.h"

namespace {

// Ciphertext read from the network per call: several full records with their headers and tags.
// Every read is a round trip to the Wine server; 64 KiB reads echoed a megabyte about a third
// faster than 32 KiB ones.
const int kRawReadSize = 4 * CTCPSocketAsyncSSL::RecordSize;
// A send buffer grown beyond this by a large send is given back once it has gone out.
const size_t kKeptSendCapacity = 4 << 20;

// The write side of a connection: OpenSSL appends its records to a string, which the sender then
// takes whole by a swap. (Through a memory BIO every byte was copied in, copied out again into a
// fresh buffer, and sent in pieces; on a fast network that cost more than the encryption.)
int SinkWrite(BIO* bio, const char* data, int size)
{
    if (size <= 0) return 0;
    try {
        static_cast<std::string*>(BIO_get_data(bio))->append(data, (size_t)size);
        return size;
    } catch (...) {
        return -1;
    }
}

long SinkControl(BIO* bio, int command, long, void*)
{
    switch (command) {
    case BIO_CTRL_FLUSH:
        return 1;
    case BIO_CTRL_WPENDING:
        return (long)static_cast<std::string*>(BIO_get_data(bio))->size();
    default:
        return 0;
    }
}

int SinkCreate(BIO* bio)
{
    BIO_set_init(bio, 1);
    return 1;
}

const BIO_METHOD* SinkMethod()
{
    static BIO_METHOD* method = [] {
        const int index = BIO_get_new_index();
        BIO_METHOD* made = index == -1 ? nullptr : BIO_meth_new(index | BIO_TYPE_SOURCE_SINK, "ciphertext sink");
        if (made && (!BIO_meth_set_write(made, SinkWrite) || !BIO_meth_set_ctrl(made, SinkControl) ||
                     !BIO_meth_set_create(made, SinkCreate))) {
            BIO_meth_free(made);
            made = nullptr;
        }
        return made;
    }();
    return method;
}

}  // namespace

struct SSLState {
    SSL* ssl;
    BIO* readBio;   // network to TLS
    BIO* writeBio;  // TLS to network: appends to 'ciphertext'
    SSL_CTX* ctx;
    std::string ciphertext;  // records not taken by the sender yet
};

bool CTCPSocketAsyncSSL::InitializeSSL()
{
    return OPENSSL_init_ssl(OPENSSL_INIT_LOAD_SSL_STRINGS | OPENSSL_INIT_LOAD_CRYPTO_STRINGS, nullptr) == 1;
}

void CTCPSocketAsyncSSL::ShutdownSSL()
{
    // OpenSSL 3 frees its global state at process exit by itself (a full clean-up now would forbid
    // a later start); what can go now is the calling thread's share.
    OPENSSL_thread_stop();
}

CTCPSocketAsyncSSL::CTCPSocketAsyncSSL(bool plainMode)
    : m_pTLS(nullptr),
      m_pTLSLock(new CWin32CriticalSection()),
      m_pQueueLock(new CWin32CriticalSection()),
      m_pFlushLock(new CWin32CriticalSection()),
      m_nOutgoingSent(0),
      m_bHandshakeDone(false),
      m_bHandshakeStarted(false),
      m_pParent(nullptr),
      m_bPlainMode(plainMode),
      m_bConnectSuppressed(false),
      m_bConnectionReported(false),
      m_bConnectFailed(false),
      m_bFlushRequested(false),
      m_iFlushDepth(0)
{
    SetName("CTCPSocketAsyncSSL");
}

CTCPSocketAsyncSSL::~CTCPSocketAsyncSSL()
{
    try {
        // Off the worker, this waits until no event of the socket is being handled any more.
        if (!GetKeepOpen()) Close();
        FreeTLS();
        delete m_pFlushLock;
        delete m_pQueueLock;
        delete m_pTLSLock;
    } catch (...) {
        ReportLastError("~CTCPSocketAsyncSSL");
    }
}

void CTCPSocketAsyncSSL::FreeTLS()
{
    if (!m_pTLS) return;
    CCriticalAutoRelease guard(m_pTLSLock);
    SSL_free(m_pTLS->ssl);  // frees both BIOs
    SSL_CTX_free(m_pTLS->ctx);
    delete m_pTLS;
    m_pTLS = nullptr;
}

bool CTCPSocketAsyncSSL::Create()
{
    try {
        if (!CTCPSocketAsync::Create()) return false;
        if (m_bPlainMode || SetupSSL()) return true;
        Close();
        return false;
    } catch (...) {
        ReportLastError("Create");
        return false;
    }
}

bool CTCPSocketAsyncSSL::SetupSSL()
{
    try {
        FreeTLS();
        {
            CCriticalAutoRelease guard(m_pQueueLock);
            m_aPendingPlaintext.Clear();
            m_aReceived.Clear();
        }
        {
            CCriticalAutoRelease guard(m_pFlushLock);
            m_strOutgoing.clear();
            m_nOutgoingSent = 0;
        }
        m_bHandshakeDone = false;
        m_bHandshakeStarted = false;
        m_bConnectionReported = false;
        m_bConnectFailed = false;

        SSL_CTX* ctx = nullptr;
        if (m_pParent && m_pParent->m_pTLS) {
            ctx = m_pParent->m_pTLS->ctx;
            SSL_CTX_up_ref(ctx);
        } else {
            ctx = SSL_CTX_new(TLS_method());
        }
        if (!ctx) return false;
        SSL* ssl = SSL_new(ctx);
        BIO* readBio = BIO_new(BIO_s_mem());
        BIO* writeBio = SinkMethod() ? BIO_new(SinkMethod()) : nullptr;
        if (!ssl || !readBio || !writeBio) {
            BIO_free(readBio);
            BIO_free(writeBio);
            SSL_free(ssl);
            SSL_CTX_free(ctx);
            return false;
        }
        SSL_set_bio(ssl, readBio, writeBio);
        // A retried write is always the head of the pending queue, copied into a fresh buffer.
        SSL_set_mode(ssl, SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
        std::unique_ptr<SSLState> state(new SSLState{ssl, readBio, writeBio, ctx, std::string()});
        BIO_set_data(writeBio, &state->ciphertext);
        CCriticalAutoRelease guard(m_pTLSLock);
        m_pTLS = state.release();
        return true;
    } catch (...) {
        ReportLastError("SetupSSL");
        return false;
    }
}

bool CTCPSocketAsyncSSL::LoadCertificate(const std::string& certificateFile, const std::string& keyFile)
{
    if (!m_pTLS) return false;
    ERR_clear_error();
    return SSL_CTX_use_certificate_chain_file(m_pTLS->ctx, certificateFile.c_str()) == 1 &&
           SSL_CTX_use_PrivateKey_file(m_pTLS->ctx, keyFile.c_str(), SSL_FILETYPE_PEM) == 1 &&
           SSL_CTX_check_private_key(m_pTLS->ctx) == 1;
}

bool CTCPSocketAsyncSSL::SetupServerSSL(CTCPSocketAsyncSSL* parent)
{
    m_pParent = parent;
    if (!SetupSSL()) return false;
    SSL_set_accept_state(m_pTLS->ssl);
    return true;
}

bool CTCPSocketAsyncSSL::Connect(int leading, const std::string& host, unsigned short port, BOOL blocking,
                                 BOOL reportFailure)
{
    m_strPeerName = host;
    // The server's name goes with the handshake, for servers that answer for several names.
    if (m_pTLS && !m_bPlainMode && inet_addr(host.c_str()) == INADDR_NONE && !host.empty())
        SSL_set_tlsext_host_name(m_pTLS->ssl, host.c_str());
    unsigned long address = inet_addr(host.c_str());
    if (address == INADDR_NONE) address = ResolveDNS(host);
    return Connect(leading, address, port, blocking, reportFailure);
}

bool CTCPSocketAsyncSSL::Connect(int leading, unsigned long address, unsigned short port, BOOL blocking,
                                 BOOL reportFailure)
{
    try {
        if (m_bPlainMode) return CTCPSocketAsync::Connect(leading, address, port, blocking, reportFailure);
        if (m_strPeerName.empty()) m_strPeerName = LongToString(address);
        if (m_pTLS) SSL_set_connect_state(m_pTLS->ssl);
        if (!CTCPSocketAsync::Connect(leading, address, port, blocking, reportFailure)) return false;
        if ((blocking || IsBlocking()) && !m_bHandshakeStarted) {
            StartHandshake();
            FlushAll();
        }
        return true;
    } catch (...) {
        ReportLastError("Connect");
        return false;
    }
}

bool CTCPSocketAsyncSSL::Accept(CTCPSocket* newSocket)
{
    try {
        if (!m_bPlainMode) {
            CTCPSocketAsyncSSL* tlsSocket = dynamic_cast<CTCPSocketAsyncSSL*>(newSocket);
            if (tlsSocket && !tlsSocket->IsPlainMode() && !tlsSocket->SetupServerSSL(this)) return false;
        }
        return CTCPSocketAsync::Accept(newSocket);
    } catch (...) {
        ReportLastError("Accept");
        return false;
    }
}

int CTCPSocketAsyncSSL::Send(const char* data, int size)
{
    if (m_bPlainMode) return CTCPSocketAsync::Send(data, size);
    return SSLSend(data, size, false, false);
}

int CTCPSocketAsyncSSL::Receive(char* buffer, int size)
{
    return SSLReceive(buffer, size, !m_bConnectionReported);
}

int CTCPSocketAsyncSSL::Peek(char* buffer, int size)
{
    if (m_bPlainMode) return CTCPSocketAsync::Peek(buffer, size);
    if (!buffer || size <= 0) return 0;
    CCriticalAutoRelease guard(m_pQueueLock);
    return (int)m_aReceived.Peek(buffer, (size_t)size);
}

bool CTCPSocketAsyncSSL::OnSSLError(const std::string&, const std::string&, const std::string&)
{
    return true;
}

// ---- sending -------------------------------------------------------------------------------------

CTCPSocketAsyncSSL::FlushSection::FlushSection(CTCPSocketAsyncSSL* socket) : m_pSocket(socket)
{
    socket->m_pFlushLock->Enter();
    ++socket->m_iFlushDepth;
}

CTCPSocketAsyncSSL::FlushSection::~FlushSection()
{
    try {
        m_pSocket->LeaveFlush();
    } catch (...) {
        m_pSocket->ReportLastError("FlushData");
    }
}

void CTCPSocketAsyncSSL::LeaveFlush()
{
    for (;;) {
        if (m_iFlushDepth == 1)
            while (m_bFlushRequested.exchange(false)) FlushDataLocked();
        bool outermost = --m_iFlushDepth == 0;
        m_pFlushLock->Exit();
        // A request made just before the lock was left is served here, unless another thread
        // holds the lock by now (it serves it).
        if (!outermost || !m_bFlushRequested || !m_pFlushLock->TryEnter()) return;
        ++m_iFlushDepth;
    }
}

void CTCPSocketAsyncSSL::RequestFlush()
{
    // The worker never waits for the flush lock: its holder may be waiting for this very worker's
    // write notification. It leaves the request to that holder instead.
    m_bFlushRequested = true;
    if (!m_pFlushLock->TryEnter()) return;
    ++m_iFlushDepth;
    LeaveFlush();
}

void CTCPSocketAsyncSSL::FlushAll()
{
    FlushSection flush(this);
    FlushPendingPlaintext();
    FlushDataLocked();
}

int CTCPSocketAsyncSSL::SSLSend(const char* data, int size, bool noQueue, bool noFlush)
{
    try {
        if (!m_pTLS) return -1;
        if (!data || size <= 0) return 0;
        FlushSection flush(this);
        m_bHandshakeStarted = true;
        // Plaintext may not overtake plaintext that still waits for the handshake.
        bool waiting = false;
        if (!noQueue) {
            FlushPendingPlaintext();
            CCriticalAutoRelease guard(m_pQueueLock);
            waiting = !m_aPendingPlaintext.Empty();
        }
        if (!waiting) {
            int written, sslError;
            {
                CCriticalAutoRelease guard(m_pTLSLock);
                ERR_clear_error();
                // All of it at once: records of the full size, and one send for all of them.
                written = SSL_write(m_pTLS->ssl, data, size);
                sslError = SSL_get_error(m_pTLS->ssl, written);
            }
            if (written > 0) {
                // The plaintext is taken: whatever the network does now, it is not sent again.
                int sent = FlushDataLocked();
                return sent > 0 ? sent : 0;
            }
            SSLResult outcome = AnalyzeSSLError("Send", "Failure calling SSL_write", written, sslError);
            if (!outcome.ok) {
                HandleFatal(outcome);
                return -1;
            }
            if (noQueue) {
                if (!noFlush) FlushDataLocked();
                return -1;
            }
        }
        {
            CCriticalAutoRelease guard(m_pQueueLock);
            m_aPendingPlaintext.Append(data, (size_t)size);
        }
        if (!noFlush) FlushDataLocked();
        return 0;
    } catch (...) {
        ReportLastError("Send");
        return -1;
    }
}

int CTCPSocketAsyncSSL::FlushPendingPlaintext()
{
    if (!m_pTLS) return -1;
    FlushSection flush(this);
    int total = 0;
    for (;;) {
        char chunk[RecordSize];
        size_t count;
        {
            // A copy: other threads may append to the queue while OpenSSL encrypts.
            CCriticalAutoRelease guard(m_pQueueLock);
            count = m_aPendingPlaintext.Peek(chunk, sizeof chunk);
        }
        if (count == 0) return total;
        int written, sslError;
        {
            CCriticalAutoRelease guard(m_pTLSLock);
            ERR_clear_error();
            written = SSL_write(m_pTLS->ssl, chunk, (int)count);
            sslError = SSL_get_error(m_pTLS->ssl, written);
        }
        if (written > 0) {
            // Taken by TLS: gone from the queue, so it can never be encrypted twice.
            CCriticalAutoRelease guard(m_pQueueLock);
            m_aPendingPlaintext.Drop((size_t)written);
            total += written;
            continue;
        }
        SSLResult outcome = AnalyzeSSLError("Send", "Failure calling SSL_write", written, sslError);
        if (!outcome.ok) {
            HandleFatal(outcome);
            return -1;
        }
        return total > 0 ? total : -1;
    }
}

int CTCPSocketAsyncSSL::FlushData()
{
    FlushSection flush(this);
    return FlushDataLocked();
}

int CTCPSocketAsyncSSL::FlushDataLocked()
{
    if (!m_pTLS) return -1;
    int total = 0;
    for (;;) {
        while (m_nOutgoingSent < m_strOutgoing.size()) {
            // All of it in one send, however many records it holds: every send is a round trip to
            // the Wine server, and a short send left behind a long one waits for the peer's
            // acknowledgement under Nagle's algorithm.
            const size_t count = std::min(m_strOutgoing.size() - m_nOutgoingSent, (size_t)INT_MAX);
            int sent = CTCPSocketAsync::Send(m_strOutgoing.data() + m_nOutgoingSent, (int)count);
            if (sent < 1) return total > 0 ? total : sent;
            // Only what TCP took is done with: the tail of a partial send goes out next.
            m_nOutgoingSent += (size_t)sent;
            total += sent;
        }
        // Sent: the buffer serves again, unless a large send grew it.
        if (m_strOutgoing.capacity() > kKeptSendCapacity)
            std::string().swap(m_strOutgoing);
        else
            m_strOutgoing.clear();
        m_nOutgoingSent = 0;
        {
            // Whatever OpenSSL wrote since, taken whole; the network is then written to without
            // the TLS lock, which the worker needs to read while this thread waits to send.
            CCriticalAutoRelease guard(m_pTLSLock);
            m_strOutgoing.swap(m_pTLS->ciphertext);
        }
        if (!m_strOutgoing.empty()) continue;
        if (FlushPendingPlaintext() > 0) continue;
        return total;
    }
}

void CTCPSocketAsyncSSL::StartHandshake()
{
    if (!m_pTLS) return;
    m_bHandshakeStarted = true;
    int result, sslError;
    {
        CCriticalAutoRelease guard(m_pTLSLock);
        ERR_clear_error();
        result = SSL_do_handshake(m_pTLS->ssl);
        sslError = SSL_get_error(m_pTLS->ssl, result);
    }
    SSLResult outcome = AnalyzeSSLError("Send", "Failure calling SSL_do_handshake", result, sslError);
    if (!outcome.ok) HandleFatal(outcome);
}

// ---- receiving -----------------------------------------------------------------------------------

int CTCPSocketAsyncSSL::SSLReceive(char* buffer, int size, bool flushWhenIdle)
{
    try {
        if (m_bPlainMode) return CTCPSocketAsync::Receive(buffer, size);
        if (!m_pTLS) return -1;
        char raw[kRawReadSize];
        int got = CTCPSocketAsync::Receive(raw, sizeof raw);
        bool full = got == (int)sizeof raw;
        if (got > 0) {
            {
                CCriticalAutoRelease guard(m_pTLSLock);
                BIO_write(m_pTLS->readBio, raw, got);
            }
            for (;;) {
                char plain[RecordSize];
                int read, sslError;
                {
                    CCriticalAutoRelease guard(m_pTLSLock);
                    ERR_clear_error();
                    read = SSL_read(m_pTLS->ssl, plain, sizeof plain);
                    sslError = SSL_get_error(m_pTLS->ssl, read);
                }
                SSLResult outcome = AnalyzeSSLError("Receive", "Failed calling SSL_read", read, sslError);
                if (!outcome.ok) {
                    HandleFatal(outcome);
                    return -1;
                }
                if (read <= 0) break;
                CCriticalAutoRelease guard(m_pQueueLock);
                m_aReceived.Append(plain, (size_t)read);
            }
            got = -2;
            // Handshake messages, alerts and key updates that the reading produced go out now.
            bool output;
            {
                CCriticalAutoRelease guard(m_pTLSLock);
                output = !m_pTLS->ciphertext.empty();
            }
            if (output) RequestFlush();
        }
        bool pending;
        {
            CCriticalAutoRelease guard(m_pQueueLock);
            if (!m_aReceived.Empty()) {
                if (!buffer || size <= 0) return 0;
                return (int)m_aReceived.Take(buffer, (size_t)size);
            }
            pending = !m_aPendingPlaintext.Empty();
        }
        if (got == -2 && (flushWhenIdle || pending)) RequestFlush();
        if (got == -2 && full) return -3;
        return got;
    } catch (...) {
        ReportLastError("Receive");
        return -1;
    }
}

CTCPSocketAsyncSSL::SSLResult CTCPSocketAsyncSSL::AnalyzeSSLError(const std::string& method, const std::string& text,
                                                                  int result, int sslError)
{
    SSLResult outcome = {true, true};
    if (result > 0) return outcome;
    if (sslError == SSL_ERROR_WANT_READ || sslError == SSL_ERROR_NONE || sslError == SSL_ERROR_ZERO_RETURN)
        return outcome;
    std::string joined;
    char piece[512];
    char description[256];
    unsigned long code = (unsigned long)sslError;
    do {
        ERR_error_string_n(code, description, sizeof description);
        std::snprintf(piece, sizeof piece, "SSL error number: %i, error code: %i error string: %s", 1, (int)code,
                      description);
        if (!joined.empty()) joined += ",";
        joined += piece;
    } while ((code = ERR_get_error()) != 0);
    ReportError(method, text, joined);
    outcome.ok = false;
    outcome.close = m_bConnectionReported ? OnSSLError(method, text, joined) : false;
    return outcome;
}

void CTCPSocketAsyncSSL::HandleFatal(const SSLResult& outcome)
{
    if (!m_bConnectionReported) {
        // A connection whose handshake failed was never up: the owner hears of it as a failed
        // connect, and the socket is closed.
        FailHandshake(-1);
    } else if (outcome.close) {
        Close();
        SocketConnected(-1, FALSE);
    }
    ::SetLastError(ERROR_FILE_NOT_FOUND);
}

// ---- events --------------------------------------------------------------------------------------

BOOL CTCPSocketAsyncSSL::SocketConnected(int error, BOOL noEvent)
{
    try {
        m_bConnectSuppressed = noEvent != FALSE;
        if (m_bPlainMode) return CTCPSocketAsync::SocketConnected(error, noEvent);
        if (error != 0) {
            // The connection time-out expired while the handshake ran.
            if (IsConnected() && !m_bConnectionReported) {
                FailHandshake(error);
                return TRUE;
            }
            CTCPSocketAsync::SocketConnected(error, FALSE);
            return TRUE;
        }
        // TCP is up: the user hears of it once the handshake is complete, which the connection
        // time-out covers as well.
        CTCPSocketAsync::SocketConnected(0, TRUE);
        if (GetConnectionTimeout() && !IsSystemTimerArmed()) SetSystemTimeout(GetConnectionTimeout());
        if (!m_bHandshakeStarted) StartHandshake();
        // Also what a send queued before the connection existed.
        RequestFlush();
        return TRUE;
    } catch (...) {
        ReportLastError("SocketConnected");
        return FALSE;
    }
}

BOOL CTCPSocketAsyncSSL::SocketReceive(int error, BOOL noEvent)
{
    try {
        if (m_bPlainMode || m_bConnectionReported) return CTCPSocketAsync::SocketReceive(error, noEvent);
        if (m_bConnectFailed) return TRUE;
        if (error != 0) {
            FailHandshake(error);
            return TRUE;
        }
        ConsumeHandshakeData();
        return TRUE;
    } catch (...) {
        ReportLastError("SocketConnected");
        return FALSE;
    }
}

BOOL CTCPSocketAsyncSSL::SocketClosed(int error, BOOL noEvent)
{
    try {
        if (m_bPlainMode || m_bConnectionReported) return CTCPSocketAsync::SocketClosed(error, noEvent);
        if (m_bConnectFailed) return CTCPSocketAsync::SocketClosed(error, TRUE);
        // The peer ended the connection during the handshake: what it sent last (an alert, or the
        // end of the handshake) decides how the connect ends.
        while (ConsumeHandshakeData() == -3 && !m_bConnectFailed && !m_bConnectionReported) {
        }
        if (m_bConnectionReported) return CTCPSocketAsync::SocketClosed(error, noEvent);
        FailHandshake(error ? error : -1);
        return TRUE;
    } catch (...) {
        ReportLastError("SocketClosed");
        return FALSE;
    }
}

BOOL CTCPSocketAsyncSSL::SocketWrite(int error)
{
    try {
        // A sender off the worker may wait for this notification, in every mode.
        SetWriteEvent();
        if (!m_bPlainMode) RequestFlush();
        if (m_bPlainMode || !m_bConnectionReported) {
            if (GetBlockedBuffer()) GetBlockedBuffer()->SendData();
            return TRUE;
        }
        return CTCPSocketAsync::SocketWrite(error);
    } catch (...) {
        ReportLastError("SocketWrite");
        return TRUE;
    }
}

int CTCPSocketAsyncSSL::ConsumeHandshakeData()
{
    int result = SSLReceive(nullptr, 0, false);
    if (m_bConnectFailed || m_bConnectionReported) return result;
    if (result == -1) {
        // The network failed under the handshake.
        FailHandshake(GetLastSocketError() ? GetLastSocketError() : -1);
        return result;
    }
    bool finished;
    {
        CCriticalAutoRelease guard(m_pTLSLock);
        finished = m_pTLS && SSL_is_init_finished(m_pTLS->ssl);
    }
    if (finished) CompleteHandshake();
    return result;
}

std::string CTCPSocketAsyncSSL::GetPeerSha256() const
{
    CCriticalAutoRelease guard(m_pTLSLock);
    return m_strPeerSha256;
}

bool CTCPSocketAsyncSSL::AcceptPeer()
{
    std::vector<std::string> chain;
    {
        CCriticalAutoRelease guard(m_pTLSLock);
        if (!m_pTLS || SSL_is_server(m_pTLS->ssl)) return true;
        X509* leaf = SSL_get1_peer_certificate(m_pTLS->ssl);
        auto derOf = [](X509* cert) {
            unsigned char* der = nullptr;
            const int n = i2d_X509(cert, &der);
            std::string bytes;
            if (n > 0 && der) bytes.assign((const char*)der, (size_t)n);
            OPENSSL_free(der);
            return bytes;
        };
        if (leaf) {
            chain.push_back(derOf(leaf));
            X509_free(leaf);
        }
        // The client's view of the chain starts with the server's own certificate.
        STACK_OF(X509)* sent = SSL_get_peer_cert_chain(m_pTLS->ssl);
        for (int i = 1; sent && i < sk_X509_num(sent); ++i) chain.push_back(derOf(sk_X509_value(sent, i)));
        m_strPeerSha256 = chain.empty() ? std::string() : Sha256HexOf(chain[0]);
    }
    std::string why;
    const bool accepted = CheckTlsPeer(m_peerPolicy, m_strPeerName, chain, why);
    const std::string sha256 = GetPeerSha256();
    OnPeerCertificate(sha256, accepted, why);
    if (!accepted) ReportError("AcceptPeer", "Server not trusted", why);
    return accepted;
}

void CTCPSocketAsyncSSL::CompleteHandshake()
{
    KillSystemTimer();
    if (!AcceptPeer()) {
        OnHandshakeComplete(false);
        FailHandshake(kTlsPeerRejectedError);
        return;
    }
    m_bHandshakeDone = true;
    OnHandshakeComplete(true);
    m_bConnectionReported = true;
    // The plaintext held back during the handshake goes first.
    RequestFlush();
    CTCPSocketAsync::SocketConnected(0, m_bConnectSuppressed);
    bool received;
    {
        CCriticalAutoRelease guard(m_pQueueLock);
        received = !m_aReceived.Empty();
    }
    // Data that came with the end of the handshake has no notification of its own left.
    if (received && !IsClosing()) CTCPSocketAsync::SocketReceive(0, FALSE);
}

void CTCPSocketAsyncSSL::FailHandshake(int error)
{
    if (m_bConnectFailed || m_bConnectionReported) return;
    m_bConnectFailed = true;
    KillSystemTimer();
    Close();
    CTCPSocketAsync::SocketConnected(error, FALSE);
}
