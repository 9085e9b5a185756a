#include "net/socket/CriticalAutoRelease.h"

CCriticalAutoRelease::CCriticalAutoRelease(CGenericCriticalSection* section, bool enter)
    : m_pSection(section), m_iEntered(0)
{
    if (enter) Enter();
}

CCriticalAutoRelease::~CCriticalAutoRelease()
{
    while (m_iEntered > 0) Exit();
}

void CCriticalAutoRelease::Enter()
{
    if (!m_pSection) return;
    m_pSection->Enter();
    ++m_iEntered;
}

void CCriticalAutoRelease::Exit()
{
    if (!m_pSection || m_iEntered <= 0) return;
    m_pSection->Exit();
    --m_iEntered;
}
