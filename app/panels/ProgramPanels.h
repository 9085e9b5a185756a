#pragma once
// Sets the makers through which the screens create the panels of other parts of the client.
// Each group is set on its own so a test can wire only the screen it drives.
void SetProgramPanels();

// The meeting screen's side panel (attendees, thumbnails, bookmarks).
void SetInfoPanelMaker();
// The meeting screen's right-hand chat and minutes panes.
void SetMeetingPaneMakers();
// The detail screen's attendee panel and chat.
void SetDetailPanelMakers();
// The tools the main dialog shows over the meeting screen.
void SetMainDialogTools();
