#include "tools/closer/CloserCommand.h"
#include "tools/closer/CloserRun.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CloserCommand, ClassifiesTheCommandLine)
{
    struct SCase {
        const wchar_t* cmd;
        ECloserAction action;
    } cases[] = {
        {L"", CLOSER_ACTION_CLOSE_ONLY},
        {L"restart", CLOSER_ACTION_RESTART},
        {L"RESTART", CLOSER_ACTION_RESTART},
        {L"ReStArT", CLOSER_ACTION_RESTART},
        {L"restart now", CLOSER_ACTION_CLOSE_ONLY},
        {L" restart", CLOSER_ACTION_CLOSE_ONLY},
        {L"\"restart\"", CLOSER_ACTION_CLOSE_ONLY},
        {L"uninstall", CLOSER_ACTION_UNINSTALL},
        {L"UNINSTALL", CLOSER_ACTION_UNINSTALL},
        {L"uninstall all", CLOSER_ACTION_CLOSE_ONLY},
        {L"START_ZAD_Parlewyn_SSO", CLOSER_ACTION_SSO},
        {L"id=7 START_ZAD_Parlewyn_SSO token=\"a b\"", CLOSER_ACTION_SSO},
        {L"xSTART_ZAD_Parlewyn_SSOy", CLOSER_ACTION_SSO},
        {L"restart START_ZAD_Parlewyn_SSO", CLOSER_ACTION_SSO},
        {L"start_zad_parlewyn_sso", CLOSER_ACTION_CLOSE_ONLY},
        {L"START_ZAD_PARLEWYN_SSO", CLOSER_ACTION_CLOSE_ONLY},
        {L"show", CLOSER_ACTION_CLOSE_ONLY},
    };
    for (const SCase& c : cases) EXPECT_EQ(ClassifyCommandLine(c.cmd), c.action) << c.cmd;
}

// Records every outside effect of a run as one line.
class CRecordingActions : public ICloserActions {
public:
    void Broadcast() override { m_calls.push_back(L"broadcast"); }
    int CloseRunningProgram(LPCTSTR exe, LPCTSTR cls) override
    {
        m_calls.push_back(CString(L"close ") + exe + L" " + cls);
        return 1;
    }
    void Sleep(DWORD ms) override
    {
        CString s;
        s.Format(L"sleep %lu", ms);
        m_calls.push_back(s);
    }
    BOOL ShellStart(const CString& exe, const CString& params) override
    {
        m_calls.push_back(L"shell " + exe + L"|" + params);
        return TRUE;
    }
    BOOL StartAndWait(const CString& exe, DWORD ms) override
    {
        CString s;
        s.Format(L"start %s wait %lu", exe.GetString(), ms);
        m_calls.push_back(s);
        return TRUE;
    }
    void RunUninstall() override { m_calls.push_back(L"uninstall"); }

    std::vector<CString> m_calls;
};

TEST(CloserRun, ClosesBothProgramsThenDoesWhatTheCommandLineSays)
{
    const CString kClose[] = {L"broadcast", L"close ZEL.exe ZEL_Talvora_Class", L"close ZELLog.exe Talvora_Log_Class"};
    const wchar_t* kSso = L"  /id:\"Kim Lee\" START_ZAD_Parlewyn_SSO Token=AbC ";
    struct SCase {
        const wchar_t* cmd;
        ECloserAction action;
        std::vector<CString> after;
    } cases[] = {
        {L"", CLOSER_ACTION_CLOSE_ONLY, {}},
        {L"restart now", CLOSER_ACTION_CLOSE_ONLY, {}},
        {L"RESTART", CLOSER_ACTION_RESTART, {L"sleep 1000", L"start C:\\Prog Files\\ZEL\\ZEL.exe wait 3000"}},
        {L"Uninstall", CLOSER_ACTION_UNINSTALL, {L"uninstall"}},
        {kSso, CLOSER_ACTION_SSO, {CString(L"shell C:\\Prog Files\\ZEL\\ZEL.exe|") + kSso}},
    };
    for (const SCase& c : cases) {
        CRecordingActions actions;
        CCloserRun run(actions, L"C:\\Prog Files\\ZEL\\");
        EXPECT_EQ(run.Run(c.cmd), c.action) << c.cmd;
        std::vector<CString> expected(std::begin(kClose), std::end(kClose));
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(actions.m_calls, expected) << c.cmd;
    }
}

TEST(CloserRun, ProgramFolderEndsWithABackslash)
{
    CString strFolder = CCloserRun::GetProgramFolder();
    ASSERT_FALSE(strFolder.IsEmpty());
    EXPECT_EQ(strFolder.Right(1), L"\\");
    EXPECT_NE(GetFileAttributesW(strFolder + L"closer_tests.exe"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
