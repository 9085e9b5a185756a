#pragma once
// The rows of the meeting's document list without its window: the meeting's documents in order,
// with a header row standing directly before the first reference document, and the answers the
// meeting screen asks of the list (counts, whether a document index lies past the main documents,
// whether a document is listed).
#include <vector>

#include "platform/CString.h"

class CMeetingDocument;

class CMeetingDocRows {
public:
    // Rebuilds the rows; with bHidden (the meeting screen hides the documents) there are none.
    void SetDocuments(const std::vector<CMeetingDocument*>& documents, BOOL bHidden);
    void Clear();

    int GetRowCount() const { return (int)m_rows.size(); }
    // Null for the header row and for a row that does not exist.
    CMeetingDocument* GetRowDocument(int nRow) const;
    // -1 while there is no header row.
    int GetHeaderRow() const { return m_nHeaderRow; }
    int GetReferenceCount() const { return m_nReferenceCount; }
    // The index in the meeting's documents of a row's document (the header row does not count).
    int RowToDocumentIndex(int nRow) const;

    int GetDocumentCount() const;
    int GetMainDocumentCount() const;
    // A document index at or past the first reference document; without reference documents,
    // past the last document.
    BOOL IsPageBeyond(int nIndex) const;
    // An empty list holds no document.
    BOOL HasDocument(const CString& strAttcFileId) const;

private:
    std::vector<CMeetingDocument*> m_rows;   // null for the header
    int m_nHeaderRow = -1;
    int m_nReferenceCount = 0;
};
