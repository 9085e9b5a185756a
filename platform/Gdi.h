#pragma once
// The GDI object classes and the device contexts.
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "platform/GdiObject.h"
#include "platform/Pen.h"
#include "platform/Rgn.h"
