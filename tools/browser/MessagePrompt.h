#pragma once
// Vistrel's message boxes, all through one place that a test can answer instead of the user.
#include <windows.h>

#include <functional>

typedef std::function<int(HWND hOwner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)> MessagePrompt;

// Shows the text with the program's name as caption; answers like MessageBox.
int ShowMessage(HWND hOwner, LPCWSTR lpszText, UINT nType = MB_OK);

// Replaces the message box (null: the real one again); returns the previous replacement.
MessagePrompt SetMessagePrompt(MessagePrompt prompt);
