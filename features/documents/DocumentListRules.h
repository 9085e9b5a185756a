#pragma once
// What the meeting's document list decides without its window: the file-type icon of a document,
// the header row's reference count text, and which row's "view beside" button lies under a point.
#include "platform/CString.h"
#include "platform/Geometry.h"

// 1-based index of the type icon in the row screen's icon pictures; 3 for unknown types.
int DocumentIconIndex(const CString& strFileName);

// The header row's text: the template with "{C}" replaced by the count.
CString ReferenceCountText(const CString& strTemplate, int nCount);

// Rows are a fixed 34 x 258 pixels from the top of the client area, the first shown row being
// nTopIndex; rcButton is the button inside one row. -1 when the point is on no row's button.
const int DOCLIST_ROW_HEIGHT = 34;
const int DOCLIST_ROW_WIDTH = 258;
int HitDualButtonRow(CPoint pt, int nTopIndex, int nRowCount, const CRect& rcButton);
