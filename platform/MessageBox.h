#pragma once
// Message boxes. Every box of the programs goes through zel::ShowMessageBox, which a test can
// answer through a hook instead of a window appearing.
#include <windows.h>

#include <functional>

// A box with the application's name as caption, owned by the active pop-up of the main window.
// Without an icon an OK/OK-Cancel box gets the exclamation mark and a Yes/No box the question
// mark. Returns the button chosen (IDOK, IDYES, ...).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is the string resource nIDPrompt of the resource library.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

namespace zel {

// Shows a system message box, or hands it to the hook when one is set.
int ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);

// The hook gets text, caption and type and returns the button "pressed". An empty function
// removes it. The hook is process-wide.
using MessageBoxHook = std::function<int(LPCTSTR text, LPCTSTR caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace zel
