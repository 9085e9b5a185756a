#pragma once
// CGdiObject: owns a GDI handle and deletes it with the object. FromHandle wraps a handle the
// caller does not own (a previous selection, a stock object) in a temporary object of the
// matching class (CPen, CBrush, CFont, CBitmap, CRgn) that never deletes the handle.
#include "platform/MessageMap.h"
#include "platform/Object.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    // Also answers (null) through a null pointer.
    HGDIOBJ GetSafeHandle() const { const CGdiObject* p = ::zel::Opaque(this); return p ? p->m_hObject : nullptr; }
    static CGdiObject* FromHandle(HGDIOBJ hObject);

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
    BOOL CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
};
