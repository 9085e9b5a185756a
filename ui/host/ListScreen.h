#pragma once
// What the main dialog asks of the meeting list screen (mode 0).
class IListScreen {
public:
    virtual ~IListScreen() = default;
    // The list asks the server for its current page again.
    virtual void RefreshList() = 0;

    // ---- Meeting list screen ----
    // Sets the calendar to the current date and loads that day (after a re-login).
    virtual void ResetCalendarToToday() {}
    // The main window finished a move or resize.
    virtual void OnParentExitSizeMove() {}
    // The main dialog's screen switch clears the busy flag of an outstanding page request.
    virtual void SetBusy(int bBusy) { (void)bBusy; }
    // 1 while the reports tab is shown.
    virtual int IsReportMode() { return 0; }
};
