#include "whiteboard/tools/OptBarRules.h"

#include <algorithm>

#include "core/JsonHelpers.h"

S_OPT_BAR_ROW LayOutOptBarRow(int width, int height, int toolsLeft, int statusTextWidth)
{
    // The slider follows the next-page button; its full width and the status button's.
    const int kSliderLeft = 151, kSliderWidth = 102, kStatusWidth = 180, kGap = 8, kTextMargin = 20;
    const int top = (height - 32) / 2;
    int statusLeft = width / 2 - kStatusWidth / 2;
    int statusWidth = kStatusWidth;
    int sliderWidth = kSliderWidth;
    if (statusLeft < kSliderLeft + kSliderWidth + kGap || statusLeft + statusWidth > toolsLeft - kGap) {
        statusWidth = std::min(kStatusWidth, toolsLeft - kGap - (kSliderLeft + kSliderWidth + kGap));
        statusWidth = std::max(statusWidth, std::min(kStatusWidth, statusTextWidth + kTextMargin));
        statusLeft = toolsLeft - kGap - statusWidth;
        sliderWidth = std::max(0, std::min(kSliderWidth, statusLeft - kGap - kSliderLeft));
    }
    S_OPT_BAR_ROW row;
    row.slider = RECT{kSliderLeft, 15, kSliderLeft + sliderWidth, 29};
    row.status = RECT{statusLeft, top, statusLeft + statusWidth, top + 32};
    return row;
}

S_PAGE_BUTTONS ComputePageButtons(const S_PAGE_STATE& s)
{
    S_PAGE_BUTTONS b;
    const int c = s.current, t = s.total;
    if (t != 0)
        b.sliderPercent = c <= 1 ? 0 : (t > 1 ? (int)((double)(c - 1) / (double)(t - 1) * 100.0) : 0);
    if (!s.meetingEnded) {
        if (c == 1 && t == 1) {
        } else if (c == 1 && t >= 2) {
            b.nextEnabled = b.sliderEnabled = b.editEnabled = TRUE;
        } else if (c == t) {
            b.prevEnabled = b.sliderEnabled = b.editEnabled = TRUE;
        } else {
            b.prevEnabled = b.nextEnabled = b.sliderEnabled = b.editEnabled = TRUE;
        }
        if (s.follower)
            b.prevEnabled = b.nextEnabled = b.sliderEnabled = b.editEnabled = FALSE;
    }
    const BOOL atLast = c >= t;
    const BOOL atFirst = c <= 1;
    const BOOL onePage = c == 1 && t == 1;
    const BOOL hasNextDoc = s.docIndex < s.docCount - 1;
    const BOOL hasPrevDoc = s.docIndex > 0;
    if (atLast && hasNextDoc) {
        b.prevShown = TRUE;
        b.nextShown = FALSE;
        b.nextDocShown = TRUE;
        b.prevDocShown = onePage && hasPrevDoc;
    } else if (atFirst && hasPrevDoc) {
        b.prevShown = FALSE;
        b.prevDocShown = TRUE;
        b.nextDocShown = FALSE;
        b.nextShown = TRUE;
    } else {
        b.prevShown = b.nextShown = TRUE;
        b.nextDocShown = FALSE;
        b.prevDocShown = onePage && hasPrevDoc;
    }
    // A document shown on its own (or the whiteboard) has no neighbours to go to.
    if (s.noDocumentButtons) {
        b.prevDocShown = b.nextDocShown = FALSE;
        b.prevShown = b.nextShown = TRUE;
    }
    // Where a document button hides a page button, the page button takes its place.
    if (b.prevDocShown)
        b.prevShown = FALSE;
    return b;
}

BOOL ReadMeetingEndTime(const Json::Value& detail, SYSTEMTIME& end)
{
    const CString ymd = GetJsonString(detail, "mtngEndYmd");
    if (ymd.GetLength() <= 6)
        return FALSE;
    end = SYSTEMTIME{};
    end.wYear = (WORD)_wtoi(ymd.Mid(0, 4));
    end.wMonth = (WORD)_wtoi(ymd.Mid(4, 2));
    end.wDay = (WORD)_wtoi(ymd.Mid(6, 2));
    CString hour = GetJsonString(detail, "mtngEndHour");
    CString minute = GetJsonString(detail, "mtngEndMin");
    if (minute.IsEmpty())
        minute = L"00";
    end.wHour = (WORD)_wtoi(hour);
    end.wMinute = (WORD)_wtoi(minute);
    FILETIME check;
    return end.wMonth >= 1 && end.wMonth <= 12 && end.wDay >= 1 && ::SystemTimeToFileTime(&end, &check);
}

CString RemainMinutesText(BOOL hasEnd, const SYSTEMTIME& end, const SYSTEMTIME& now, BOOL report)
{
    if (!hasEnd)
        return L"0";
    FILETIME fEnd, fNow;
    if (!::SystemTimeToFileTime(&end, &fEnd) || !::SystemTimeToFileTime(&now, &fNow))
        return L"0";
    const LONGLONG e = ((LONGLONG)fEnd.dwHighDateTime << 32) | fEnd.dwLowDateTime;
    const LONGLONG n = ((LONGLONG)fNow.dwHighDateTime << 32) | fNow.dwLowDateTime;
    const LONGLONG span = report ? n - e : e - n;
    // Whole minutes of the span (days x 1440 + hours x 60 + minutes), truncated toward zero.
    const LONGLONG minutes = span / (60LL * 10000000LL);
    CString text;
    text.Format(L"%d", (int)minutes);
    return text;
}
