#include "ui/skin/SkinEdit.h"

SKIN_EDIT& SKIN_EDIT::operator=(const SKIN_EDIT& other)
{
    if (this == &other)
        return *this;
    m_font = other.m_font;
    m_strHint = other.m_strHint;
    m_fontHint = other.m_fontHint;
    m_nMaxLen = other.m_nMaxLen;
    m_nAlwaysShow = other.m_nAlwaysShow;
    m_nVScroll = other.m_nVScroll;
    m_nHScroll = other.m_nHScroll;
    m_nAutoVScroll = other.m_nAutoVScroll;
    m_nAutoHScroll = other.m_nAutoHScroll;
    m_nMultiLine = other.m_nMultiLine;
    m_nNumber = other.m_nNumber;
    m_nWantReturn = other.m_nWantReturn;
    m_nPassword = other.m_nPassword;
    m_nReadOnly = other.m_nReadOnly;
    return *this;
}

void SKIN_EDIT::SetText(const CString& strText)
{
    m_edit.SetText(strText.GetString());
}

CString SKIN_EDIT::GetText() const
{
    if (m_edit.IsHintState() || !::IsWindow(m_edit.m_hWnd))
        return CString();
    CString text;
    m_edit.GetWindowText(text);
    return text;
}

void SKIN_EDIT::SetHint(const CString& strHint)
{
    m_strHint = strHint;
    SetText(CString());
}

void SKIN_EDIT::Activate()
{
    if (!::IsWindow(m_edit.m_hWnd))
        return;
    if (!m_edit.IsWindowVisible())
        m_edit.ShowWindow(SW_SHOW);
    m_edit.SetFocus();
    m_edit.UpdateFormatRect();
}
