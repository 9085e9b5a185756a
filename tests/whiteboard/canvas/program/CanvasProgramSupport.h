#pragma once
// What the canvas' program tests share: the main dialog in or out of its full view, holding the
// floating palette, and a palette listener that takes the palette's choices without acting on
// them (the tests drive the canvas themselves).
#include <memory>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/tools/ToolsTestSupport.h"
#include "whiteboard/tools/DrawToolPalette.h"

namespace canvasprogram {

class ProgramMainDlg : public toolstest::StandInMainDlg {
public:
    BOOL IsKeyNavigationMode() override { return fullView; }
    void LeaveFullView() override
    {
        fullView = FALSE;
        ++leaves;
    }
    CWnd* GetDrawToolWnd() override { return palette; }
    BOOL fullView = FALSE;
    int leaves = 0;
    CWnd* palette = nullptr;
};

class SilentPaletteListener : public IDrawToolEventListener {
public:
    void OnMoveMode() override {}
    void OnPen() override {}
    void OnHighlighter() override {}
    void OnEraser() override {}
    void OnPointerTool() override {}
    void OnColor(COLORREF) override {}
    void OnClearPage(int) override {}
    void OnThickness(int) override {}
    void OnLineType(int) override {}
    void OnHistory(BOOL) override {}
};

// The main dialog's floating palette (colours kept in a file of its own), held by the main dialog
// while it lives.
class HeldPalette {
public:
    HeldPalette(CWnd* owner, ProgramMainDlg& main)
        : m_main(main), m_palette(new CDrawToolMain(owner, &m_listener, CString(m_dir.File(L"opt.ini").c_str())))
    {
        if (m_palette->CreatePalette())
            m_main.palette = m_palette.get();
    }
    ~HeldPalette()
    {
        m_main.palette = nullptr;
        m_palette->DestroyWindow();
    }
    BOOL IsOpen() const { return m_main.palette != nullptr; }
    CDrawToolMain& operator*() { return *m_palette; }
    CDrawToolMain* operator->() { return m_palette.get(); }

private:
    zeltest::TempDir m_dir;
    SilentPaletteListener m_listener;
    ProgramMainDlg& m_main;
    std::unique_ptr<CDrawToolMain> m_palette;
};

}  // namespace canvasprogram
