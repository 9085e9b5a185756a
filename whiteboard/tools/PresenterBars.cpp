#include <winsock2.h>

#include "whiteboard/board/IBoardMeetingContext.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"
#include "whiteboard/tools/PresentationBars.h"

namespace {

// The banner and the toolbar over one canvas, sliding together.
class CPresenterBars : public IPresenterBars {
public:
    CPresenterBars(IBoardInfoCtrlEventListener* pInfoListener, IBoardOptCtrlEventListener* pOptListener)
        : m_banner(pInfoListener), m_toolbar(pOptListener)
    {
    }
    BOOL Create(CBoardDrawCtrl* pCanvas, const S_BOARD_BAR_CONTEXT& context)
    {
        m_banner.m_getMeeting = context.getMeeting;
        m_toolbar.m_getMeeting = context.getMeeting;
        m_toolbar.m_pCanvas = pCanvas;
        if (!m_banner.Create(pCanvas) || !m_toolbar.Create(pCanvas))
            return FALSE;
        // Leaving the full view by the banner's button closes the bars at once: the pointer at the
        // edge that would close them after a second is gone with the full view.
        m_banner.m_onLeave = [pCanvas] {
            pCanvas->StopBarsHideTimer();
            pCanvas->SetBarsShown(FALSE, TRUE);
        };
        m_toolbar.m_isFollower = [context] {
            IBoardMeetingContext* meeting = context.getMeeting ? context.getMeeting() : nullptr;
            return (BOOL)(meeting && meeting->IsPageSync() && !meeting->IsPresenterMe());
        };
        m_toolbar.m_isReceiverReport = [context] {
            IBoardMeetingContext* meeting = context.getMeeting ? context.getMeeting() : nullptr;
            return (BOOL)(meeting && meeting->IsReport());
        };
        return TRUE;
    }

    void SlideOpen(int height) override
    {
        m_banner.SlideDown(height);
        m_toolbar.SlideIn(height);
    }
    void SlideClosed(BOOL atOnce) override
    {
        m_banner.SlideUp(atOnce);
        m_toolbar.SlideOut(atOnce);
    }
    int GetOpenHeight() override { return m_banner.GetSlideState() == 0 ? 0 : m_banner.GetHeight(); }
    void Place(int cx, int cy) override
    {
        // Only the width follows the canvas; the height is the slide's.
        if (m_banner.GetSafeHwnd())
            m_banner.SetWindowPos(nullptr, 0, 0, cx, m_banner.GetHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (m_toolbar.GetSafeHwnd()) {
            RECT rc;
            m_toolbar.GetClientRect(&rc);
            m_toolbar.SetWindowPos(nullptr, 0, cy - rc.bottom, cx, rc.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    void SetBannerText(const CString& text) override { m_banner.SetText(text); }
    void Reset() override { m_toolbar.SelectTool(0); }
    void SetPage(int current, int total) override { m_toolbar.SetPage(current, total); }
    void SetDocuments(int index, int count) override
    {
        m_toolbar.m_nDocIndex = index;
        m_toolbar.m_nDocCount = count;
    }
    void SelectTool(int tool) override { m_toolbar.SelectTool(tool); }
    void SetShareState(int share) override
    {
        m_banner.SetShareState(share);
        m_toolbar.SetShareState(share);
    }
    void EnableBars(BOOL enable) override
    {
        m_banner.EnableWindow(enable);
        m_toolbar.EnableWindow(enable);
    }

    CPresentationInfoCtrl m_banner;
    CPresentationOptCtrl m_toolbar;
};

}  // namespace

IPresenterBars* MakePresenterBars(const S_BOARD_BAR_CONTEXT& context, IBoardInfoCtrlEventListener* pInfoListener,
                                  IBoardOptCtrlEventListener* pOptListener)
{
    if (!context.pCanvas || !context.pCanvas->GetSafeHwnd())
        return nullptr;
    CPresenterBars* bars = new CPresenterBars(pInfoListener, pOptListener);
    if (!bars->Create(context.pCanvas, context)) {
        delete bars;
        return nullptr;
    }
    return bars;
}
