#pragma once
// The program's maker of the title bar (SScreenMakers::makeTitleBar). The main dialog it is given
// receives the title bar's button events when it implements ITitleLayerEventListener.
class CWnd;
class ITitleBar;

CWnd* MakeTitleLayer(CWnd* pMainDlg, ITitleBar** ppTitleBar);
