#include "platform/MinimizedIcon.h"

#include "platform/DC.h"
#include "platform/Wnd.h"

namespace zel {

bool PaintMinimizedIcon(CWnd& wnd, HICON hIcon)
{
    if (!wnd.IsIconic()) return false;
    CPaintDC dc(&wnd);
    wnd.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    wnd.GetClientRect(&rect);
    ::DrawIcon(dc.GetSafeHdc(), (rect.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
               (rect.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2, hIcon);
    return true;
}

} // namespace zel
