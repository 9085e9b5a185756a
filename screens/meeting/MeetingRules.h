#pragma once
// The meeting screen's rules that need no window: column layout, the document toast's wording,
// the outside player's parameters, the slicing of the thumbnail attachment, the upload answer and
// the private document list's scrolling.
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

namespace MeetingRules {

// A side column: 283 pixels expanded, 28 collapsed.
int SideWidth(BOOL bExpanded);
// The three columns over the client rectangle; the board reaches 5 pixels under the right pane.
void ColumnLayout(const CRect& rcClient, BOOL bLeftExpanded, BOOL bRightExpanded, CRect& rcLeft, CRect& rcBoard,
                  CRect& rcRight);

// The toast naming the presenter's document: up to 25 characters go into the one-argument text;
// a longer name is split after 25 characters into the two-argument text.
CString DocumentToastText(const CString& strName, const CString& strShortFormat, const CString& strLongFormat);
// Shown when the main window is maximised (3), or normal (1) while the screen is visible.
BOOL ShouldShowDocumentToast(int nShowCmd, BOOL bScreenVisible);

// The extension after the last "." is one the outside player takes (not mp3); an empty name is not.
BOOL IsVideoFileName(const CString& strName);
// The player's parameters for an address: the address quoted as one argument, then the task.
// FALSE for an address that a quote or a control character would break out of.
BOOL MakePlayerParameters(const CString& strUrl, CString& strParameters);

// Whether an image of nSize bytes at nOffset lies wholly inside an attachment of nTotal bytes.
BOOL SliceFits(long long nOffset, long long nSize, long long nTotal);

// A favourite page of a thumbnail batch other than its first item: is it bookmarked? The page
// right after nBookmarkPage (the page a slide-bar jump asked for) is taken only while that jump
// is pending, which ends it; any other favourite is taken.
BOOL TakeBatchFavourite(int nPage, int& nBookmarkPage);

// The upload was taken: the form went out (error 0) and the answer holds 200 as a number of its
// own ("1200" or "2001" are other numbers).
BOOL IsUploadAccepted(DWORD dwPostError, const CString& strAnswer);

// The right-hand container: chat and document list rectangles for a client of w x h.
void RightPaneLayout(int w, int h, CRect& rcChat, CRect& rcDocuments);

// Private document list rows are 34 pixels high.
const int kPrivateRowHeight = 34;
// Thumb size (percent) of the scroll bar, 0 when every row fits.
int PrivateThumbPercent(int nClientHeight, int nRows);
// The first row shown for a bar position (0..100).
int PrivateFirstRow(int nClientHeight, int nRows, int nPosition);
// A wheel notch moves the bar by 4, within 0..100.
int PrivateWheelPosition(int nPosition, short zDelta);

}  // namespace MeetingRules
