#include "app/main/SocketErrorText.h"

#include "net/socket/ErrorHandler.h"
#include "resources/resource.h"

CString MainSocketErrorText(int nErrorCode)
{
    CString strText;
    if (nErrorCode == WSAETIMEDOUT || nErrorCode == WSAECONNREFUSED) {
        strText.LoadString(IDS_SOCKET_TIMEOUT);
    } else if (nErrorCode == 9999) {
        strText.LoadString(IDS_SOCKET_LOST);
    } else if (nErrorCode > 0) {
        const std::string strAnsi = CErrorHandler::ErrorCodeToString(nErrorCode);
        if (!strAnsi.empty()) {
            const int n = ::MultiByteToWideChar(CP_THREAD_ACP, 0, strAnsi.c_str(), (int)strAnsi.size(), nullptr, 0);
            std::wstring wide(n, L'\0');
            if (n > 0) ::MultiByteToWideChar(CP_THREAD_ACP, 0, strAnsi.c_str(), (int)strAnsi.size(), &wide[0], n);
            strText = wide.c_str();
        }
    }
    if (strText.IsEmpty()) strText.LoadString(IDS_SOCKET_OTHER);
    return strText;
}
