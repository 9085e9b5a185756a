#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

#include "tests/core/JsonFixture.h"

#include <string>

namespace {

class MeetingManagerTest : public CSessionTest {
protected:
    void SetUp() override
    {
        CSessionTest::SetUp();
        CMeetingManager::DestroyInstance();
    }
    void TearDown() override
    {
        CMeetingManager::DestroyInstance();
        CSessionTest::TearDown();
    }
    CMeetingManager* Manager() { return CMeetingManager::GetInstance(); }
    std::wstring Ids()
    {
        std::wstring ids;
        for (CMeeting* m : Manager()->GetMeetings())
            ids += std::wstring(m->GetMeetingId().GetString()) + L" ";
        return ids;
    }
};

const char kPage1[] = R"([{"mtngId":"M1","mtngTitl":"one"},{"mtngId":"M2","mtngTitl":"two"}])";
const char kPage2[] = R"([{"mtngId":"M3","mtngTitl":"three"},{"mtngId":"M1","mtngTitl":"one again"}])";

}  // namespace

TEST_F(MeetingManagerTest, PagesAppendAndUpdateInPlace)
{
    EXPECT_EQ(0, Manager()->FillFromList(1, 2, ParseJson(kPage1)));
    CMeeting* m1 = Manager()->FindMeeting(L"M1");
    ASSERT_NE(nullptr, m1);
    EXPECT_EQ(2, Manager()->FillFromList(2, 2, ParseJson(kPage2)));
    EXPECT_EQ(L"M1 M2 M3 ", Ids());
    EXPECT_EQ(m1, Manager()->FindMeeting(L"M1"));
    EXPECT_EQ(CString(L"one again"), m1->GetTitle());
    EXPECT_EQ(2, Manager()->GetCurPage());
    EXPECT_EQ(2, Manager()->GetTotalPage());
    EXPECT_EQ(nullptr, Manager()->FindMeeting(L"m1"));

    // Page 1 again starts over; an empty reply leaves no records.
    EXPECT_EQ(0, Manager()->FillFromList(1, 1, ParseJson(R"([{"mtngId":"M9"}])")));
    EXPECT_EQ(L"M9 ", Ids());
    EXPECT_EQ(0, Manager()->FillFromList(1, 0, ParseJson("[]")));
    EXPECT_EQ(L"", Ids());
    EXPECT_EQ(0, Manager()->GetTotalPage());
    EXPECT_EQ(0, Manager()->FillFromList(1, 0, ParseJson(R"({"list":"broken"})")));
    EXPECT_EQ(L"", Ids());
}

TEST_F(MeetingManagerTest, CurrentMeetingSurvivesAFirstPageFill)
{
    Manager()->FillFromList(1, 1, ParseJson(kPage1));
    CMeeting* current = Manager()->SetCurrentMeeting(L"M2");
    ASSERT_NE(nullptr, current);

    // Listed again: the same record, updated, back in the list.
    Manager()->FillFromList(1, 1, ParseJson(R"([{"mtngId":"M2","mtngTitl":"two v2"},{"mtngId":"M5"}])"));
    EXPECT_EQ(current, Manager()->GetCurrentMeeting());
    EXPECT_EQ(CString(L"two v2"), current->GetTitle());
    EXPECT_EQ(L"M2 M5 ", Ids());

    // Not listed: the record is kept for the screen that shows it, outside the list.
    Manager()->FillFromList(1, 1, ParseJson(R"([{"mtngId":"M7"}])"));
    EXPECT_EQ(current, Manager()->GetCurrentMeeting());
    EXPECT_EQ(CString(L"two v2"), current->GetTitle());
    EXPECT_EQ(L"M7 ", Ids());
    EXPECT_EQ(current, Manager()->FindMeeting(L"M2"));
    EXPECT_EQ(current, Manager()->SetCurrentMeeting(L"M2"));

    // A later page that lists it takes it back.
    Manager()->FillFromList(2, 2, ParseJson(R"([{"mtngId":"M2","mtngTitl":"two v3"}])"));
    EXPECT_EQ(L"M7 M2 ", Ids());
    EXPECT_EQ(current, Manager()->FindMeeting(L"M2"));
}

TEST_F(MeetingManagerTest, SetAndClearCurrentMeeting)
{
    EXPECT_EQ(0, Manager()->ClearCurrentMeeting());
    EXPECT_EQ(0, Manager()->IsPresenterMe());
    EXPECT_EQ(0, Manager()->IsMainUserMe());
    EXPECT_EQ(0, Manager()->IsReport());
    EXPECT_EQ(0, Manager()->IsNotStarted());
    EXPECT_EQ(0, Manager()->SetModifyFlag(1));
    EXPECT_EQ(0, Manager()->GetModifyFlag());

    CMeeting* bare = Manager()->SetCurrentMeeting(L"NEW");
    EXPECT_EQ(1, bare->GetKind());
    EXPECT_EQ(0, bare->GetStatus());
    EXPECT_EQ(1, Manager()->IsNotStarted());
    EXPECT_EQ(L"NEW ", Ids());

    bare->SetAttendees(ParseJson(R"([{"userIdnfr":1001,"processYn":"Y","mainYn":"Y"}])"));
    EXPECT_EQ(1, Manager()->IsPresenterMe());
    EXPECT_EQ(1, Manager()->IsMainUserMe());
    EXPECT_EQ(1, Manager()->SetModifyFlag(1));
    EXPECT_EQ(1, Manager()->SetSecretaryFlag(1));
    EXPECT_EQ(1, Manager()->GetModifyFlag());
    EXPECT_EQ(1, Manager()->GetSecretaryFlag());

    EXPECT_EQ(1, Manager()->ClearCurrentMeeting());
    EXPECT_EQ(nullptr, Manager()->GetCurrentMeeting());
    EXPECT_EQ(nullptr, bare->GetPresenter());  // references dropped, record kept
    EXPECT_EQ(bare, Manager()->FindMeeting(L"NEW"));

    // A current record outside the list is freed once it stops being current.
    Manager()->SetCurrentMeeting(L"NEW");
    Manager()->FillFromList(1, 1, ParseJson(kPage1));
    EXPECT_EQ(bare, Manager()->GetCurrentMeeting());
    Manager()->SetCurrentMeeting(L"M1");
    EXPECT_EQ(nullptr, Manager()->FindMeeting(L"NEW"));
}

TEST_F(MeetingManagerTest, FindOrCreateMeeting)
{
    Manager()->FillFromList(1, 1, ParseJson(kPage1));
    Manager()->FindOrCreateMeeting(L"R1", L"30");
    Manager()->FindOrCreateMeeting(L"R2", L"10");
    Manager()->FindOrCreateMeeting(L"M1", L"30");
    EXPECT_EQ(L"M1 M2 R1 R2 ", Ids());
    EXPECT_EQ(30, Manager()->FindMeeting(L"R1")->GetKind());
    EXPECT_EQ(1, Manager()->FindMeeting(L"R2")->GetKind());
    EXPECT_EQ(1, Manager()->FindMeeting(L"M1")->GetKind());
    EXPECT_EQ(nullptr, Manager()->GetCurrentMeeting());
}

TEST_F(MeetingManagerTest, ObserverCopyAndSingleton)
{
    CMeetingManager* a = CMeetingManager::GetInstance();
    EXPECT_EQ(a, CMeetingManager::GetInstance());
    EXPECT_EQ(0, a->IsObserver());
    a->SetObserver(1);
    EXPECT_EQ(1, a->IsObserver());
    EXPECT_TRUE(a->IsKindOf(RUNTIME_CLASS(CMeetingManager)));
    CMeetingManager::DestroyInstance();
    EXPECT_EQ(0, CMeetingManager::GetInstance()->IsObserver());
}
