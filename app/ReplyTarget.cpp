#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ReplyTarget.h"

#include "net/protocol/TasClientManager.h"

void CReplyTarget::Take(HWND hWnd)
{
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    if (m_hWnd == nullptr)
        m_hPrevious = pTas->GetListener();
    m_hWnd = hWnd;
    pTas->SetListener(hWnd);
}

void CReplyTarget::Release()
{
    if (m_hWnd == nullptr)
        return;
    CTasClientManager* pTas = CTasClientManager::GetInstance();
    if (pTas->GetListener() == m_hWnd)
        pTas->SetListener(m_hPrevious && ::IsWindow(m_hPrevious) ? m_hPrevious : (HWND) nullptr);
    m_hWnd = nullptr;
    m_hPrevious = nullptr;
}
