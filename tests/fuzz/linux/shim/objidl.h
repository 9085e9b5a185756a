#pragma once
// The memory stream a whiteboard page keeps its image in. There is no stream here: creating one
// fails, as it would when memory runs out, and a page then simply has no image.
#include "Win32Shim.h"

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    long long QuadPart;
};
union ULARGE_INTEGER {
    unsigned long long QuadPart;
};
struct STATSTG {
    ULARGE_INTEGER cbSize;
};
enum { STATFLAG_NONAME = 1 };
enum STREAM_SEEK { STREAM_SEEK_SET = 0, STREAM_SEEK_CUR = 1, STREAM_SEEK_END = 2 };

struct IStream {
    virtual ULONG Release() = 0;
    virtual HRESULT Write(const void* bytes, ULONG count, ULONG* written) = 0;
    virtual HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) = 0;
    virtual HRESULT Stat(struct STATSTG* stat, DWORD flags) = 0;

protected:
    ~IStream() = default;
};

typedef void* HGLOBAL;
HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream);
HRESULT GetHGlobalFromStream(IStream* stream, HGLOBAL* memory);
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
