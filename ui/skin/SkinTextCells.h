#pragma once
// The character-by-character layout of selectable texts: one cell per character, lines broken
// where the next character would pass the right edge and after every line feed, each line
// indented by the text's alignment. Measuring, painting and hit-testing of a selectable text
// all use it, so they always agree.
#include <windows.h>

#include <vector>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CSkinTextCells {
public:
    struct Cell {
        wchar_t ch;
        CRect rc;
        bool lineStart;   // first cell of its line
    };

    // "\r\n" and "\r" read as "\n".
    static CString NormalizeBreaks(const CString& strText);
    // The indent of the line starting at nStart: 0 for ALIGN 0, else the room the line's
    // characters leave, halved for ALIGN 1.
    static int LineIndent(HDC hdc, const RECT& rc, const CString& strText, int nStart, int nAlign);
    // Cells of the normalised text in the font selected into hdc. With bIndentFirst the first
    // line is indented too (painting and hit-testing); measuring starts it at the left edge.
    static std::vector<Cell> Build(HDC hdc, const RECT& rc, const CString& strText, int nAlign, bool bIndentFirst);
    // The rectangle with its bottom at the last character's line bottom (unchanged when empty).
    static CRect Measure(HDC hdc, const RECT& rc, const CString& strText, int nAlign);
};
