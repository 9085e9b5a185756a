#pragma once
// ZELClose's application object: one run (broadcast, close ZEL and ZELLog, then the command
// line's action) inside InitInstance, after which the program ends.
#include "platform/UI.h"

#include "tools/closer/CloserActions.h"

class CDunmorelApp : public CWinApp {
public:
    CDunmorelApp();

    BOOL InitInstance() override;

    UINT GetBroadcastMessage() const { return m_actions.GetBroadcastMessage(); }

private:
    // The real effects, with the uninstall dialog run as the application's main window.
    class CAppActions : public CCloserActions {
    public:
        explicit CAppActions(CDunmorelApp& app) : m_app(app) {}
        void RunUninstall() override;

    private:
        CDunmorelApp& m_app;
    };

    CAppActions m_actions;
    CString m_strCmdLine;   // the single-sign-on command line passed on to ZEL
};
