#include "features/documents/MeetingDocRows.h"

#include "core/MeetingDocument.h"

void CMeetingDocRows::Clear()
{
    m_rows.clear();
    m_nHeaderRow = -1;
    m_nReferenceCount = 0;
}

void CMeetingDocRows::SetDocuments(const std::vector<CMeetingDocument*>& documents, BOOL bHidden)
{
    Clear();
    if (bHidden) return;
    for (size_t i = 0; i < documents.size(); ++i) {
        CMeetingDocument* pDoc = documents[i];
        if (!pDoc) continue;
        if (pDoc->IsRefDoc()) {
            ++m_nReferenceCount;
            if (m_nHeaderRow < 0) {
                m_nHeaderRow = (int)m_rows.size();
                m_rows.push_back(nullptr);
            }
        }
        m_rows.push_back(pDoc);
    }
}

CMeetingDocument* CMeetingDocRows::GetRowDocument(int nRow) const
{
    return nRow >= 0 && nRow < GetRowCount() ? m_rows[(size_t)nRow] : nullptr;
}

int CMeetingDocRows::RowToDocumentIndex(int nRow) const
{
    return (m_nHeaderRow >= 0 && m_nHeaderRow < nRow) ? nRow - 1 : nRow;
}

int CMeetingDocRows::GetDocumentCount() const
{
    return GetRowCount() - (m_nHeaderRow >= 0 ? 1 : 0);
}

int CMeetingDocRows::GetMainDocumentCount() const
{
    return GetDocumentCount() - m_nReferenceCount;
}

BOOL CMeetingDocRows::IsPageBeyond(int nIndex) const
{
    const int nLimit = m_nHeaderRow >= 0 ? m_nHeaderRow : GetDocumentCount();
    return nIndex >= nLimit;
}

BOOL CMeetingDocRows::HasDocument(const CString& strAttcFileId) const
{
    for (const CMeetingDocument* pDoc : m_rows)
        if (pDoc && pDoc->GetFileId() == strAttcFileId) return TRUE;
    return FALSE;
}
