#pragma once
// The program hands this to the main dialog's makers (SScreenMakers::makeDetail): it creates the
// meeting detail screen as a child of the main dialog.
class CWnd;
class IDetailScreen;

CWnd* MakeDetailScreen(CWnd* pMainDlg, IDetailScreen** ppScreen);
