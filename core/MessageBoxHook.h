#pragma once
// Message boxes of the core services go through one function that tests can replace, so that a
// headless run never blocks on a pop-up.
#include <windows.h>

typedef int (*PFN_CORE_MESSAGEBOX)(LPCWSTR pszText, UINT uType);

// Replaces the function that shows the message (null restores MessageBox); returns the previous.
PFN_CORE_MESSAGEBOX SetCoreMessageBoxHook(PFN_CORE_MESSAGEBOX pfn);
int ShowCoreMessageBox(LPCWSTR pszText, UINT uType = MB_OK);
