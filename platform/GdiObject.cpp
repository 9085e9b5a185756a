#include "platform/GdiObject.h"

#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/Font.h"
#include "platform/Pen.h"
#include "platform/Rgn.h"
#include "platform/UiState.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (!hObject) return nullptr;
    return zel::ThreadState().tempGdiObjects.FindOrAdd(hObject, [hObject] {
        CGdiObject* object = nullptr;
        switch (::GetObjectType(hObject)) {
        case OBJ_PEN:
        case OBJ_EXTPEN: object = new CPen; break;
        case OBJ_BRUSH: object = new CBrush; break;
        case OBJ_FONT: object = new CFont; break;
        case OBJ_BITMAP: object = new CBitmap; break;
        case OBJ_REGION: object = new CRgn; break;
        default: object = new CGdiObject; break;
        }
        object->m_hObject = hObject;
        return object;
    });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject) return FALSE;
    // Creating into an object that already holds a handle replaces (and frees) the old one.
    DeleteObject();
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject) return FALSE;
    BOOL deleted = ::DeleteObject(Detach());
    return deleted;
}
