#include "screens/list/ListRows.h"

#include "core/Meeting.h"
#include "resources/resource.h"

namespace {

const COLORREF kAccent = RGB(0x00, 0xBC, 0xD4);
const COLORREF kTitle = RGB(0x5A, 0x5A, 0x5A);
const COLORREF kDone = RGB(0xB2, 0xB2, 0xB2);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

bool IsFinished(int nStatus)
{
    return nStatus == 3 || nStatus == 4 || nStatus == 6 || nStatus == 7 || nStatus == 14;
}

CString LoadText(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

}  // namespace

SListRowData RowDataOf(const CMeeting& m)
{
    SListRowData r;
    r.nStatus = m.GetStatus();
    r.bReport = m.IsReport();
    r.nMeetingType = m.GetMeetingTypeNumber();
    r.nReportUserType = m.GetReportUserType();
    r.bPaper = m.GetPaper();
    r.bDelay = m.GetDelay();
    r.bUrgent = m.GetUrgent();
    r.bHiddenUser = m.GetHiddenUserYn();
    r.bNote = m.GetNoteYn();
    r.bFeedback = m.GetFeedbackYn();
    r.tStart = m.GetStartTime();
    r.tEnd = m.GetEndTime();
    r.strTitle = m.GetTitle();
    r.strRightText = r.bReport ? m.GetReporterInfo() : m.GetOrganizersInfo();
    return r;
}

UINT RowStatusIcon(int nStatus, int bDelay)
{
    if (bDelay) return IDB_LIST_STATUS_13;
    switch (nStatus) {
    case 1: return IDB_LIST_STATUS_1;
    case 2: return IDB_LIST_STATUS_2;
    case 3: return IDB_LIST_STATUS_3;
    case 4:
    case 6:
    case 7: return IDB_LIST_STATUS_4;
    case 11: return IDB_LIST_STATUS_11;
    case 12: return IDB_LIST_STATUS_12;
    case 13: return IDB_LIST_STATUS_13;
    case 14: return IDB_LIST_STATUS_14;
    default: return 0;
    }
}

COLORREF RowAccentColor(int nStatus)
{
    return IsFinished(nStatus) ? kDone : kAccent;
}

COLORREF RowTitleColor(int nStatus)
{
    return IsFinished(nStatus) ? kDone : kTitle;
}

std::vector<SRowTextPart> RowFirstLine(const SListRowData& row)
{
    std::vector<SRowTextPart> parts;
    if (row.bReport) {
        COLORREF clr = RowAccentColor(row.nStatus);
        CString label;
        const COLORREF kLabel = RGB(0x66, 0x66, 0x66);
        switch (row.nStatus) {
        case 11: label = LoadText(IDS_LIST_REPORT_11); clr = kLabel; break;
        case 12: label = LoadText(IDS_LIST_REPORT_12); clr = kLabel; break;
        case 13: label = LoadText(IDS_LIST_REPORT_13); clr = kLabel; break;
        case 14: label = LoadText(IDS_LIST_REPORT_14); clr = RGB(0xC0, 0xC0, 0xC0); break;
        default: break;
        }
        if (row.bDelay) {
            label = L"보고지연";
            clr = RGB(0xF2, 0x59, 0x6F);
        }
        parts.push_back({label, clr});
        if (row.nStatus != 14) clr = RGB(0x84, 0x3C, 0x0C);
        parts.push_back({row.bPaper ? CString(L" (서면)") : CString(L" (대면)"), clr});
        CString when = row.tStart.Format(L" %Y.%m.%d(%a)");
        if (!row.bPaper) when += row.tStart.Format(L" %H:%M");
        parts.push_back({when, clr});
        return parts;
    }
    if (row.nMeetingType == 2) return parts;
    parts.push_back({row.tStart.Format(L"%Y.%m.%d(%a) %H:%M") + L" ~ " + row.tEnd.Format(L"%H:%M"),
                     RowAccentColor(row.nStatus)});
    return parts;
}

CString RowTitlePrefix(const SListRowData& row)
{
    return (row.bReport && row.bUrgent) ? CString(L"[긴급]") : CString();
}

std::vector<SRowFlagIcon> RowFlagIcons(const SListRowData& row)
{
    std::vector<SRowFlagIcon> icons;
    if (row.bFeedback) icons.push_back({IDB_LIST_FLAG_FEEDBACK, 60, 53, 24, 15, kWhite});
    if (row.bNote) icons.push_back({IDB_LIST_FLAG_NOTE, 35, 24, 24, 15, kWhite});
    if (row.bReport && row.nReportUserType == 2) icons.push_back({IDB_LIST_FLAG_REPORTER, 35, 24, 24, 15, kMagenta});
    if (row.bUrgent) icons.push_back({IDB_LIST_FLAG_URGENT, 35, 24, 24, 15, kMagenta});
    if (row.nMeetingType == 13) icons.push_back({IDB_LIST_FLAG_OPEN, 35, 24, 24, 15, kMagenta});
    if (row.bHiddenUser) icons.push_back({IDB_LIST_FLAG_HIDDEN, 35, 24, 24, 15, kMagenta});
    if (row.nMeetingType == 12) icons.push_back({IDB_LIST_FLAG_TYPE12, 35, 17, 21, 16, kMagenta});
    return icons;
}
