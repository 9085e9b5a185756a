#include "whiteboard/MMPageManager.h"

#include <algorithm>

std::vector<CMMPageManager::PagePtr> CMMPageManager::Snapshot() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pages;
}

void CMMPageManager::Renumber()
{
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->m_nPageNumber = (int)i + 1;
}

void CMMPageManager::CreatePages(int count)
{
    std::vector<PagePtr> pages;
    for (int n = 1; n <= count; ++n)
        pages.push_back(std::make_shared<CMMPage>(n));
    std::lock_guard<std::mutex> guard(m_lock);
    m_pages.swap(pages);
}

BOOL CMMPageManager::IsEmpty() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_pages.empty();
}

int CMMPageManager::GetPageCount() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return (int)m_pages.size();
}

BOOL CMMPageManager::HasPage(int n) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return n >= 1 && n <= (int)m_pages.size();
}

CMMPageManager::PagePtr CMMPageManager::GetPage(int n) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (n < 1 || n > (int)m_pages.size())
        return PagePtr();
    return m_pages[(size_t)n - 1];
}

void CMMPageManager::InsertPage(int n)
{
    if (n < 1)
        return;
    auto page = std::make_shared<CMMPage>(n);
    std::lock_guard<std::mutex> guard(m_lock);
    if ((int)m_pages.size() < n)
        m_pages.push_back(page);
    else
        m_pages.insert(m_pages.begin() + (n - 1), page);
    Renumber();
}

void CMMPageManager::DeletePage(int n)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (n < 1 || n > (int)m_pages.size())
        return;
    m_pages.erase(m_pages.begin() + (n - 1));
    Renumber();
}

void CMMPageManager::SetPageModified(int n, BOOL value)
{
    if (PagePtr page = GetPage(n))
        page->SetModified(value);
}

BOOL CMMPageManager::IsPageModified(int n) const
{
    PagePtr page = GetPage(n);
    return page ? page->GetModified() : FALSE;
}

BOOL CMMPageManager::IsAnyPageModified() const
{
    const std::vector<PagePtr> pages = Snapshot();
    return std::any_of(pages.begin(), pages.end(), [](const PagePtr& p) { return p->GetModified(); });
}

void CMMPageManager::ClearModifiedFlags()
{
    for (const PagePtr& page : Snapshot())
        page->SetModified(FALSE);
}

void CMMPageManager::RemoveSharedLine(int n, const CString& lineId)
{
    if (PagePtr page = GetPage(n))
        page->RemoveSharedLine(lineId);
}

void CMMPageManager::ClearSharedLayers()
{
    for (const PagePtr& page : Snapshot()) {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        page->m_bFiguresLoaded = FALSE;
        page->m_sharedLayer.Clear();
    }
}

void CMMPageManager::ClearOwnLayers()
{
    for (const PagePtr& page : Snapshot()) {
        if (page->m_ownLayer.HasFigures())
            page->SetModified(TRUE);
        page->m_ownLayer.Clear();
    }
}

BOOL CMMPageManager::HasSharedFigures() const
{
    for (const PagePtr& page : Snapshot()) {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        if (page->m_sharedLayer.HasFigures())
            return TRUE;
    }
    return FALSE;
}

BOOL CMMPageManager::HasOwnFigures() const
{
    const std::vector<PagePtr> pages = Snapshot();
    return std::any_of(pages.begin(), pages.end(), [](const PagePtr& p) { return p->m_ownLayer.HasFigures(); });
}
