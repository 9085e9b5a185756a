#include "app/ResourceText.h"

CString LoadResourceText(UINT nId)
{
    CString str;
    str.LoadString(nId);
    return str;
}
