#include "whiteboard/board/PagesAhead.h"

#include "core/ClientMessages.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/PagePicture.h"

std::vector<int> CPagesAhead::NearPages(int shown, int total)
{
    std::vector<int> order;
    const auto add = [&](int n) {
        if (n >= 1 && n <= total)
            order.push_back(n);
    };
    add(shown);
    for (int step = 1; step <= kAhead || step <= kBehind; ++step) {
        if (step <= kAhead)
            add(shown + step);
        if (step <= kBehind)
            add(shown - step);
    }
    return order;
}

BOOL CPagesAhead::Follow(HWND target, CMMPageManager& pages, const CString& docId, int shown, const FitSize& fitOf)
{
    const int total = pages.GetPageCount();
    for (int n = 1; n <= total; ++n) {
        if (IsNear(n, shown))
            continue;
        if (const auto page = pages.GetPage(n))
            page->DropPicture();
    }
    std::deque<S_BOARD_IMAGE*> wanted;
    for (int n : NearPages(shown, total)) {
        const auto page = pages.GetPage(n);
        if (!page || !page->HasImage())
            continue;
        const SIZE fit = fitOf ? fitOf(*page) : SIZE{0, 0};
        if (!page->WantsPicture() && !page->WantsFitted(fit))
            continue;
        std::unique_ptr<S_BOARD_IMAGE> record(new S_BOARD_IMAGE);
        record->docId = docId;
        record->page = n;
        record->serial = page->GetImageSerial();
        record->fit = fit;
        record->picture = page->GetPicture();
        if (!record->picture)
            record->bytes = page->CopyImageBytes();
        if (record->picture || !record->bytes.empty())
            wanted.push_back(record.release());
    }
    if (wanted.empty())
        return FALSE;
    const BOOL shownWanted = wanted.front()->page == shown;
    // Started or already under way: the decoder leaves out only the image it is decoding now.
    return m_decoder.Decode(target, WM_BOARD_PAGE_DECODED, std::move(wanted)) && shownWanted;
}

BOOL CPagesAhead::Take(const S_BOARD_IMAGE& record, CMMPageManager& pages, const CString& docId, int shown)
{
    if (!record.picture || record.docId != docId || !IsNear(record.page, shown))
        return FALSE;
    const auto page = pages.GetPage(record.page);
    if (!page || page->GetImageSerial() != record.serial)
        return FALSE;
    if (page->WantsPicture())
        page->SetPicture(record.picture);
    // The scaled copy stays only beside the picture it was made from.
    if (record.fitted && page->GetPicture() == record.picture)
        page->SetFittedPicture(record.fitted);
    return page->GetPicture() != nullptr;
}
