#pragma once
// The meeting screen's maker for the main dialog (SScreenMakers::makeMeeting): creates the one
// CMeetingLayer hidden as a child of the main dialog and returns it with its IMeetingScreen. The
// same object answers IBoardLayer and IInfoLayer (dynamic_cast from the IMeetingScreen).
class CWnd;
class IMeetingScreen;

CWnd* MakeMeetingScreen(CWnd* pMainDlg, IMeetingScreen** ppScreen);
