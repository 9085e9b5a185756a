#pragma once
// One run of ZELClose: the broadcast, closing ZEL and ZELLog, then what the command line asks for.
#include "tools/closer/CloserActions.h"
#include "tools/closer/CloserCommand.h"

class CCloserRun {
public:
    // strProgramFolder: ZELClose's own folder, ending in "\"; ZEL is started from there.
    CCloserRun(ICloserActions& actions, const CString& strProgramFolder)
        : m_actions(actions), m_strProgramFolder(strProgramFolder) {}

    ECloserAction Run(const CString& strCmdLine);

    // The folder of the running executable, up to and including the last "\".
    static CString GetProgramFolder();

private:
    ICloserActions& m_actions;
    CString m_strProgramFolder;
};
