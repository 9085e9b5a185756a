#pragma once
// The record in which the document viewer's page-download thread receives a downloaded page.
#include <windows.h>

class CWnd;

// Message that hands a record to its owner window when the download routine sends it itself
// (mode 0); wParam is 100, lParam the record.
#define WM_DOCVIEWER_DOWNLOADED (WM_USER + 2025)

struct S_DOCVIEWER_DOWNLOAD {
    int nMode;            // 0: the download routine sends the record to the owner; 1: a copy
    CWnd* pOwnerWnd;      // the viewer window
    int nPageIndex;
    BYTE* pBody;          // new[] copy of the body, owned by the receiver
    int nBodyLength;
    BYTE bSuccess;        // set by the download thread from the result
};
