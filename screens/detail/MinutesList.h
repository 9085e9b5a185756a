#pragma once
// The minutes panel of the meeting screen's right-hand container: the minutes of a meeting with
// the documents attached to them, and a header button that opens the minutes viewer. The
// container creates it (hidden) through CreateMinutesList and talks to it through IMinutesList.
// Choosing a document sends WM_MINUTES_OPEN_DOCUMENT (core/ClientMessages.h; wParam the
// document's index, lParam 1) to the parent.
#include <json/json.h>

#include <vector>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;
class CMeetingDocument;

class IMinutesList {
public:
    virtual ~IMinutesList() = default;
    // The minutes of an M00000069 message and whether the viewer may show them.
    virtual void SetMinutes(const Json::Value& body, int bViewerAllowed) = 0;
    // One row per document, in order (the documents stay the meeting record's).
    virtual void SetDocuments(const std::vector<CMeetingDocument*>& documents) = 0;
    virtual void ClearList() = 0;
    // Marks the document open on the board and brings its row into view.
    virtual void SelectDocument(const CString& strDocumentId) = 0;
    virtual void EnableList(BOOL bEnable) = 0;
    virtual void CloseViewer() = 0;
};

// The panel's control id in the container, and where the container puts it.
const unsigned MINUTES_LIST_ID = 32882;
inline CRect MinutesListDefaultRect() { return CRect(19, 347, 266, 530); }

// Creates the panel hidden as a child of pParent; the caller owns the window object (it
// destroys the window and deletes the object) and *ppList is the same object.
CWnd* CreateMinutesList(CWnd* pParent, const CRect& rc, unsigned nId, IMinutesList** ppList);
