#pragma once
// Keeps the pages around the shown one decoded, so that turning to a neighbour only scales a
// picture that is ready: the shown page, one page behind and two ahead hold their decoded picture
// (at most CPagePicture::kMaxBytes each, so at most four of them per board); every other page
// lets its picture go. Missing pictures are decoded by a worker (CPageDecoder) and taken on the
// user-interface thread when they arrive, if their page is still near and has the same image.
#include <windows.h>

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

    // The shown page is 'shown': pictures of pages no longer near go, missing near ones are asked
    // for (results are posted to the window with WM_BOARD_PAGE_DECODED).
    void Follow(HWND target, CMMPageManager& pages, const CString& docId, int shown);
    // A decoded picture arrived (the record is the caller's): TRUE when the page took it.
    static BOOL Take(const S_BOARD_IMAGE& record, CMMPageManager& pages, const CString& docId, int shown);
    // Drops what is still to be decoded and waits for the picture under way.
    void Stop() { m_decoder.Stop(); }
    CPageDecoder& Decoder() { return m_decoder; }

private:
    CPageDecoder m_decoder;
};
