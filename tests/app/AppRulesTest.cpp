// The application shell's rules that need no window: language choices, screen ratio, password
// rules, server address and port checks, touch values and the browser start parameters.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/AppLanguage.h"
#include "app/PasswordRules.h"
#include "app/ServerAddressRules.h"
#include "app/SettingPages.h"
#include "app/ZELApp.h"

namespace {

TEST(AppLanguage, LibraryAndFontByTheFullLanguageId)
{
    struct Case {
        LANGID id;
        const wchar_t* library;
        const wchar_t* face;
        int size, large, display;
    } cases[] = {
        {1033, L"Res_Eng.dll", L"맑은 고딕", 10, 17, 30}, {1041, L"Res_Jpn.dll", L"Meiryo", 9, 14, 30},
        {1042, L"Res_Kor.dll", L"나눔고딕", 10, 17, 30},  {2057, L"Res_Eng.dll", L"맑은 고딕", 10, 17, 30},
        {0x0412, L"Res_Kor.dll", L"나눔고딕", 10, 17, 30}, {1031, L"Res_Eng.dll", L"맑은 고딕", 10, 17, 30},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(ResourceLibraryForLanguage(c.id), c.library) << c.id;
        const APP_FONT_CHOICE f = FontForLanguage(c.id);
        EXPECT_STREQ(f.pszFace, c.face) << c.id;
        EXPECT_EQ(f.nDefaultSize, c.size) << c.id;
        EXPECT_EQ(f.nLargeSize, c.large) << c.id;
        EXPECT_EQ(f.nDisplaySize, c.display) << c.id;
    }
}

TEST(AppLanguage, TheApplicationObjectAnswersFontsByItsLanguage)
{
    CZELApp app;
    app.SetLanguageIdForTest(1041);
    EXPECT_EQ(app.GetDefaultFontName(), CString(L"Meiryo"));
    EXPECT_EQ(app.GetDefaultFontSize(), 9);
    app.SetLanguageIdForTest(2057);
    EXPECT_EQ(app.GetDefaultFontName(), CString(L"맑은 고딕"));
    EXPECT_EQ(app.GetDisplayFontSize(), 30);
}

TEST(AppLanguage, DpiRatioTruncatesToHundredths)
{
    const struct {
        int dpi;
        float ratio;
    } cases[] = {{96, 1.0f}, {120, 1.25f}, {144, 1.5f}, {100, 1.04f}, {192, 2.0f}, {97, 1.01f}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(DpiRatioFromLogPixels(c.dpi), c.ratio) << c.dpi;
}

TEST(PasswordRules, FirstBrokenRuleInOrder)
{
    const CString good = L"abcd123!";
    const struct {
        const wchar_t *oldPw, *newPw, *confirm;
        PASSWORD_RULE rule;
    } cases[] = {
        {L"", L"", L"", PASSWORD_MISSING},
        {L"old", L"abcd123!", L"", PASSWORD_MISSING},
        {L"same1!aa", L"same1!aa", L"other", PASSWORD_SAME_AS_OLD},   // rule 2 before rule 3
        {L"old", L"abcd123!", L"abcd123?", PASSWORD_CONFIRM_DIFFERS},
        {L"old", L"ABCD123!", L"abcd123!", PASSWORD_CONFIRM_DIFFERS},  // case-sensitive
        {L"old", L"abc123!", L"abc123!", PASSWORD_TOO_SHORT},          // 7
        {L"old", L"abcd123!", L"abcd123!", PASSWORD_OK},               // 8
        {L"old", L"abcdefgh", L"abcdefgh", PASSWORD_COMPOSITION},      // letters only
        {L"old", L"abcd1234", L"abcd1234", PASSWORD_COMPOSITION},      // no symbol
        {L"old", L"abc 123!", L"abc 123!", PASSWORD_COMPOSITION},      // a blank
        {L"old", L"abc-123!", L"abc-123!", PASSWORD_COMPOSITION},      // '-' is not one of the ten
        {L"old", L"abc한123!", L"abc한123!", PASSWORD_COMPOSITION},    // outside the set
        {L"old", L"abcd_123", L"abcd_123", PASSWORD_OK},
        {L"old", L"Z9^zzzzz", L"Z9^zzzzz", PASSWORD_OK},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckPasswordChange(c.oldPw, c.newPw, c.confirm), c.rule) << CStringA(c.newPw).GetString();

    CString fifty = L"a1!";
    while (fifty.GetLength() < 50) fifty += L"x";
    EXPECT_EQ(CheckPasswordChange(L"old", fifty, fifty), PASSWORD_OK);
    const CString fiftyOne = fifty + L"x";
    EXPECT_EQ(CheckPasswordChange(L"old", fiftyOne, fiftyOne), PASSWORD_TOO_LONG);
    (void)good;
}

TEST(PasswordRules, CompositionMessageNamesSymbols)
{
    EXPECT_EQ(PasswordRuleMessage(PASSWORD_COMPOSITION),
              CString(L"숫자, 영문, 기호가 조합된 8자리 이상으로 변경해주시기 바랍니다."));
    EXPECT_EQ(PasswordRuleMessage(PASSWORD_MISSING), CString(L"누락된 항목이 있습니다. 모든 항목을 입력해주십시요."));
    EXPECT_TRUE(PasswordRuleMessage(PASSWORD_OK).IsEmpty());
}

TEST(ServerAddressRules, DottedAddresses)
{
    const struct {
        const wchar_t* text;
        BOOL valid;
    } cases[] = {
        {L"10.0.0.1", TRUE},       {L"192.168.001.010", TRUE}, {L"1.01.1.1", TRUE},  {L"255.255.255.255", TRUE},
        {L"0.1.2.3", FALSE},       {L"010.1.1.1", FALSE},      {L"1.2.3.4.5", FALSE}, {L"1.2.3", FALSE},
        {L"256.1.1.1", FALSE},     {L"10.20.30.", FALSE},      {L".10.20.30", FALSE}, {L"1..2.3", FALSE},
        {L"1.2.3.1000", FALSE},    {L"1.2.3.4444", FALSE},     {L"1.2.3.4 ", FALSE},  {L"", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidIPv4(c.text), c.valid) << CStringA(c.text).GetString();
    EXPECT_TRUE(IsDottedText(L"10.20.30."));
    EXPECT_FALSE(IsDottedText(L"server.local"));
}

CString Resolver(const CString& host)
{
    return host == L"tas.example" ? CString(L"10.1.2.3") : CString(L"0.0.0.0");
}

TEST(ServerAddressRules, HostNamesMustResolveAndDottedTextMustBeIPv4)
{
    EXPECT_TRUE(IsValidAddress(L"tas.example", Resolver));
    EXPECT_FALSE(IsValidAddress(L"nowhere.example", Resolver));
    EXPECT_TRUE(IsValidAddress(L"10.0.0.1", Resolver));
    EXPECT_FALSE(IsValidAddress(L"10.0.0.", Resolver));   // digits and dots: never a host name
}

TEST(ServerAddressRules, PortsAreDigitsFromOneTo65535)
{
    const struct {
        const wchar_t* text;
        BOOL valid;
    } cases[] = {
        {L"1", TRUE},      {L"16302", TRUE},  {L"65535", TRUE},      {L"65536", FALSE},
        {L"0", FALSE},     {L"", FALSE},      {L"abc", FALSE},       {L"12ab", FALSE},
        {L"-1", FALSE},    {L" 80", FALSE},   {L"+80", FALSE},       {L"4294967377", FALSE},   // would wrap to 81
        {L"00080", TRUE},  {L"000000", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidPort(c.text), c.valid) << CStringA(c.text).GetString();
}

TEST(SettingTouchValue, OnlyWholePositiveNumbersAreValues)
{
    const struct {
        const wchar_t* text;
        BOOL ok;
        int value;
    } cases[] = {{L"7", TRUE, 7}, {L"12", TRUE, 12}, {L"9999", TRUE, 9999}, {L"", FALSE, 0},
                 {L"0", FALSE, 0}, {L"1a", FALSE, 0}, {L"-3", FALSE, 0},    {L"10000", FALSE, 0}};
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(ParseTouchValue(c.text, value), c.ok) << CStringA(c.text).GetString();
        if (c.ok)
            EXPECT_EQ(value, c.value);
        else
            EXPECT_EQ(value, -1) << "a refused text leaves the value alone";
    }
}

TEST(BrowserAppParameters, AddressCannotLeaveItsQuotesOrItsScriptString)
{
    const CString plain = MakeBrowserAppParameters(L"https://meet.example/room?id=7&x=1", 390, 205);
    EXPECT_EQ(plain, CString(L"--app=\"data:text/html,<html><body><script>window.resizeTo(1140,640);window.moveTo(390,205);"
                             L"window.location='https://meet.example/room?id=7&x=1';</script></body></html>\""));
    const CString hostile = MakeBrowserAppParameters(L"https://x/'+alert(1)+'\" --flag\\", 0, 0);
    EXPECT_NE(hostile.Find(L"%27+alert(1)+%27%22 --flag%5C"), -1) << CStringA(hostile).GetString();
    EXPECT_EQ(hostile.Find(L"'+alert"), -1);
}

}  // namespace

#include "app/DataBoxUrl.h"

namespace {

TEST(DataBoxUrl, QueryValuesArePercentEncoded)
{
    // "kim?" in Base64 is "a2ltPw==": the "=" must reach the server as itself.
    EXPECT_EQ(MakeDataBoxUrl(FALSE, L"10.0.0.5", 16304, L"M2024-001", L"kim?"),
              CString(L"http://10.0.0.5:16304/brindlecast/sso/ssoPage.jsp?actionFlag=databoxmain"
                      L"&mtngId=M2024-001&sawonNo=a2ltPw%3D%3D"));
    const CString hostile = MakeDataBoxUrl(TRUE, L"tms.example", 443, L"7&sawonNo=admin#x", L"?>?");
    EXPECT_EQ(hostile.Find(L"https://tms.example:443/"), 0);
    EXPECT_NE(hostile.Find(L"mtngId=7%26sawonNo%3Dadmin%23x&sawonNo=Pz4%2F"), -1) << CStringA(hostile).GetString();
    const CString plus = MakeDataBoxUrl(FALSE, L"h", 1, L"m", L">>>");
    EXPECT_EQ(plus.Right(15), CString(L"&sawonNo=Pj4%2B")) << "a Base64 '+' would read as a blank";
    EXPECT_EQ(PercentEncodeQueryValue(L"회의"), CString(L"%ED%9A%8C%EC%9D%98"));
    EXPECT_EQ(PercentEncodeQueryValue(L"a-b_c.d~e"), CString(L"a-b_c.d~e"));
    EXPECT_TRUE(MakeDataBoxUrl(FALSE, L"h", 1, L"", L"").Find(L"&mtngId=&sawonNo=") > 0) << "empty parts still build";
}

}  // namespace

#include <algorithm>
#include <string>
#include <vector>

#include "app/TitleLayerRules.h"

TEST(TitleLayerRules, BorderZonesInTheirOrder)
{
    const CRect rc(0, 0, 1000, 80);
    const struct {
        int x, y;
        LRESULT layer, dialog;
    } cases[] = {
        {2, 2, HTTOPLEFT, HTLEFT},       {998, 2, HTTOPRIGHT, HTRIGHT}, {2, 40, HTLEFT, HTLEFT},
        {998, 40, HTRIGHT, HTRIGHT},     {500, 3, HTTOP, HTTOP},        {500, 78, HTNOWHERE, HTBOTTOM},
        {2, 78, HTLEFT, HTBOTTOMLEFT},   {998, 78, HTRIGHT, HTBOTTOMRIGHT}, {500, 40, HTNOWHERE, HTNOWHERE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TitleBorderHitTest(CPoint(c.x, c.y), rc), c.layer) << c.x << "," << c.y;
        EXPECT_EQ(TitleDlgBorderHitTest(CPoint(c.x, c.y), rc), c.dialog) << c.x << "," << c.y;
    }
    EXPECT_EQ(TitleBorderCursor(HTTOPLEFT), IDC_SIZENWSE);
    EXPECT_EQ(TitleDlgBorderCursor(HTBOTTOMLEFT), IDC_SIZENESW);
    EXPECT_EQ(TitleBorderCursor(HTNOWHERE), nullptr);
}

namespace {
struct FakeRemainView : IRemainTimeView {
    std::vector<std::wstring> log;
    void SetRemainText(const CString& s) override { log.push_back(L"text " + std::wstring(s.GetString())); }
    void ShowRemainLabel(BOOL b) override { log.push_back(b ? L"show" : L"hide"); }
    void StartTimer(UINT_PTR n, UINT) override { log.push_back(L"start " + std::to_wstring(n)); }
    void StopTimer(UINT_PTR n) override { log.push_back(L"stop " + std::to_wstring(n)); }
    void ShowCloseAlarm(int m) override { log.push_back(L"alarm " + std::to_wstring(m)); }
    void Repaint() override {}
};
}  // namespace

TEST(TitleLayerRules, MinuteCheckOverAnHourStopsTheBlinkingAndAnAlarmOfZeroIsOff)
{
    FakeRemainView view;
    CRemainTimeClock clock(view);
    clock.Set(L"3", FALSE, 0);
    EXPECT_TRUE(clock.IsBlinking());
    clock.Set(L"65", FALSE, 0);
    clock.Check(FALSE, 0);
    EXPECT_FALSE(clock.IsBlinking());
    EXPECT_EQ(view.log.back(), L"text 01:05");
    for (const auto& line : view.log)
        EXPECT_EQ(line.find(L"alarm"), std::wstring::npos);
    // The alarm minute of the check shows the alarm once and leaves the label as it is.
    view.log.clear();
    clock.Set(L"20", FALSE, 30);
    clock.Set(L"30", FALSE, 30);
    clock.Check(FALSE, 30);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), L"alarm 30"), 1);
    EXPECT_EQ(FormatElapsedSeconds(3725), L"01 : 02 : 05");
    EXPECT_EQ(TitleMenuCommand(5), 32779u);
    EXPECT_EQ(TitleMenuCommand(0), 0u);
}
