#include "net/socket/BlockedBuffer.h"

#include <cstring>

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/VantrelAsyncSocket.h"
#include "net/socket/Win32CriticalSection.h"

CBlockedBuffer::CBlockedData::CBlockedData(const char* data, int size)
    : m_pData(nullptr), m_iSize(size > 0 ? size : 0), m_iAttempts(1), m_iOffset(0)
{
    if (data && m_iSize) {
        m_pData = new char[m_iSize];
        std::memcpy(m_pData, data, m_iSize);
    } else {
        m_iSize = 0;
    }
}

CBlockedBuffer::CBlockedData::CBlockedData(const CBlockedData& other)
    : m_pData(nullptr), m_iSize(other.GetSize()), m_iAttempts(other.m_iAttempts), m_iOffset(0)
{
    if (m_iSize) {
        m_pData = new char[m_iSize];
        std::memcpy(m_pData, other.GetData(), m_iSize);
    }
}

CBlockedBuffer::CBlockedData& CBlockedBuffer::CBlockedData::operator=(const CBlockedData& other)
{
    if (this != &other) {
        CBlockedData copy(other);
        std::swap(m_pData, copy.m_pData);
        std::swap(m_iSize, copy.m_iSize);
        std::swap(m_iOffset, copy.m_iOffset);
        m_iAttempts = other.m_iAttempts;
    }
    return *this;
}

CBlockedBuffer::CBlockedData::~CBlockedData()
{
    delete[] m_pData;
}

void CBlockedBuffer::CBlockedData::Consume(int count)
{
    if (count <= 0) return;
    m_iOffset += count < GetSize() ? count : GetSize();
}

CBlockedBuffer::CBlockedBuffer(CVantrelAsyncSocket* owner, int retryLimit)
    : m_pOwner(owner), m_pLock(new CWin32CriticalSection()), m_iRetryLimit(retryLimit)
{
    SetName("CBlockedBuffer");
}

CBlockedBuffer::~CBlockedBuffer()
{
    for (CBlockedData* record : m_aRecords) delete record;
    delete m_pLock;
}

bool CBlockedBuffer::IsEmpty() const
{
    CCriticalAutoRelease guard(m_pLock);
    return m_aRecords.empty();
}

void CBlockedBuffer::AddRecord(const CBlockedData& record)
{
    try {
        CCriticalAutoRelease guard(m_pLock);
        m_aRecords.push_back(new CBlockedData(record));
    } catch (...) {
        ReportLastError("AddRecord");
    }
}

void CBlockedBuffer::SendData()
{
    try {
        CCriticalAutoRelease guard(m_pLock);
        // A write notification comes again only after a send would block, so everything that the
        // socket takes now must go now, in order; a record that went out in part keeps its tail
        // at the head. Only real send errors count as failed attempts.
        while (!m_aRecords.empty()) {
            CBlockedData* head = m_aRecords.front();
            if (head->GetSize() > 0 && !m_pOwner->SendBlockedBuffer(*head)) {
                if (WSAGetLastError() == WSAEWOULDBLOCK) return;
                if (m_iRetryLimit != 0 && head->AddAttempt() == m_iRetryLimit) {
                    m_aRecords.pop_front();
                    delete head;
                    ReportError("SendData", "Failed sending data for more then 5 times!");
                }
                return;
            }
            if (head->GetSize() == 0) {
                m_aRecords.pop_front();
                delete head;
            }
        }
    } catch (...) {
        ReportLastError("SendData");
    }
}
