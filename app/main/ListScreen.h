#pragma once
// What the main dialog asks of the meeting list screen (mode 0).
class IListScreen {
public:
    virtual ~IListScreen() = default;
    // The list asks the server for its current page again.
    virtual void RefreshList() = 0;
};
