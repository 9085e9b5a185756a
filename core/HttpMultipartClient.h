#pragma once
// One HTML-form upload (text fields and a file) as an HTTP POST with a multipart/form-data body,
// over WinINet, with or without TLS. Every operation returns a Win32 error code, 0 on success.
#include <windows.h>
#include <wininet.h>

class CHttpMultipartClient {
public:
    // Largest file a form may carry; the whole body is built in memory.
    static const DWORD MAX_FILE_SIZE = 20971520;
    // Largest reply that Post reads.
    static const DWORD MAX_REPLY_SIZE = 1048576;

    CHttpMultipartClient();
    ~CHttpMultipartClient();
    CHttpMultipartClient(const CHttpMultipartClient&) = delete;
    CHttpMultipartClient& operator=(const CHttpMultipartClient&) = delete;

    void SetCodePage(UINT uCodePage) { m_uCodePage = uCodePage; }
    DWORD Open(LPCWSTR pszAgent, LPCWSTR pszHost, INTERNET_PORT nPort);
    void Close();
    DWORD AddField(LPCWSTR pszName, LPCWSTR pszValue);
    DWORD AddFile(LPCWSTR pszFieldName, LPCWSTR pszFileName, LPCWSTR pszFullPath);
    // Sends the form. Each out-argument may be null. The reply buffers are the caller's, freed
    // with FreeBuffer. The status is only reported: any status is a successful Post.
    DWORD Post(LPCWSTR pszObject, BYTE** ppRawReply, DWORD* pcbRawReply, LPWSTR* ppszReplyText,
               DWORD* pdwStatusCode, BOOL bTls);
    static void FreeBuffer(void* pBuffer);

    int GetPartCount() const { return m_nParts; }

private:
    struct FormPart {
        int nKind;            // 0 text field, 1 file
        char* pszName;        // field name (code page of the client, or UTF-8 for a file)
        char* pszValue;       // field value, or the file name in UTF-8
        wchar_t* pszPath;     // the file's full path
        DWORD dwFileSize;     // taken when the file part is added
    };

    FormPart* NewPart();
    void FreeParts();
    size_t ComputeBodyLength() const;
    DWORD WriteBody(char* pBody, size_t cbBody, size_t* pcbWritten) const;
    DWORD SendBody(HINTERNET hRequest, const char* pBody, DWORD cbBody);
    DWORD ReadReply(HINTERNET hRequest, BYTE** ppRawReply, DWORD* pcbRawReply,
                    LPWSTR* ppszReplyText);

    HINTERNET m_hSession;
    HINTERNET m_hConnection;
    CRITICAL_SECTION m_csParts;
    FormPart* m_pParts;
    int m_nCapacity;
    int m_nParts;
    UINT m_uCodePage;
};
