// The data box window on a machine without an HTML control (as under this test system): the
// page's address is built and logged, the view says the page cannot be shown, and the page's
// script calls end the window as they would with a page.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/SettingManager.h"
#include "features/documents/WebPageViews.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

class StandInDataBoxHost : public IDataBoxHost {
public:
    CString GetCurrentMeetingId() override { return L"M2027-01"; }
    void RefreshCurrentScreen() override { ++refreshes; }
    int refreshes = 0;
};

class DataBox : public ::testing::Test {
protected:
    void TearDown() override { CWnd::SetModalLoopHook(nullptr); }

    // Runs the data box; while it shows, the page calls the named method of window.external.
    INT_PTR RunWithPageCall(const wchar_t* method, bool screenshot = false)
    {
        CINoteFileAdd dialog(&m_host, nullptr);
        CWnd::SetModalLoopHook([&](CWnd*) {
            if (screenshot) {
                dialog.UpdateWindow();
                zeltest::PumpFor(50);
                m_saved = ctltest::SaveScreenshot(&dialog, L"DataBox");
            }
            m_hasBrowser = dialog.GetView()->HasBrowser();
            m_url = dialog.GetUrl();
            CScriptExternal& external = dialog.GetView()->External();
            LPOLESTR names[] = {const_cast<LPOLESTR>(method)};
            DISPID id = DISPID_UNKNOWN;
            ASSERT_EQ(external.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
            DISPPARAMS none = {nullptr, nullptr, 0, 0};
            external.Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
        });
        return dialog.DoModal();
    }

    doctest::KoreanResources m_resources;
    StandInDataBoxHost m_host;
    bool m_hasBrowser = true;
    bool m_saved = false;
    CString m_url;
};

TEST_F(DataBox, ClosingFromThePageRefreshesNothing)
{
    ASSERT_TRUE(m_resources.Loaded());
    EXPECT_EQ(RunWithPageCall(L"databoxCloseDlg", true), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 0);
    EXPECT_FALSE(m_hasBrowser);
    EXPECT_TRUE(m_saved);
    EXPECT_GE(m_url.Find(L"actionFlag=databox&mtngId=M2027-01&sawonNo="), 0);
    const CString start = CSettingManager::GetInstance()->GetUseHttps() ? L"https://" : L"http://";
    EXPECT_EQ(m_url.Left(start.GetLength()), start);
}

TEST_F(DataBox, ReloadAndUserInfoRefreshTheScreenFirst)
{
    ASSERT_TRUE(m_resources.Loaded());
    EXPECT_EQ(RunWithPageCall(L"setReload"), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 1);
    EXPECT_EQ(RunWithPageCall(L"setUserInfo"), IDCANCEL);
    EXPECT_EQ(m_host.refreshes, 2);
}

class StandInAttendeePage : public IAttendeePageHost {
public:
    int CheckOtherTarget(int nUserIdnfr) override { return nUserIdnfr == 77 ? 2 : 0; }
    void AddAttendee(const CString& strMtngId, const CString& strUserIdnfr) override
    {
        added.push_back(strMtngId + L"/" + strUserIdnfr);
    }
    std::vector<CString> added;
};

// Runs the attendee pop-up; while it shows, the page makes its calls.
INT_PTR RunAttendeePage(StandInAttendeePage& page, const std::vector<std::vector<const wchar_t*>>& calls,
                        std::vector<int>* results = nullptr, CString* url = nullptr)
{
    CAttendeeAddPopup popup(nullptr, &page);
    popup.m_strMtngId = L"M2027-07";
    CWnd::SetModalLoopHook([&](CWnd*) {
        if (url) *url = popup.GetUrl();
        CScriptExternal& external = popup.GetView()->External();
        for (const auto& call : calls) {
            LPOLESTR names[] = {const_cast<LPOLESTR>(call[0])};
            DISPID id = DISPID_UNKNOWN;
            ASSERT_EQ(external.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
            std::vector<VARIANT> args(call.size() - 1);
            for (size_t i = 1; i < call.size(); ++i) {
                VARIANT& v = args[call.size() - 1 - i];
                ::VariantInit(&v);
                v.vt = VT_BSTR;
                v.bstrVal = ::SysAllocString(call[i]);
            }
            DISPPARAMS params = {args.empty() ? nullptr : args.data(), nullptr, (UINT)args.size(), 0};
            VARIANT result;
            ::VariantInit(&result);
            external.Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
            if (results && result.vt == VT_I4) results->push_back(result.lVal);
            for (VARIANT& v : args) ::VariantClear(&v);
        }
    });
    const INT_PTR answer = popup.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    return answer;
}

TEST(AttendeeAddPopup, TheChosenPersonIsAddedOnceAndThePopupEnds)
{
    doctest::KoreanResources resources;
    ASSERT_TRUE(resources.Loaded());
    StandInAttendeePage page;
    std::vector<int> results;
    CString url;
    EXPECT_EQ(RunAttendeePage(page, {{L"checkOtherTargetVal", L"", L"77abc"}, {L"checkOtherTargetVal", L"", L"5"},
                                     {L"setUserInfo", L"", L"1042", L""}},
                              &results, &url),
              IDCANCEL);
    EXPECT_EQ(results, std::vector<int>({2, 0}));
    EXPECT_EQ(page.added, std::vector<CString>({L"M2027-07/1042"}));
    EXPECT_GE(url.Find(L"/brindlecast/org.do?method=getOrganization&loginUserIdnfr="), 0);
    EXPECT_EQ(url.Right(14), CString(L"&userType=ncry"));
    // Closing from the page adds nobody.
    StandInAttendeePage other;
    EXPECT_EQ(RunAttendeePage(other, {{L"closeDlg"}}), IDCANCEL);
    EXPECT_TRUE(other.added.empty());
}

TEST(AttendeeAddPopup, OrganisationPageAddressFollowsTheSettings)
{
    EXPECT_EQ(MakeOrganisationPageUrl(TRUE, L"tms.example", 8443, 1042),
              CString(L"https://tms.example:8443/brindlecast/org.do?method=getOrganization&loginUserIdnfr=1042"
                      L"&userType=ncry"));
    EXPECT_EQ(MakeOrganisationPageUrl(FALSE, L"10.0.0.5", 16304, 7).Left(24), CString(L"http://10.0.0.5:16304/br"));
}

}  // namespace
