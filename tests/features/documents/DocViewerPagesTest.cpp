#include <gtest/gtest.h>

#include <vector>

#include "features/documents/DocViewerPages.h"

namespace {

// The order in which a thread would fetch the pages when each fetch succeeds.
std::vector<int> FetchOrder(CDocViewerPages& pages, int nCurrent)
{
    std::vector<int> order;
    for (int i; (i = pages.FindNextToFetch(nCurrent)) >= 0;) {
        pages.MarkLoading(i);
        pages.StoreResult(i, FALSE, nullptr);   // failed pages are not fetched again by this run
        order.push_back(i);
    }
    return order;
}

TEST(DocViewerPages, FetchStartsAtThePageOnScreenAndWraps)
{
    CDocViewerPages pages;
    pages.Create(10);
    EXPECT_EQ(FetchOrder(pages, 4), (std::vector<int>{4, 5, 6, 7, 8, 9, 0, 1, 2, 3}));
    pages.Create(3);
    EXPECT_EQ(pages.GetCount(), 3);
    EXPECT_EQ(FetchOrder(pages, 2), (std::vector<int>{2, 0, 1}));
    pages.Create(0);
    EXPECT_EQ(pages.FindNextToFetch(0), -1);
}

TEST(DocViewerPages, PagesInOtherStatesAreSkippedAndAFailedOneWaitsAgainOnRetry)
{
    CDocViewerPages pages;
    pages.Create(5);
    pages.MarkLoading(1);
    pages.MarkLoading(3);
    pages.StoreResult(3, FALSE, nullptr);
    EXPECT_EQ(pages.GetState(3), S_DOCVIEWER_PAGE::FAILED);
    EXPECT_EQ(pages.FindNextToFetch(1), 2);
    EXPECT_EQ(pages.FindNextToFetch(3), 4);
    EXPECT_FALSE(pages.RetryFailed(1)) << "only a failed page is retried";
    EXPECT_TRUE(pages.RetryFailed(3));
    EXPECT_EQ(pages.FindNextToFetch(3), 3);
    EXPECT_EQ(pages.StoreResult(7, TRUE, nullptr), -1);
    EXPECT_EQ(pages.GetState(7), -1);
    EXPECT_EQ(pages.GetState(-1), -1);
    EXPECT_EQ(pages.GetPage(4)->m_nPage, 5);
}

TEST(DocViewerPages, BytesThatAreNoPictureGiveNoImage)
{
    const BYTE text[] = "not a picture";
    EXPECT_EQ(S_DOCVIEWER_PAGE::LoadDocImage(nullptr, 10), nullptr);
    EXPECT_EQ(S_DOCVIEWER_PAGE::LoadDocImage(text, 0), nullptr);
    EXPECT_EQ(S_DOCVIEWER_PAGE::LoadDocImage(text, sizeof text), nullptr);
}

}  // namespace
