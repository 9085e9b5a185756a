#pragma once
// Removes what the installer put outside the program folder: the product's shortcuts, its folder in
// the Programs menu when nothing else is left in it, and its registry values. Each step reports a
// line; the program files and the installation folder stay.
#include "platform/Base.h"

#include <functional>

// Where the installation's traces are. The program uses the machine's; tests point it elsewhere.
struct SUninstallTarget {
    HKEY hRoot = HKEY_LOCAL_MACHINE;
    CString strKey;              // "Software\TALVORA\Brindlecast"
    CString strDesktopFolder;    // the common desktop
    CString strStartupFolder;    // the common Startup folder
    CString strProgramsFolder;   // the common Programs menu

    static SUninstallTarget ForThisMachine();
};

class CUninstallSteps {
public:
    // Asks the user; answers like MessageBox (IDYES to go on).
    typedef std::function<int(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)> Confirm;
    typedef std::function<void(const CString& strLine)> LineSink;

    CUninstallSteps(const SUninstallTarget& target, Confirm confirm, LineSink sink)
        : m_target(target), m_confirm(std::move(confirm)), m_sink(std::move(sink)) {}

    // 0 when nothing was removed (no installation recorded, or the user said no); 1 when the steps ran.
    int Run();

private:
    void DeleteLink(const CString& strFolder, LPCTSTR lpszName);
    void RemoveFolderWhenEmpty(const CString& strFolder);
    void DeleteValue(LPCTSTR lpszValue);
    void Add(const CString& strLine) { if (m_sink) m_sink(strLine); }

    SUninstallTarget m_target;
    Confirm m_confirm;
    LineSink m_sink;
};
