#pragma once
// A loopback client socket for the benchmarks: connects, counts the bytes the peer sends back and
// lets the benchmark thread wait for them.
#include <winsock2.h>
#include <windows.h>

#include <atomic>

#include "net/socket/TCPSocketAsyncSSL.h"

// Counts what the peer sends back and signals the waiting benchmark thread.
class BenchSocket : public CTCPSocketAsyncSSL {
public:
    explicit BenchSocket(bool plain = false) : CTCPSocketAsyncSSL(plain) {}
    ~BenchSocket() override
    {
        CloseHandle(m_hConnected);
        CloseHandle(m_hReceived);
    }
    BOOL OnSocketTimeout() override { return TRUE; }
    BOOL OnSocketConnect(int error) override
    {
        m_iConnectError = error;
        SetEvent(m_hConnected);
        return TRUE;
    }
    BOOL OnSocketAccept(int) override { return TRUE; }
    BOOL OnSocketClose(int) override { return TRUE; }
    BOOL OnSocketOOB(int) override { return TRUE; }
    BOOL OnSocketWrite(int) override { return TRUE; }
    BOOL OnSocketReceive(int) override
    {
        // Large reads: under Wine every Receive is a round trip to the server, and 4 KiB reads held a
        // megabyte echoed back to some 40 MB/s, which measured the reads rather than the socket.
        char buffer[65536];
        int n;
        while ((n = Receive(buffer, sizeof buffer)) > 0) m_nReceived += n;
        SetEvent(m_hReceived);
        return TRUE;
    }
    // Connects and waits for the report; false on failure.
    bool ConnectTo(unsigned short port)
    {
        if (!Create()) return false;
        if (!Connect("127.0.0.1", port, FALSE, TRUE)) return false;
        return WaitForSingleObject(m_hConnected, 10000) == WAIT_OBJECT_0 && m_iConnectError == 0;
    }
    long long Received() const { return m_nReceived; }
    bool WaitForReceived(long long total)
    {
        while (m_nReceived < total)
            if (WaitForSingleObject(m_hReceived, 10000) != WAIT_OBJECT_0) return false;
        return true;
    }
    // The owner sends what a plain TCP send left over.
    bool SendAll(const char* data, int size)
    {
        while (size > 0) {
            int sent = Send(data, size);
            if (sent < 0) return false;
            if (!IsPlainMode()) return true;  // TLS keeps what the network has not taken yet
            data += sent;
            size -= sent;
        }
        return true;
    }

private:
    HANDLE m_hConnected = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE m_hReceived = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::atomic<int> m_iConnectError{-1};
    std::atomic<long long> m_nReceived{0};

};
