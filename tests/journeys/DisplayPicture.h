#pragma once
// Pictures of what a user sees, two ways: from the X display (the frame buffer of the Xvfb the
// scripts start, named by ZEL_FRAMEBUFFER: exactly what a monitor would show) and through GDI in a
// Wine process (the screen as Wine composes it from the windows' own surfaces). A window that shows
// on the display something else than what it paints differs between the two.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace journey {

// Pixels 0x00RRGGBB, rows top-down.
struct Picture {
    int cx = 0, cy = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(cx) + size_t(x)]; }
    Picture Crop(const RECT& rc) const;   // clipped to the picture
};

// The frame buffer's picture (the whole screen); false without one (a display not started by the
// scripts) or when it cannot be read.
bool ReadDisplayPicture(Picture& out);
bool HasDisplayPicture();
// The screen (or the rectangle of it) through GDI.
bool ReadProcessPicture(Picture& out, const RECT* pArea = nullptr);
// An XWD file's ZPixmap of 24/32 bits per pixel (what Xvfb keeps), the picture's bytes given.
bool ParseXwd(const std::string& bytes, Picture& out);
bool SavePicturePng(const Picture& picture, const std::wstring& path);

// How far a shown window is from what it paints.
struct WindowVerdict {
    bool bOk = true;
    int nColours = 0;           // distinct colours on the display in the window's rectangle
    double fDiffering = 0.0;    // share of its pixels that differ between the two pictures
    std::string why;            // empty when fine
};
// A window whose display picture is a block of one or two colours, or differs from its in-process
// picture in more than 'fMaxDiffering' of its pixels (a channel off by more than 'nTolerance'), is
// not what the program paints. The pointer is in the display's frame buffer only: its rectangle
// (screen coordinates) is left out of the comparison.
WindowVerdict JudgeWindow(const Picture& display, const Picture& process, const RECT& rcWindow,
                          const RECT& rcPointer = RECT{}, double fMaxDiffering = 0.02, int nTolerance = 40);

// Takes both pictures of the screen (until they agree on the windows, within a few tries), saves
// them as <folder>\<name>.png (in-process) and <name>_display.png, and judges every visible
// top-level window of the process. The reasons of the windows that fail, one a line; empty when all
// pass. Without a frame buffer only the in-process picture is saved and nothing is judged.
std::string ShootAndJudge(DWORD pid, const std::wstring& folder, const std::wstring& name);

}  // namespace journey
