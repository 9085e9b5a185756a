#pragma once
// A queue for data that a send could not hand to Winsock at once; each write notification sends
// from its head. Nothing in the client attaches one: its sockets wait for the write event instead.
#include <deque>

#include "net/socket/SocketBase.h"

class CGenericCriticalSection;
class CVantrelAsyncSocket;

class CBlockedBuffer : public CSocketBase {
public:
    class CBlockedData {
    public:
        CBlockedData(const char* data, int size);
        CBlockedData(const CBlockedData& other);
        CBlockedData& operator=(const CBlockedData& other);
        virtual ~CBlockedData();

        const char* GetData() const { return m_pData + m_iOffset; }
        int GetSize() const { return m_iSize - m_iOffset; }
        // Drops bytes from the head once they went out.
        void Consume(int count);
        int GetAttempts() const { return m_iAttempts; }
        int AddAttempt() { return ++m_iAttempts; }

    private:
        char* m_pData;
        int m_iSize;
        int m_iAttempts;
        int m_iOffset;
    };

    // retryLimit: failed sends after which a record is dropped (counting from 1); 0 never drops.
    CBlockedBuffer(CVantrelAsyncSocket* owner, int retryLimit);
    ~CBlockedBuffer() override;

    void AddRecord(const CBlockedData& record);
    // Sends queued records in order until the buffer is empty or the socket takes no more.
    void SendData();
    bool IsEmpty() const;

private:
    CVantrelAsyncSocket* m_pOwner;
    CGenericCriticalSection* m_pLock;
    std::deque<CBlockedData*> m_aRecords;
    int m_iRetryLimit;
};
