#include "screens/meeting/MeetingRules.h"

#include <cwctype>

namespace MeetingRules {

int SideWidth(BOOL bExpanded)
{
    return bExpanded ? 283 : 28;
}

void ColumnLayout(const CRect& rc, BOOL bLeftExpanded, BOOL bRightExpanded, CRect& rcLeft, CRect& rcBoard,
                  CRect& rcRight)
{
    const int left = SideWidth(bLeftExpanded);
    const int right = SideWidth(bRightExpanded);
    rcLeft = CRect(rc.left, rc.top, rc.left + left, rc.bottom);
    rcBoard = CRect(rc.left + left, rc.top, rc.left + left + rc.Width() - right - left + 5, rc.bottom);
    rcRight = CRect(rc.right - right, rc.top, rc.right, rc.bottom);
}

CString DocumentToastText(const CString& strName, const CString& strShortFormat, const CString& strLongFormat)
{
    CString text;
    if (strName.GetLength() <= 25)
        text.Format(strShortFormat.GetString(), strName.GetString());
    else
        text.Format(strLongFormat.GetString(), strName.Left(25).GetString(), strName.Mid(25).GetString());
    return text;
}

BOOL ShouldShowDocumentToast(int nShowCmd, BOOL bScreenVisible)
{
    return nShowCmd == 3 || (nShowCmd == 1 && bScreenVisible);
}

BOOL IsVideoFileName(const CString& strName)
{
    if (strName.IsEmpty()) return FALSE;
    const int dot = strName.ReverseFind(L'.');
    const CString ext = dot >= 0 ? strName.Mid(dot + 1) : strName;
    static const wchar_t* const kVideo[] = {L"mp4", L"mov", L"avi", L"wmv", L"flv", L"mkv", L"mpg", L"tp", L"ts", L"swf"};
    for (const wchar_t* v : kVideo)
        if (ext.CompareNoCase(v) == 0) return TRUE;
    return FALSE;
}

BOOL MakePlayerParameters(const CString& strUrl, CString& strParameters)
{
    if (strUrl.IsEmpty()) return FALSE;
    for (int i = 0; i < strUrl.GetLength(); ++i) {
        const wchar_t c = strUrl[i];
        if (c == L'"' || c < 0x20 || c == 0x7F) return FALSE;
    }
    strParameters = L"\"" + strUrl + L"\" /Task NowPlaying";
    return TRUE;
}

BOOL SliceFits(long long nOffset, long long nSize, long long nTotal)
{
    return nOffset >= 0 && nSize > 0 && nTotal >= 0 && nOffset <= nTotal && nSize <= nTotal - nOffset;
}

BOOL TakeBatchFavourite(int nPage, int& nBookmarkPage)
{
    if (nPage != nBookmarkPage + 1)
        return TRUE;
    if (nBookmarkPage <= 0)
        return FALSE;
    nBookmarkPage = 0;
    return TRUE;
}

BOOL IsUploadAccepted(DWORD dwPostError, const CString& strAnswer)
{
    if (dwPostError != 0) return FALSE;
    for (int at = strAnswer.Find(L"200"); at >= 0; at = strAnswer.Find(L"200", at + 1)) {
        const BOOL digitBefore = at > 0 && iswdigit(strAnswer[at - 1]);
        const BOOL digitAfter = at + 3 < strAnswer.GetLength() && iswdigit(strAnswer[at + 3]);
        if (!digitBefore && !digitAfter) return TRUE;
    }
    return FALSE;
}

void RightPaneLayout(int w, int h, CRect& rcChat, CRect& rcDocuments)
{
    const int k = (h - 542) / 2 + 28;
    rcChat = CRect(CPoint(8, 40), CSize(w - 9, h - k - 173));
    rcDocuments = CRect(CPoint(8, h - k - 139), CSize(w - 4, k + 137));
}

int PrivateThumbPercent(int nClientHeight, int nRows)
{
    if (nRows <= 0 || nClientHeight >= nRows * kPrivateRowHeight) return 0;
    return (int)((double)nClientHeight / kPrivateRowHeight / nRows * 100.0);
}

int PrivateFirstRow(int nClientHeight, int nRows, int nPosition)
{
    const int fit = nClientHeight / kPrivateRowHeight;
    if (nRows <= fit) return 0;
    return (int)((double)(nRows - fit) * nPosition / 100.0);
}

int PrivateWheelPosition(int nPosition, short zDelta)
{
    int p = nPosition + (zDelta <= 0 ? 4 : -4);
    if (p < 0) p = 0;
    if (p > 100) p = 100;
    return p;
}

}  // namespace MeetingRules
