#include "tools/logviewer/ColWidthSaveListCtrl.h"

#include <vector>

#include "core/SystemHelpers.h"

BEGIN_MESSAGE_MAP(CColWidthSaveListCtrl, CSortListCtrl)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CColWidthSaveListCtrl::OnDestroy()
{
    CSortListCtrl::OnDestroy();
    CString strSection;
    GetWindowText(strSection);
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (strSection.IsEmpty() || !pHeader) return;
    std::vector<int> widths;
    int nSum = 0;
    for (int i = 0; i < pHeader->GetItemCount(); ++i) {
        widths.push_back(GetColumnWidth(i));
        nSum += widths.back();
    }
    if (nSum == 0) return;
    CString strIni = GetModuleFolder() + L"ColWidthSaveListCtrl.ini";
    for (size_t i = 0; i < widths.size(); ++i) {
        CString strKey, strValue;
        strKey.Format(L"%d", (int)i);
        strValue.Format(L"%d", widths[i]);
        WritePrivateProfileStringW(strSection, strKey, strValue, strIni);
    }
}
