#pragma once
// What the document viewer needs of the meeting screen and its whiteboard. The meeting screen
// implements it; the viewer holds a pointer it does not own.
#include "platform/CString.h"

struct S_DOCVIEWER_DOCUMENT {
    CString strMtngId;
    CString strAttcFileId;
    CString strFileName;
    int nRefFlag = 0;   // a reference document
};

class IDocViewerHost {
public:
    virtual ~IDocViewerHost() = default;
    // Sends the viewer's page request for a document (its reply comes back to
    // CDocViewerDlg::OnReceiveM00000024).
    virtual void RequestViewerPages(const CString& strMtngId, const CString& strAttcFileId) = 0;
    // The whiteboard shows one of the meeting's two built-in whiteboard documents.
    virtual BOOL IsBoardOnWhiteboardDocument() = 0;
    // The attendee follows the presenter's pages.
    virtual BOOL IsPageSyncOn() = 0;
    // The document on the whiteboard; FALSE when there is none.
    virtual BOOL GetBoardDocument(S_DOCVIEWER_DOCUMENT* pDocument) = 0;
    // The whiteboard's page (1-based) and moving it.
    virtual int GetBoardPage() = 0;
    virtual void MoveBoardPage(int nPage) = 0;
    // Remembers a page of a document for when the whiteboard opens it next.
    virtual void SetBoardBookmarkPage(const CString& strAttcFileId, int nPage) = 0;
    // Opens a document of the meeting on the whiteboard.
    virtual void OpenOnBoard(const CString& strAttcFileId) = 0;
};
