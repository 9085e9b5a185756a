#include "features/documents/DocumentListRules.h"

#include "core/FileHelpers.h"

int DocumentIconIndex(const CString& strFileName)
{
    struct TYPE_ICON {
        const wchar_t* pszExtension;
        int nIndex;
    };
    static const TYPE_ICON kIcons[] = {
        {L"bmp", 1},   {L"doc", 2},   {L"docx", 3},  {L"etc", 4},    {L"gif", 5},  {L"html", 6},
        {L"hwp", 7},   {L"jpg", 8},   {L"pdf", 9},   {L"player", 10}, {L"mp4", 10}, {L"avi", 10},
        {L"mpeg", 10}, {L"mov", 10},  {L"png", 11},  {L"ppt", 12},   {L"pptx", 13}, {L"tif", 14},
        {L"txt", 15},  {L"xls", 16},  {L"xlsx", 17}, {L"zip", 18},
    };
    CString strExtension = GetFileExtension(strFileName);
    strExtension.MakeLower();
    for (const TYPE_ICON& icon : kIcons) {
        if (strExtension == icon.pszExtension)
            return icon.nIndex;
    }
    return 3;
}

CString ReferenceCountText(const CString& strTemplate, int nCount)
{
    CString strCount;
    strCount.Format(L"%d", nCount);
    CString strText = strTemplate;
    strText.Replace(L"{C}", strCount);
    return strText;
}

int HitDualButtonRow(CPoint pt, int nTopIndex, int nRowCount, const CRect& rcButton)
{
    for (int i = 0; i < nRowCount; ++i) {
        const int nTop = (i - nTopIndex) * DOCLIST_ROW_HEIGHT;
        CRect rcHit = rcButton;
        rcHit.OffsetRect(0, nTop);
        if (rcHit.PtInRect(pt))
            return i;
    }
    return -1;
}
