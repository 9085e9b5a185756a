#include "net/socket/WaitList.h"

#include "net/socket/WaitableObjectAutoRelease.h"

CWaitList::CWaitList() : m_aHandles(), m_aObjects(), m_aRelease(), m_iCount(0), m_bReleaseAll(false), m_ppGuards(nullptr)
{
}

CWaitList::~CWaitList()
{
    DeleteGuards();
}

void CWaitList::DeleteGuards()
{
    if (!m_ppGuards) return;
    for (CWaitableObjectAutoRelease** guard = m_ppGuards; *guard; ++guard) delete *guard;
    delete[] m_ppGuards;
    m_ppGuards = nullptr;
}

void CWaitList::AddObject(CWaitableObject* object, bool release)
{
    if (!object || m_iCount >= MaxObjects) return;
    m_aHandles[m_iCount] = object->GetHandle();
    m_aObjects[m_iCount] = object;
    m_aRelease[m_iCount] = release;
    ++m_iCount;
}

bool CWaitList::Wait(DWORD& index, unsigned long timeoutMs)
{
    index = MaxObjects;
    if (m_iCount == 0) return false;
    DWORD result = WaitForMultipleObjects((DWORD)m_iCount, m_aHandles, TRUE, timeoutMs);
    if (result == WAIT_TIMEOUT) return true;
    if (result >= WAIT_OBJECT_0 + (DWORD)m_iCount) return false;
    index = result - WAIT_OBJECT_0;
    if (m_bReleaseAll) {
        DeleteGuards();
        m_ppGuards = new CWaitableObjectAutoRelease*[m_iCount + 1];
        int n = 0;
        for (int i = 0; i < m_iCount; ++i)
            if (m_aRelease[i]) m_ppGuards[n++] = new CWaitableObjectAutoRelease(m_aObjects[i]);
        m_ppGuards[n] = nullptr;
    }
    return false;
}
