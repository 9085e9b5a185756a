#pragma once
// CSkinManager: the skin file read once at start-up into master screens that windows copy by
// name, with the DPI ratio every skinned window scales by. There is one, g_SkinManager.
#include "platform/CString.h"
#include "platform/Geometry.h"
#include "ui/skin/DataScreenList.h"
#include "ui/skin/SkinFont.h"

namespace tinyxml2 {
class XMLElement;
class XMLNode;
}

class CSkinManager {
public:
    SKIN_OBJECT* m_pCommon = nullptr;   // the skin-wide custom list and language list
    float m_fRatio = 1.0f;
    CString m_strSkinPath;
    CDataScreenList m_screens;
    SKIN_FONT m_defaultFont;
    CString m_strFace;                  // replaces "맑은 고딕" in the faces read

    CSkinManager() = default;
    CSkinManager(const CSkinManager&) = delete;
    CSkinManager& operator=(const CSkinManager&) = delete;
    ~CSkinManager();

    // Reads the file of that name in the program folder. FALSE (after a message) when the file
    // cannot be read as XML or has no TSKIN element; a file without SCREENLIST loads no
    // screens. A second load adds its screens after those held.
    BOOL LoadSkin(const CString& strFileName, float fRatio, const CString& strFace);
    BOOL LoadSkinFile(const CString& strPath);
    BOOL SetDefaultFont(const SKIN_FONT& font);
    // The master object (not a copy) of the first screen of that name; null when either is
    // missing.
    SKIN_OBJECT* FindObject(const CString& strScreen, const CString& strObject) const;
    // Frees every image the master records loaded (drop-downs opened on master objects load
    // theirs), so that none outlives the image library.
    void ReleaseImages();

    // The folder "$(TARGETDIR)\" stands for: the program's own unless a test set another.
    CString GetProgramFolder() const;
    void SetProgramFolder(const CString& strFolder) { m_strProgramFolder = strFolder; }

    // Value rules of the file.
    static CString GetAttribute(const tinyxml2::XMLElement* pElement, const char* pszName);
    static int ParseObjectType(const CString& strText);
    CRect ParseRect(const CString& strText) const;
    int ParseScaledInt(const CString& strText) const;
    CString ResolvePath(const CString& strText) const;
    static CString IntToText(int n);
    static CString RectToText(const RECT& rc);

private:
    void ParseScreenList(const tinyxml2::XMLNode* pDocument);
    void ParseScreenObjects(const tinyxml2::XMLElement* pScreen, SKIN_SCREEN& screen);
    void ParseObject(const tinyxml2::XMLElement* pElement, SKIN_OBJECT& dest);
    void ParseObjectPart(const tinyxml2::XMLElement* pElement, SKIN_OBJECT& obj);
    void ParseFont(const tinyxml2::XMLElement* pElement, SKIN_FONT& dest, const CString& strSlot);
    void ParseCustomList(const tinyxml2::XMLElement* pElement, CDataCustomList& list, const char* pszName);
    void ParseFileList(const tinyxml2::XMLElement* pElement, CDataFileList& list, const char* pszName);

    CString m_strProgramFolder;
};

extern CSkinManager g_SkinManager;
