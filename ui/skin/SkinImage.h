#pragma once
// SKIN_IMAGE: an image file of the skin and the GDI+ image loaded from it. Copies share only the
// path; each copy loads its own image when it needs one.
#include "platform/CString.h"

namespace Gdiplus {
class Image;
}

struct SKIN_IMAGE {
    CString m_strPath;
    Gdiplus::Image* m_pImage = nullptr;   // owned

    SKIN_IMAGE() = default;
    SKIN_IMAGE(const SKIN_IMAGE& other) : m_strPath(other.m_strPath) {}
    SKIN_IMAGE& operator=(const SKIN_IMAGE& other);
    ~SKIN_IMAGE() { Free(); }

    // Frees the image held, then opens the path (when there is one) without colour management.
    // A missing or unreadable file still gives an image object, in a failed state.
    Gdiplus::Image* Load();
    void Free();
    // The image when it was loaded and decoded; null otherwise.
    Gdiplus::Image* GetUsable() const;
};
