#pragma once
// What the tests of the attendee panels read and do on the panel the program gave a screen.
#include <string>
#include <vector>

#include "features/attendees/MemberLayer.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace panelstest {

inline std::string N(const CString& text)
{
    return zeltest::Narrow((LPCTSTR)text);
}

// The names on the rows, in order.
inline std::vector<std::string> RowNames(CMemberLayer* pMembers)
{
    std::vector<std::string> names;
    for (int i = 0; pMembers && i < pMembers->GetRowCount(); ++i)
        names.push_back(N(pMembers->GetList()->GetRowInfo(i)->name));
    return names;
}

// A press and a release on an attendee row, as a user clicks it.
inline void ClickRow(CMemberLayer* pMembers, int nRow)
{
    CMemberListCtrl* pList = pMembers->GetList();
    const CRect rc = pList->GetRowRect(nRow);
    ctltest::Mouse(pList, WM_LBUTTONDOWN, rc.left + 60, rc.top + 20, MK_LBUTTON);
    ctltest::Mouse(pList, WM_LBUTTONUP, rc.left + 60, rc.top + 20);
    ctltest::PumpTranslated();
}

}  // namespace panelstest
