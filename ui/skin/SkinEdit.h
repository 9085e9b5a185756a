#pragma once
// SKIN_EDIT: the EDIT part of a skin object and its edit window. A copy takes the description,
// never the window.
#include "platform/CString.h"
#include "ui/controls/MySkinEdit.h"
#include "ui/skin/SkinFont.h"

struct SKIN_EDIT {
    SKIN_FONT m_font;        // "EDIT_"
    CString m_strHint;
    SKIN_FONT m_fontHint;    // "EDIT_HINT_"
    int m_nMaxLen = 0;
    int m_nAlwaysShow = 0;
    int m_nVScroll = 0;
    int m_nHScroll = 0;
    int m_nAutoVScroll = 0;
    int m_nAutoHScroll = 0;
    int m_nMultiLine = 0;
    int m_nNumber = 0;
    int m_nWantReturn = 0;
    int m_nPassword = 0;
    int m_nReadOnly = 0;
    CMySkinEdit m_edit;

    SKIN_EDIT() = default;
    SKIN_EDIT(const SKIN_EDIT& other) { *this = other; }
    SKIN_EDIT& operator=(const SKIN_EDIT& other);

    void SetText(const CString& strText);
    // Empty while the edit still shows its hint.
    CString GetText() const;
    void SetHint(const CString& strHint);
    void Activate();
};
