#include "ui/skin/SkinTextCells.h"

namespace {

SIZE CharExtent(HDC hdc, wchar_t ch)
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hdc, &ch, 1, &size);
    return size;
}

} // namespace

CString CSkinTextCells::NormalizeBreaks(const CString& strText)
{
    CString s = strText;
    s.Replace(L"\r\n", L"\n");
    s.Replace(L"\r", L"\n");
    return s;
}

int CSkinTextCells::LineIndent(HDC hdc, const RECT& rc, const CString& strText, int nStart, int nAlign)
{
    if (nAlign != 1 && nAlign != 2)
        return 0;
    const int width = rc.right - rc.left;
    int sum = 0;
    for (int i = nStart; i < strText.GetLength(); ++i) {
        const int cx = CharExtent(hdc, strText[i]).cx;
        if (sum + cx > width)
            break;
        sum += cx;
        if (strText[i] == L'\n')
            break;
    }
    return nAlign == 1 ? (width - sum) / 2 : width - sum;
}

std::vector<CSkinTextCells::Cell> CSkinTextCells::Build(HDC hdc, const RECT& rc, const CString& strText,
                                                        int nAlign, bool bIndentFirst)
{
    std::vector<Cell> cells;
    const CString text = NormalizeBreaks(strText);
    cells.reserve(size_t(text.GetLength()));
    int x = rc.left + (bIndentFirst ? LineIndent(hdc, rc, text, 0, nAlign) : 0);
    int y = rc.top;
    bool lineStart = true;
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t ch = text[i];
        const SIZE size = CharExtent(hdc, ch);
        if (rc.right < x + size.cx && !lineStart) {
            y += size.cy;
            x = rc.left + LineIndent(hdc, rc, text, i, nAlign);
            lineStart = true;
        }
        cells.push_back({ch, CRect(x, y, x + size.cx, y + size.cy), lineStart});
        lineStart = false;
        if (ch == L'\n') {
            y += size.cy;
            x = rc.left + LineIndent(hdc, rc, text, i + 1, nAlign);
            lineStart = true;
        } else {
            x += size.cx;
        }
    }
    return cells;
}

CRect CSkinTextCells::Measure(HDC hdc, const RECT& rc, const CString& strText, int nAlign)
{
    CRect out(rc);
    const std::vector<Cell> cells = Build(hdc, rc, strText, nAlign, false);
    if (!cells.empty())
        out.bottom = cells.back().rc.bottom;
    return out;
}
