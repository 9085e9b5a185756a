#include "ui/host/MainDlg.h"

namespace {
// Set and read on the user-interface thread only.
IZELMainDlg* g_pMainDlg = nullptr;
}  // namespace

IZELMainDlg* GetMainDlg() { return g_pMainDlg; }

void SetMainDlg(IZELMainDlg* pMainDlg) { g_pMainDlg = pMainDlg; }
