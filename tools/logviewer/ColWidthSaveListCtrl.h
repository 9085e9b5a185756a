#pragma once
// A sortable list that writes its column widths to "ColWidthSaveListCtrl.ini" beside the program
// when it is destroyed, under a section named by its window text (a list without one writes
// nothing).
#include "tools/logviewer/SortListCtrl.h"

class CColWidthSaveListCtrl : public CSortListCtrl {
public:
    CColWidthSaveListCtrl() = default;

protected:
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
