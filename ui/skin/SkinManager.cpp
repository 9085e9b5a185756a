#include "ui/skin/SkinManager.h"

#include <cstdio>
#include <new>

#include <tinyxml2.h>

#include "core/SystemHelpers.h"
#include "platform/MessageBox.h"
#include "ui/skin/SkinValues.h"
#include "ui/skin/SkinXml.h"

CSkinManager g_SkinManager;

float GetSkinRatio()
{
    return g_SkinManager.m_fRatio;
}

CSkinManager::~CSkinManager()
{
    delete m_pCommon;
    m_pCommon = nullptr;
}

namespace {

void ShowLoadMessage(LPCTSTR text)
{
    AfxMessageBox(text, MB_OK);
}

} // namespace

BOOL CSkinManager::LoadSkin(const CString& strFileName, float fRatio, const CString& strFace)
{
    m_strFace = strFace;
    m_fRatio = fRatio;
    return LoadSkinFile(GetProgramFolder() + strFileName);
}

BOOL CSkinManager::LoadSkinFile(const CString& strPath)
{
    m_strSkinPath = strPath;
    // Every failure to read the document, an allocation failure among them, is the one "could
    // not open" answer: nothing of a broken document is kept and nothing is thrown.
    try {
        tinyxml2::XMLDocument doc;
        FILE* file = _wfopen(strPath.GetString(), L"rb");
        if (!file) {
            ShowLoadMessage(L"Fail to project open");
            return FALSE;
        }
        const tinyxml2::XMLError err = doc.LoadFile(file);
        fclose(file);
        // A document without a root element is no XML document either.
        if (err != tinyxml2::XML_SUCCESS || !doc.RootElement()) {
            ShowLoadMessage(L"Fail to project open");
            return FALSE;
        }
        if (!SkinXml::FindFirstDescendant(&doc, "TSKIN")) {
            ShowLoadMessage(L"[TSKIN] Node not found");
            return FALSE;
        }
        // SCREENLIST is looked for from the document's root, even outside TSKIN.
        ParseScreenList(&doc);
        return TRUE;
    } catch (const std::bad_alloc&) {
        ShowLoadMessage(L"Fail to project open");
        return FALSE;
    }
}

BOOL CSkinManager::SetDefaultFont(const SKIN_FONT& font)
{
    m_defaultFont = font;
    return m_defaultFont.CreateFont();
}

SKIN_OBJECT* CSkinManager::FindObject(const CString& strScreen, const CString& strObject) const
{
    const SKIN_SCREEN* screen = m_screens.FindByName(strScreen);
    return screen ? screen->FindObject(strObject) : nullptr;
}

void CSkinManager::ReleaseImages()
{
    m_screens.ForEach([](SKIN_SCREEN& s) {
        s.m_image.Free();
        s.m_objects.ReleaseImages();
    });
    if (m_pCommon)
        m_pCommon->ReleaseImages();
    m_defaultFont.m_font.DeleteObject();
}

CString CSkinManager::GetProgramFolder() const
{
    return m_strProgramFolder.IsEmpty() ? GetModuleFolder() : m_strProgramFolder;
}

CString CSkinManager::GetAttribute(const tinyxml2::XMLElement* pElement, const char* pszName)
{
    const char* value = pElement ? pElement->Attribute(pszName) : nullptr;
    if (!value || !*value)
        return CString();
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, value, -1, nullptr, 0);
    CString text;
    if (n > 1) {
        wchar_t* buffer = text.GetBuffer(n);
        ::MultiByteToWideChar(CP_UTF8, 0, value, -1, buffer, n);
        text.ReleaseBuffer(n - 1);
    }
    return text;
}

int CSkinManager::ParseObjectType(const CString& strText)
{
    static const wchar_t* const kNames[] = {L"NULL", L"BUTTON", L"MAP", L"THUMBNAIL", L"ZOOM", L"TEXT",
                                            L"IMAGE", L"LIST", L"VIDEO", L"WEB", L"FLASH", L"DATE",
                                            L"TIME", L"KEYBOARD", L"TIMER", L"CUSTOM", L"EDIT", L"COMBO"};
    for (int i = 0; i < int(sizeof(kNames) / sizeof(kNames[0])); ++i) {
        if (strText.CompareNoCase(kNames[i]) == 0)
            return i;
    }
    return SkinTextToInt(strText);
}

CRect CSkinManager::ParseRect(const CString& strText) const
{
    return ParseSkinRect(strText, m_fRatio);
}

int CSkinManager::ParseScaledInt(const CString& strText) const
{
    return ScaleSkinValue(SkinTextToInt(strText), m_fRatio);
}

CString CSkinManager::ResolvePath(const CString& strText) const
{
    CString s = strText;
    s.Replace(L"$(TARGETDIR)\\", GetProgramFolder().GetString());
    return s;
}

CString CSkinManager::IntToText(int n)
{
    CString s;
    s.Format(L"%d", n);
    return s;
}

CString CSkinManager::RectToText(const RECT& rc)
{
    return RectToSkinText(rc);
}
