#pragma once
// Helpers of the skin tests: GDI+ for the whole run, fixture skins written from XML text and
// loaded into the global skin, message boxes answered and recorded, skinned test dialogs on
// real windows, and synthetic mouse and keyboard input.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/UI.h"
#include "tests/support/TestSupport.h"
#include "ui/skin/MyBaseDialog.h"
#include "ui/skin/SkinManager.h"

namespace skintest {

// Starts GDI+ once for the test program.
void EnsureGdiplus();

// Writes "<TSKIN><SCREENLIST>" + body + "</SCREENLIST></TSKIN>" to a file and loads it into the
// global skin (emptied first) at the ratio; the program folder "$(TARGETDIR)\" stands for is the
// fixture's folder.
BOOL LoadFixtureSkin(const std::wstring& body, float fRatio = 1.0f);
// Loads a whole document as given.
BOOL LoadFixtureDocument(const std::string& utf8Document, float fRatio = 1.0f);
// The folder of the fixture files (pictures can be written there).
const std::wstring& FixtureFolder();
// Writes a PNG picture of w x h pixels; colour(x, y) gives each pixel (0xAARRGGBB).
bool WritePicture(const std::wstring& path, int w, int h, const std::function<DWORD(int x, int y)>& colour);
// Empties the global skin.
void ResetSkin();
// Loads the shipped skin from the build's program folder at the ratio.
BOOL LoadShippedSkin(float fRatio = 1.0f);

// Records the message boxes shown while it lives and answers each with IDOK.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<std::wstring> texts;
};

// A skinned dialog on an in-memory pop-up template, shown modeless, that records its object
// events.
class CTestSkinDialog : public CMyBaseDialog {
public:
    struct Event {
        UINT code;
        SKIN_OBJECT* object;
    };
    explicit CTestSkinDialog(const wchar_t* pszScreen, BOOL bResizable = FALSE, CWnd* pParent = nullptr);
    // Creates the window at (x, y) in the screen's design size (or the given client size).
    BOOL Open(int x = 100, int y = 100, int cx = 0, int cy = 0);
    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

    std::vector<Event> events;
    int answer = 0;                 // the result OnObjectEvent gives
    bool destroyOnEvent = false;    // closes the window from inside the event (514)
    int CountEvents(UINT code) const;
    static int ObjectEventThunkForTest(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void* pUserData)
    {
        return ObjectEventThunk(pOwner, nMessage, pObject, pUserData);
    }

private:
    CString m_strScreen;
    std::vector<WORD> m_template;
};

// A hidden window that stands in for the window a caption drag moves: it counts the
// WM_NCLBUTTONDOWN messages it gets instead of moving.
class CDragRecorder : public CWnd {
public:
    CDragRecorder();
    int drags = 0;
    LRESULT lastHit = 0;
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Synthetic input to a window (client coordinates), handled before returning.
void SendMouse(HWND hwnd, UINT message, int x, int y, WPARAM keys = 0);
void Click(HWND hwnd, int x, int y);
void PostMouse(HWND hwnd, UINT message, int x, int y, WPARAM keys = 0);
// A fresh paint of a window's client area (its WM_ERASEBKGND) into a memory bitmap.
class Snapshot {
public:
    explicit Snapshot(CWnd* pWnd);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    // How many pixels of the colour lie in the rectangle.
    int Count(const RECT& rc, COLORREF clr) const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};
// The colour at a client point of a window, read from a fresh paint into a memory bitmap.
COLORREF PaintedPixel(CWnd* pWnd, int x, int y);

} // namespace skintest
