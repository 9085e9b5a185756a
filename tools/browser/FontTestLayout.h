#pragma once
// The test form's font check: a sample text in Thai script is laid out one character per cell, and
// combining marks (characters that measure no width) share the cell of the character before them.
#include "platform/Base.h"

#include <functional>
#include <vector>

struct SFontTestCell {
    CString strText;   // one character and the combining marks that follow it
    int x;
    int y;
};

const int FONT_TEST_CELL_WIDTH = 10;
const int FONT_TEST_CELL_HEIGHT = 30;

// The sample text (Thai, with combining vowels and tone marks).
CString GetFontTestSample();

// Cells from x 0, y 0, each next one FONT_TEST_CELL_WIDTH further right. measureWidth tells the
// drawn width of one character.
std::vector<SFontTestCell> LayoutFontTest(const CString& strText, const std::function<int(const CString&)>& measureWidth);
