#pragma once
// Keeps the pages around the shown one decoded and scaled, so that turning to a neighbour only
// copies a picture that is ready: the shown page, one page behind and two ahead hold their decoded
// picture (at most CPagePicture::kMaxBytes each) and a copy scaled to the size the canvas fits the
// page to (at most the canvas' own size), so four of each per board at most; every other page
// lets its pictures go. Missing pictures are decoded by a worker (CPageDecoder) and taken on the
// user-interface thread when they arrive, if their page is still near and has the same image.
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/MMPageManager.h"
#include "whiteboard/board/PageDecoder.h"

class CPagesAhead {
public:
    static constexpr int kBehind = 1;
    static constexpr int kAhead = 2;

    static BOOL IsNear(int page, int shown) { return page >= shown - kBehind && page <= shown + kAhead; }
    // The near pages in the order their pictures are wanted: the shown one, then outwards, the
    // pages ahead first.
    static std::vector<int> NearPages(int shown, int total);

    // The size the canvas would fit a page to now (0 x 0 while it is zoomed: nothing to scale).
    using FitSize = std::function<SIZE(const CMMPage&)>;

    // The shown page is 'shown': pictures of pages no longer near go, missing near ones (or their
    // copies scaled to the fit size) are asked for; results are posted to the window with
    // WM_BOARD_PAGE_DECODED. TRUE when the shown page's picture is among them.
    BOOL Follow(HWND target, CMMPageManager& pages, const CString& docId, int shown, const FitSize& fitOf);
    // A decoded picture arrived (the record is the caller's): TRUE when the page took it.
    static BOOL Take(const S_BOARD_IMAGE& record, CMMPageManager& pages, const CString& docId, int shown);
    // Drops what is still to be decoded and waits for the picture under way.
    void Stop() { m_decoder.Stop(); }
    CPageDecoder& Decoder() { return m_decoder; }

private:
    CPageDecoder m_decoder;
};
