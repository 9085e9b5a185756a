#include "tools/browser/FontTestLayout.h"

CString GetFontTestSample()
{
    // "สวัสดีครับ ที่นี่"
    return CString(L"\x0E2A\x0E27\x0E31\x0E2A\x0E14\x0E35\x0E04\x0E23\x0E31\x0E1A "
                   L"\x0E17\x0E35\x0E48\x0E19\x0E35\x0E48");
}

std::vector<SFontTestCell> LayoutFontTest(const CString& strText, const std::function<int(const CString&)>& measureWidth)
{
    std::vector<SFontTestCell> cells;
    int nLength = strText.GetLength();
    int x = 0;
    for (int i = 0; i < nLength;) {
        SFontTestCell cell{CString(strText[i]), x, 0};
        ++i;
        while (i < nLength && measureWidth(CString(strText[i])) == 0) {
            cell.strText += strText[i];
            ++i;
        }
        cells.push_back(cell);
        x += FONT_TEST_CELL_WIDTH;
    }
    return cells;
}
