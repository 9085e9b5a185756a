#pragma once
// The face picture of the login and sign-on windows, stretched over a rectangle. Nothing is drawn
// while the picture is not loaded.
#include "platform/Bitmap.h"
#include "platform/DC.h"

void DrawFaceBitmap(CDC* pDC, CBitmap& bitmap, const CRect& rect);
