#pragma once
// Puts an image file (or any bytes) into an in-memory COM stream from which GDI+ images are made.
// GDI+ is started for the object's lifetime.
#include <windows.h>
#include <objidl.h>

class CImageStream {
public:
    CImageStream();
    ~CImageStream();
    CImageStream(const CImageStream&) = delete;
    CImageStream& operator=(const CImageStream&) = delete;

    // Each replaces the current stream; on failure the thread's last error says why.
    BOOL LoadFile(LPCWSTR pszPath);
    BOOL LoadFromStream(IStream* pSource);
    BOOL LoadFromMemory(const void* pData, DWORD cbData);
    // Drops this object's reference to the stream; images made from it keep theirs.
    int Release();

    IStream* GetStream() const { return m_pStream; }
    BOOL IsLoaded() const { return m_bLoaded; }

private:
    BOOL BeginLoad();
    BOOL EndLoad(BOOL bOk, DWORD dwError);

    IStream* m_pStream;
    BOOL m_bLoaded;
    ULONG_PTR m_gdiplusToken;
};
