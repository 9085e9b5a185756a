#pragma once
// Small services of the main dialog that need no window of their own: texts and paths it builds
// for the screens, the video-meeting browser start with its running marker, the full-view
// rectangle and the frame strips. The main dialog passes in what it reads from the system.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>

#include "platform/Array.h"
#include "platform/CString.h"
#include "platform/DC.h"
#include "platform/Geometry.h"

namespace MainDialogServices {

// UTF-8 of a wide text: 1 byte below 0x80, 2 below 0x800, 3 below 0x10000, 4 for a surrogate
// pair (up to 0x10FFFF); a lone surrogate becomes "?".
std::string EncodeUtf8(const CString& strText);
// Standard Base64 (RFC 4648, "=" padding) of the text's UTF-8.
CString Base64Utf8(const CString& strText);
// The Base64 text made safe inside a URL query: "+", "/" and "=" percent-encoded, so that a
// standard query decoder gives the same Base64 back.
CString UrlQueryBase64(const CString& strText);
// The browser's command line for the video meeting: the quoted program path first (the usual
// argument parsing takes the first word as the program), then the options and the page.
CString VideoCommandLine(const CString& strProgramPath, const CString& strUrl);

// "name dept\nyyyymmdd address": the first address that is not "0.0.0.0", "0.0.0.0" when every
// one is, empty when there is none; bListed FALSE (the adapters could not be read) takes the
// fallback address.
CString WatermarkText(const CString& strUserName, const CString& strDeptName, const SYSTEMTIME& stNow,
                      BOOL bListed, const CStringArray& addresses, const CString& strFallbackAddress);
// Each adapter's first IPv4 address. FALSE only when no buffer could be had.
BOOL GetAdapterAddresses(CStringArray& addresses);
// The application-data folder (with its backslash) + the numeric user id + "\signdata".
CString SignDataPath(const CString& strAppDataFolder, int nUserIdNumber);
// The meeting-start sound beside the program (the file name is the installed one).
CString MeetingStartSoundPath(const CString& strModulePath);

// The work area grown over the taskbar on the first side that applies, when the desktop holds
// both their top-left corners.
CRect GrowOverTaskbar(const CRect& rcWork, const CRect& rcDesktop, const CRect& rcTaskbar);
// Four strips of thickness t inside the rectangle.
void DrawFrame(CDC* pDC, int l, int t, int r, int b, int nThickness, COLORREF clr);

// The video meeting runs in an outside browser whose page is titled "OPAL VIEW". A marker in the
// settings ("VIDEO" "id") stays positive while one is considered running, so a second start
// shows a message instead of a second browser.
class CVideoLauncher {
public:
    struct Seams {
        // The thread of the top-level window with that title, 0 when there is none; its handle
        // in *phWnd.
        std::function<DWORD(const wchar_t* pszTitle, HWND* phWnd)> findWindow;
        std::function<int()> readMarker;
        std::function<void(int)> writeMarker;
        // CreateProcessW; FALSE with the error in *pdwError.
        std::function<BOOL(const CString& strProgram, const CString& strCommandLine, PROCESS_INFORMATION* pInfo,
                           DWORD* pdwError)>
            createProcess;
        std::function<void(DWORD ms)> sleep;
        std::function<void(const CString& strText)> message;
        std::function<void(HANDLE h)> closeHandle;
    };
    explicit CVideoLauncher(Seams seams) : m_seams(std::move(seams)) {}
    ~CVideoLauncher();
    CVideoLauncher(const CVideoLauncher&) = delete;
    CVideoLauncher& operator=(const CVideoLauncher&) = delete;

    // Starts the browser unless a video meeting is running; always 0.
    int LaunchVideoProcess(const CString& strProgramPath, const CString& strCommandLine);

    HANDLE GetProcessHandle() const { return m_hProcess; }
    DWORD GetProcessId() const { return m_dwProcessId; }
    HWND GetVideoWindow() const { return m_hVideoWnd; }

private:
    Seams m_seams;
    HANDLE m_hProcess = nullptr;
    DWORD m_dwProcessId = 0;
    HWND m_hVideoWnd = nullptr;
};

}  // namespace MainDialogServices
