#pragma once
// Helpers of the document viewer's window tests: the local test servers (page images over HTTP,
// the control port for one-shot rules and the request log), a stand-in for the meeting screen and
// its whiteboard, replies as the application server sends them, and window pictures.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <memory>
#include <string>
#include <vector>

#include "features/documents/DocViewerHost.h"
#include "net/protocol/TasResponse.h"
#include "tests/support/TestSupport.h"

class CWnd;

namespace doctest {

class Servers {
public:
    bool Start();
    void Stop();
    int HttpPort() const { return m_http; }
    // The answer; a failed command is reported on stderr and gives no "ok".
    Json::Value Control(const Json::Value& command);
    Json::Value Command(const char* cmd);
    // A one-shot rule for the next GET of the path: status, delay (seconds).
    void HttpRule(const std::string& path, int status, double delay = 0, int count = 1);
    // The page numbers the web server was asked for, in order, for one document ("D1022");
    // a negative number for an answer other than 200.
    std::vector<int> PageRequests(const std::string& doc);
    std::string PrefixUrl(const std::string& doc) const;
    // Pumps until the web server has received a request for the path whose answer a rule holds
    // back.
    bool WaitReceived(const std::string& path, DWORD ms = 30000);

private:
    zeltest::PythonFixture m_fixture;
    SOCKET m_control = INVALID_SOCKET;
    int m_http = 0;
};

// The meeting screen as the viewer sees it: answers what a test sets and records what it is asked.
class StandInHost : public IDocViewerHost {
public:
    void RequestViewerPages(const CString& strMtngId, const CString& strAttcFileId) override
    {
        requests.push_back(zeltest::Narrow((LPCTSTR)strAttcFileId));
    }
    BOOL IsBoardOnWhiteboardDocument() override { return boardOnWhiteboard; }
    BOOL IsPageSyncOn() override { return pageSync; }
    BOOL GetBoardDocument(S_DOCVIEWER_DOCUMENT* pDocument) override
    {
        if (board.strAttcFileId.IsEmpty()) return FALSE;
        *pDocument = board;
        return TRUE;
    }
    int GetBoardPage() override { return boardPage; }
    void MoveBoardPage(int nPage) override { boardPage = nPage; }
    void SetBoardBookmarkPage(const CString& strAttcFileId, int nPage) override
    {
        bookmarks.push_back(zeltest::Narrow((LPCTSTR)strAttcFileId) + "@" + std::to_string(nPage));
    }
    void OpenOnBoard(const CString& strAttcFileId) override { openedOnBoard.push_back(zeltest::Narrow((LPCTSTR)strAttcFileId)); }

    BOOL boardOnWhiteboard = FALSE;
    BOOL pageSync = FALSE;
    S_DOCVIEWER_DOCUMENT board;
    int boardPage = 1;
    std::vector<std::string> requests, bookmarks, openedOnBoard;
};

S_DOCVIEWER_DOCUMENT Document(const wchar_t* mtngId, const wchar_t* attcFileId, const wchar_t* name);
// The application server's answer to the viewer's page request.
std::unique_ptr<CTasResponse> PageReply(const std::string& mtngId, const std::string& attcFileId, int total,
                                        const std::string& prefix, bool encrypted = false,
                                        const std::string& key = "");

// The page prefix as the server encrypts it: AES-256-CBC, zero IV, PKCS#5 padding, under the key's
// bytes filled up with zeros, as Base64 text.
std::string EncryptAes256Base64(const std::string& text, const std::string& key);

// Loads the Korean resource library as the resource handle while it lives.
class KoreanResources {
public:
    KoreanResources();
    ~KoreanResources();
    bool Loaded() const { return m_module != nullptr; }
private:
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

// The shipped skin with its Korean face kept (a face the test prefix maps onto an installed font).
bool LoadShippedSkinKorean();
// Paints the window's client area as it shows now and saves it under the build folder's
// "screenshots" as name.png.
bool SaveWindowPicture(CWnd* pWnd, const std::wstring& name);
// The colour of a pixel of a GDI+ image (0xAARRGGBB).
DWORD ImagePixel(void* pGdiplusImage, int x, int y);

}  // namespace doctest
