#pragma once
// CTitleLayerDlg: a skinned face for the title bar, drawn entirely from the skin screen
// "TitleLayerDlg". It lies over the title bar layer as its child and turns clicks on its buttons
// into the layer's own commands, posted to the layer.
#include "ui/skin/MyBaseDialog.h"

class CTitleLayerDlg : public CMyBaseDialog {
public:
    explicit CTitleLayerDlg(CWnd* pParent);

    // Creates the dialog as a child of the title bar layer, over its client area.
    BOOL CreateOn(CWnd* pLayer);
    // Mode 0 list, 1 detail, 2 meeting; other values change nothing.
    void SetMode(int nMode);

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    // Enter and Escape never end it.
    void OnOK() override {}
    void OnCancel() override {}

    SKIN_OBJECT* m_pBtnClose = nullptr;
    SKIN_OBJECT* m_pBtnPresentation = nullptr;
    SKIN_OBJECT* m_pBtnMax = nullptr;
    SKIN_OBJECT* m_pBtnMin = nullptr;
    SKIN_OBJECT* m_pBtnMenu = nullptr;
    SKIN_OBJECT* m_pBtnRefresh = nullptr;
    SKIN_OBJECT* m_pBtnChat = nullptr;
    SKIN_OBJECT* m_pBtnFilebox = nullptr;
    SKIN_OBJECT* m_pBtnVideo = nullptr;
    SKIN_OBJECT* m_pBtnBack = nullptr;
    SKIN_OBJECT* m_pTextDesc = nullptr;
    SKIN_OBJECT* m_pTextTitle = nullptr;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
