#pragma once
// What the main dialog asks of the meeting list screen (mode 0).
class IListScreen {
public:
    virtual ~IListScreen() = default;
    // The list asks the server for its current page again.
    virtual void RefreshList() = 0;

    // ---- Meeting list screen ----
    // Sets the calendar to the current date and loads that day (after a re-login).
    virtual void ResetCalendarToToday() = 0;
    // The main window finished a move or resize.
    virtual void OnParentExitSizeMove() = 0;
    // The main dialog's screen switch clears the busy flag of an outstanding page request.
    virtual void SetBusy(int bBusy) = 0;
    // 1 while the reports tab is shown.
    virtual int IsReportMode() = 0;
};
