#pragma once
// Shared pieces of the owner-drawn lists: the thumb of their self-painted scroll bar, and the
// notification they send their parent.
#include <windows.h>

#include "platform/CString.h"

class CWnd;
struct SKIN_OBJECT;

// The thumb along a track of the given length for the scroll information: at least 20 pixels
// long. False (and nothing set) when the range is empty.
bool ComputeScrollThumb(int nTrackLength, const SCROLLINFO& si, int& nStart, int& nEnd);

// A row position after the row at 'removed' was deleted: the same row, -1 when it was that row.
inline int ShiftAfterRemove(int position, int removed)
{
    if (position == removed)
        return -1;
    return position > removed ? position - 1 : position;
}

// Sends a MYLIST_NOTIFY from the list to its parent and deletes it when the parent returns.
void SendListNotify(CWnd* pList, UINT nCtrlId, UINT nCode, int nIndex, const CString& strText, DWORD_PTR pItem,
                    int nFlag, int nPos = 0, int nObjectId = 0, SKIN_OBJECT* pObject = nullptr);
