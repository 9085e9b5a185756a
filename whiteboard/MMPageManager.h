#pragma once
// The pages of the document open on the whiteboard, numbered from 1: the page at index i always
// has number i + 1. Page numbers outside 1..count are ignored by every operation.
#include <memory>
#include <mutex>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/MMPage.h"

class CMMPageManager {
public:
    using PagePtr = std::shared_ptr<CMMPage>;

    CMMPageManager() = default;
    virtual ~CMMPageManager() = default;
    CMMPageManager(const CMMPageManager&) = delete;
    CMMPageManager& operator=(const CMMPageManager&) = delete;

    void CreatePages(int count);
    BOOL IsEmpty() const;
    int GetPageCount() const;
    BOOL HasPage(int n) const;
    PagePtr GetPage(int n) const;
    void InsertPage(int n);
    void DeletePage(int n);

    void SetPageModified(int n, BOOL value);
    BOOL IsPageModified(int n) const;
    BOOL IsAnyPageModified() const;
    void ClearModifiedFlags();

    void RemoveSharedLine(int n, const CString& lineId);
    void ClearSharedLayers();
    void ClearOwnLayers();
    BOOL HasSharedFigures() const;
    BOOL HasOwnFigures() const;

private:
    // The pages as they are now; page operations run outside the manager's lock.
    std::vector<PagePtr> Snapshot() const;
    void Renumber();

    std::vector<PagePtr> m_pages;
    mutable std::mutex m_lock;
};
