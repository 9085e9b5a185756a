#include "ui/skin/ListScrollMath.h"

#include "platform/Wnd.h"
#include "ui/skin/MyListItem.h"

bool ComputeScrollThumb(int nTrackLength, const SCROLLINFO& si, int& nStart, int& nEnd)
{
    if (si.nMin >= si.nMax)
        return false;
    const double H = double(nTrackLength);
    const double range = double(si.nMax - si.nMin + 1);
    const int length = int(H * double(si.nPage) / range);
    if (length >= 20) {
        nEnd = int(H * double(si.nPos + int(si.nPage)) / range);
        nStart = nEnd - length;
    } else {
        const int extra = 20 - length;
        nEnd = int((H - extra) * double(si.nPos + int(si.nPage)) / range) + extra;
        nStart = nEnd - 20;
        if (nStart == -1) {
            ++nStart;
            ++nEnd;
        }
    }
    return true;
}

void SendListNotify(CWnd* pList, UINT nCtrlId, UINT nCode, int nIndex, const CString& strText, DWORD_PTR pItem,
                    int nFlag, int nPos, int nObjectId, SKIN_OBJECT* pObject)
{
    CWnd* parent = pList ? pList->GetParent() : nullptr;
    if (!parent)
        return;
    MYLIST_NOTIFY* notify = new MYLIST_NOTIFY;
    notify->hdr.hwndFrom = pList->GetSafeHwnd();
    notify->hdr.idFrom = nCtrlId;
    notify->hdr.code = nCode;
    notify->nIndex = nIndex;
    notify->nPos = nPos;
    notify->strText = strText;
    notify->pItem = pItem;
    notify->nFlag = nFlag;
    notify->nObjectId = nObjectId;
    notify->pObject = pObject;
    parent->SendMessage(WM_NOTIFY, WPARAM(nCtrlId), reinterpret_cast<LPARAM>(notify));
    delete notify;
}
