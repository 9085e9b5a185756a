#pragma once
// The control classes.
#include "platform/BitmapButton.h"
#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/HeaderCtrl.h"
#include "platform/ListBox.h"
#include "platform/ListCtrl.h"
#include "platform/ProgressCtrl.h"
#include "platform/ScrollBar.h"
#include "platform/Static.h"
#include "platform/ToolTipCtrl.h"
