#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "ui/host/ListScreen.h"

class CListScreenStandIn : public IListScreen {
public:
    void ResetCalendarToToday() override {}
    void OnParentExitSizeMove() override {}
    void SetBusy(int bBusy) override { (void)bBusy; }
    int IsReportMode() override { return 0; }
};
