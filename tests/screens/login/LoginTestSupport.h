#pragma once
// The login window against the local test servers: the servers, the language resources, the
// settings and the server client set up for each test, and the input a user would give.
#include <windows.h>

#include <functional>

#include "screens/login/LoginDlgLayer.h"
#include "tests/screens/login/LoginInput.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/support/MessageBoxRecorder.h"

namespace logintest {

class LoginWindowTest : public prototest::EndToEndTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs the login window modally; the script runs inside its loop once it is shown. A window
    // the script leaves open is closed afterwards.
    SLoginRunResult Run(const std::function<void(CLoginDlgLayer&)>& script);
    // Types ID and password into the boxes.
    static void TypeCredentials(CLoginDlgLayer& dlg, const wchar_t* id, const wchar_t* password);
    static HWND Item(CLoginDlgLayer& dlg, int id) { return ::GetDlgItem(dlg.GetSafeHwnd(), id); }
    // The one-shot rule of the application server for the next log-in request.
    static void LoginRule(const Json::Value& extra);
    static Json::Value LoginFrames() { return Frames("tas", "PP01", "M00000001"); }

    zeltest::MessageBoxRecorder m_boxes;
    int m_nSettingsCalls = 0;
    int m_nSettingsDefaultsEnabled = -1;
    INT_PTR m_nSettingsAnswer = IDOK;
    std::function<void()> m_onSettings;

private:
    static ResourceLibrary* s_pResources;
};

}  // namespace logintest
