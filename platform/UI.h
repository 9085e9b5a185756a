#pragma once
// Everything a window source file of this system usually needs: the class library's base and
// all its window classes.
#include "platform/Base.h"

#include "platform/Controls.h"
#include "platform/DataExchange.h"
#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/DialogEx.h"
#include "platform/FileDialog.h"
#include "platform/Gdi.h"
#include "platform/ImageList.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/MinimizedIcon.h"
#include "platform/WinApp.h"
#include "platform/WinThread.h"
#include "platform/ScrollView.h"
#include "platform/View.h"
#include "platform/Wnd.h"
