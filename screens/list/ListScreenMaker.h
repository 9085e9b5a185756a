#pragma once
// The program's maker of the meeting list screen (SScreenMakers::makeList): creates the screen as
// a child of the main dialog and hands back its interface. The main dialog owns both (one object).
class CWnd;
class IListScreen;

CWnd* MakeListScreen(CWnd* pMainDlg, IListScreen** ppScreen);
