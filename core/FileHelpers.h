#pragma once
// File and folder helpers shared by the whole client.
#include <windows.h>
#include "platform/CString.h"

// TRUE when the path names an existing folder (bFolder) or an existing file (!bFolder).
BOOL FileExists(const CString& strPath, BOOL bFolder);
// Creates every level of the folder; the result is that of the last level's CreateDirectory,
// so it is FALSE when that level already existed.
BOOL CreateDirectoryTree(const CString& strPath);
// TRUE when the folder exists or could be created.
BOOL EnsureDirectory(const CString& strPath);
// Copies a file, creating the destination's folder first when it is missing.
BOOL CopyFileCreatingFolder(const CString& strSource, const CString& strDest, BOOL bFailIfExists);

CString GetParentPath(const CString& strPath);          // text before the last backslash
CString GetFileExtension(const CString& strPath);       // after the last '.', else the whole text
CString GetFileNameFromPath(const CString& strPath);    // after the last backslash
CString GetExtensionFromPath(const CString& strPath);   // after the last '.', else empty

// The whole file in a new[] buffer that the caller frees, or null when it cannot be read.
BYTE* ReadWholeFile(const CString& strPath, DWORD* pdwLength);
// The path shortened with an ellipsis to at most nChars characters.
CString CompactPathText(const CString& strPath, int nChars);
