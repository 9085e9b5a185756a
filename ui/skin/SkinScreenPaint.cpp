// Painting of a screen: background, border and every live object by its state.
#include "ui/skin/SkinScreen.h"

#include "platform/DC.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinManager.h"
#include "ui/skin/SkinTextCells.h"
#include "ui/skin/SkinValues.h"

namespace {

int Scaled(int n)
{
    return ScaleSkinValue(n, GetSkinRatio());
}

float ScaledF(int n)
{
    return float(n) * GetSkinRatio();
}

bool HasDc(CDC* pDC)
{
    return pDC && pDC->GetSafeHdc();
}

// The image and text areas of an object with an icon strip of the given width.
void SplitIconStrip(const CRect& rcObject, int nImageWidth, CRect& rcImage, CRect& rcText)
{
    if (nImageWidth > 0) {
        rcImage.right = rcText.left = rcObject.left + Scaled(nImageWidth);
    } else if (nImageWidth < 0) {
        rcImage.left = rcText.right = rcImage.right + Scaled(nImageWidth);
    }
}

} // namespace

void SKIN_SCREEN::DrawScreen(CDC* pDC, const RECT& rc)
{
    const bool hasColor = !m_strBgColor.IsEmpty();
    DrawScreenBackground(pDC, rc, hasColor ? m_clrBack : 0, hasColor);
    Draw(pDC, rc);
}

void SKIN_SCREEN::DrawScreenBackground(CDC* pDC, const RECT& rc, COLORREF clr, BOOL bHasColor)
{
    if (!HasDc(pDC))
        return;
    if (m_nRound == 0) {
        if (!m_strBgColor.IsEmpty())
            pDC->FillSolidRect(&rc, clr);
    } else {
        DrawFilledRoundRect(pDC, rc, -1, 1.0f, bHasColor, clr, TRUE, clr, ScaledF(m_nRound));
    }
    if (!m_strBgImage.IsEmpty())
        DrawImage(pDC, rc, m_image.GetUsable(), 0, 0);
}

void SKIN_SCREEN::DrawScreenBorder(CDC* pDC, const RECT& rc)
{
    if (m_nRound == 0 && m_nBorderSize > 0)
        DrawSquareBorder(pDC, rc, m_nBorderSize, m_clrBorder);
}

void SKIN_SCREEN::Draw(CDC* pDC, const RECT& rc)
{
    if (!HasDc(pDC))
        return;
    const CPoint origin(rc.left, rc.top);
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        SKIN_OBJECT* o = m_objects.NextRecord(pos);
        if (m_objects.IsLive(o))
            DrawObject(pDC, o, origin);
    }
}

void SKIN_SCREEN::DrawObject(CDC* pDC, SKIN_OBJECT* o, const CPoint& origin)
{
    CRect R = o->m_rcObject;
    R.OffsetRect(origin);
    DrawMargins(pDC, o, R);
    CRect Rm = R;
    o->DeflateByMargin(Rm);
    DrawObjectBackground(pDC, o, Rm);
    CRect Rb = R;
    o->DeflateToBorderInside(Rb);
    switch (o->m_nType) {
    case SKINTYPE_BUTTON:
        DrawButton(pDC, o, R, Rb);
        break;
    case SKINTYPE_IMAGE:
        DrawImagePart(pDC, o, R, Rb);
        break;
    case SKINTYPE_TEXT: {
        CRect text = Rb;
        o->DeflateByPadding(text);
        if (o->m_text.m_nVCenter)
            DrawTextCentered(pDC, text, o->m_text.m_strText, &o->m_text.m_font, 0, o);
        else
            DrawTextBlock(pDC, text, o->m_text.m_strText, &o->m_text.m_font, DT_END_ELLIPSIS, o);
        break;
    }
    case SKINTYPE_DATE:
        DrawDate(pDC, o, Rb, origin);
        break;
    case SKINTYPE_COMBO:
        DrawCombo(pDC, o, R, Rb);
        break;
    case SKINTYPE_EDIT:
        DrawEdit(pDC, o, Rb);
        break;
    default:
        break;
    }
    DrawObjectBorder(pDC, o, Rm);
}

void SKIN_SCREEN::DrawMargins(CDC* pDC, const SKIN_OBJECT* o, const CRect& R)
{
    struct Side {
        int own;
        const CString& color;
        COLORREF clr;
    };
    const Side sides[4] = {{o->m_nMarginL, o->m_strMarginColorL, o->m_clrMarginL},
                           {o->m_nMarginT, o->m_strMarginColorT, o->m_clrMarginT},
                           {o->m_nMarginR, o->m_strMarginColorR, o->m_clrMarginR},
                           {o->m_nMarginB, o->m_strMarginColorB, o->m_clrMarginB}};
    for (int i = 0; i < 4; ++i) {
        const Side& s = sides[i];
        const bool ownPaints = s.own > 0 && !s.color.IsEmpty();
        const bool commonPaints = o->m_nMargin > 0 && !o->m_strMarginColor.IsEmpty();
        if (!ownPaints && !commonPaints)
            continue;
        const COLORREF clr = s.color.IsEmpty() ? o->m_clrMargin : s.clr;
        const int w = Scaled(s.own ? s.own : o->m_nMargin);
        CRect strip = R;
        switch (i) {
        case 0: strip.right = strip.left + w; break;
        case 1: strip.bottom = strip.top + w; break;
        case 2: strip.left = strip.right - w; break;
        default: strip.top = strip.bottom - w; break;
        }
        pDC->FillSolidRect(&strip, clr);
    }
}

bool SKIN_SCREEN::GetFillColor(const SKIN_OBJECT* o, COLORREF& clr) const
{
    if (o->m_nType == SKINTYPE_BUTTON) {
        if (o->m_button.m_nCheck == 1 && !o->m_button.m_strClrOver.IsEmpty()) {
            clr = o->m_button.m_clrOver;
            return true;
        }
        if (o->m_button.m_nCheck == 0 && !o->m_button.m_strClrOut.IsEmpty()) {
            clr = o->m_button.m_clrOut;
            return true;
        }
    }
    if (!o->m_strColor.IsEmpty()) {
        clr = o->m_clrColor;
        return true;
    }
    return false;
}

void SKIN_SCREEN::DrawObjectBackground(CDC* pDC, const SKIN_OBJECT* o, const CRect& Rm)
{
    COLORREF fill = 0;
    const bool hasFill = GetFillColor(o, fill);
    if (o->m_nRound == 0) {
        if (!hasFill)
            return;
        CRect r = Rm;
        if (o->m_nFillPercent != -1)
            r.right = r.left + r.Width() * o->m_nFillPercent / 100;
        pDC->FillSolidRect(&r, fill);
    } else {
        DrawFilledRoundRect(pDC, Rm, o->m_nFillPercent, ScaledF(o->m_nBorderSize), hasFill, fill,
                            !o->m_strBorderColor.IsEmpty(), o->m_clrBorder, ScaledF(o->m_nRound));
    }
}

void SKIN_SCREEN::DrawObjectBorder(CDC* pDC, const SKIN_OBJECT* o, const CRect& Rm)
{
    if (o->m_nRound != 0) {
        DrawFilledRoundRect(pDC, Rm, o->m_nFillPercent, ScaledF(o->m_nBorderSize), FALSE, 0,
                            !o->m_strBorderColor.IsEmpty(), o->m_clrBorder, ScaledF(o->m_nRound));
    } else if (o->m_nBorderSize != 0 && !o->m_strBorderColor.IsEmpty()) {
        DrawFrameRect(pDC, Rm.left, Rm.top, Rm.Width(), Rm.Height(), o->m_clrBorder, o->m_nBorderSize, GetSkinRatio());
    }
}

void SKIN_SCREEN::DrawButton(CDC* pDC, SKIN_OBJECT* o, const CRect& R, const CRect& Rb)
{
    SKIN_BUTTON& b = o->m_button;
    CRect image = Rb, text = Rb;
    SplitIconStrip(R, b.m_nImageWidth, image, text);
    const int state = o->GetDrawState();
    DrawStateImage(pDC, image, (b.m_nCheck == 1 ? b.m_imageOver : b.m_imageOut).GetUsable(), state);
    o->DeflateByPadding(text);
    SKIN_FONT* font = &b.m_font;
    if (state == SKINSTATE_OVER && b.m_fontOver.HasColor())
        font = &b.m_fontOver;
    else if (state == SKINSTATE_DIM && b.m_fontDim.HasColor())
        font = &b.m_fontDim;
    else if (state == SKINSTATE_DOWN && b.m_fontDown.HasColor())
        font = &b.m_fontDown;
    DrawTextCentered(pDC, text, b.m_strText, font, 0, nullptr);
}

void SKIN_SCREEN::DrawImagePart(CDC* pDC, SKIN_OBJECT* o, const CRect& R, const CRect& Rb)
{
    SKIN_IMAGEPART& p = o->m_image;
    CRect image = Rb, text = Rb;
    SplitIconStrip(R, p.m_nImageWidth, image, text);
    {
        Gdiplus::Graphics graphics(pDC->GetSafeHdc());
        DrawImageG(&graphics, image, p.m_image.GetUsable(), p.m_nRepeatW, p.m_nRepeatH);
        if (p.m_nCurFile != 0) {
            Gdiplus::Image* overlay = p.m_files.GetImage(p.m_nCurFile - 1);
            if (overlay && overlay->GetLastStatus() == Gdiplus::Ok)
                DrawImageG(&graphics, image, overlay, p.m_nRepeatW, p.m_nRepeatH);
        }
    }
    o->DeflateByPadding(text);
    DrawTextCentered(pDC, text, p.m_strText, &p.m_font, 0, nullptr);
}

void SKIN_SCREEN::DrawDate(CDC* pDC, SKIN_OBJECT* o, CRect text, const CPoint& origin)
{
    SKIN_DATE& d = o->m_date;
    o->DeflateByPadding(text);
    if (d.m_nDateType == 3 || d.m_nDateType == 4)
        return;
    if (!d.m_strColorDownRect.IsEmpty()) {
        const COLORREF clr = ParseSkinColor(d.m_strColorDownRect);
        const struct {
            const RECT& rc;
            int pressed;
        } segments[4] = {{d.m_rcDate, d.m_bDatePressed}, {d.m_rcAmPm, d.m_bAmPmPressed},
                         {d.m_rcHour, d.m_bHourPressed}, {d.m_rcMinute, d.m_bMinutePressed}};
        for (const auto& s : segments) {
            if (!s.pressed)
                continue;
            CRect r = s.rc;
            r.OffsetRect(origin);
            pDC->FillSolidRect(&r, clr);
        }
    }
    DrawTextLine(pDC, text, d.GetDisplayText(), &d.m_font, DT_SINGLELINE | DT_VCENTER);
}

void SKIN_SCREEN::DrawCombo(CDC* pDC, SKIN_OBJECT* o, const CRect& R, const CRect& Rb)
{
    SKIN_COMBO& c = o->m_combo;
    CRect image = Rb, text = Rb;
    SplitIconStrip(R, c.m_nImageWidth, image, text);
    if (!c.m_strBgImage.IsEmpty()) {
        if (c.m_nBgButton)
            DrawStateImage(pDC, image, c.m_image.GetUsable(), o->GetDrawState());
        else
            DrawImage(pDC, image, c.m_image.GetUsable(), 0, 0);
    }
    if (c.m_nDrawArrow) {
        CRect box = R;
        box.left = R.right - Scaled(20);
        const COLORREF back = o->m_strColor.IsEmpty() ? m_clrBack : o->m_clrColor;
        DrawComboArrow(pDC, box, GetSkinRatio(), c.m_font.m_clrText, back);
    }
    if (c.m_font.HasColor()) {
        o->DeflateByPadding(text);
        DrawTextLine(pDC, text, c.m_selected.m_strText, &c.m_font, DT_SINGLELINE | DT_VCENTER);
    }
}

void SKIN_SCREEN::DrawEdit(CDC* pDC, SKIN_OBJECT* o, CRect text)
{
    SKIN_EDIT& e = o->m_edit;
    if (e.m_nAlwaysShow)
        return;
    o->DeflateByPadding(text);
    if (!e.m_nMultiLine)
        text.left += 1;
    if (e.m_nVScroll)
        text.right -= 20;
    const CString value = e.GetText();
    if (value.IsEmpty())
        DrawTextBlock(pDC, text, e.m_strHint, &e.m_fontHint, 0, nullptr);
    else if (e.m_nPassword)
        DrawTextBlock(pDC, text, CString(wchar_t(0x25CF), value.GetLength()), &e.m_font, 0, nullptr);
    else
        DrawTextBlock(pDC, text, value, &e.m_font, 0, nullptr);
}

CFont* SKIN_SCREEN::SelectFontOnly(CDC* pDC, SKIN_FONT* pFont)
{
    if (!HasDc(pDC))
        return nullptr;
    CFont* previous = pDC->GetCurrentFont();
    if (!pFont)
        return previous;
    if (CFont* font = pFont->GetFont())
        pDC->SelectObject(font);
    return previous;
}

CFont* SKIN_SCREEN::SelectFont(CDC* pDC, SKIN_FONT* pFont, int* pAlign)
{
    if (pAlign)
        *pAlign = 0;
    CFont* previous = SelectFontOnly(pDC, pFont);
    if (!HasDc(pDC) || !pFont)
        return previous;
    if (pFont->HasColor())
        pDC->SetTextColor(pFont->m_clrText);
    pDC->SetBkMode(TRANSPARENT);
    if (pAlign && pFont->m_nAlign >= 0 && pFont->m_nAlign <= 2)
        *pAlign = pFont->m_nAlign;
    return previous;
}

namespace {

// Selects the font, adds its alignment to the flags and sets its colour; the previous font.
CFont* PrepareText(SKIN_SCREEN& screen, CDC* pDC, SKIN_FONT* pFont, UINT& nFlags)
{
    CFont* previous = screen.SelectFontOnly(pDC, pFont);
    if (pFont) {
        if (pFont->m_nAlign >= 0 && pFont->m_nAlign <= 2)
            nFlags |= UINT(pFont->m_nAlign);
        if (pFont->HasColor())
            pDC->SetTextColor(pFont->m_clrText);
    }
    pDC->SetBkMode(TRANSPARENT);
    return previous;
}

} // namespace

void SKIN_SCREEN::DrawTextLine(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags)
{
    if (!HasDc(pDC) || strText.IsEmpty())
        return;
    CFont* previous = PrepareText(*this, pDC, pFont, nFlags);
    CRect r = rc;
    pDC->DrawText(strText, &r, nFlags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (previous)
        pDC->SelectObject(previous);
}

void SKIN_SCREEN::DrawTextBlock(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags,
                                SKIN_OBJECT* pObject)
{
    if (!HasDc(pDC) || strText.IsEmpty())
        return;
    if (pObject && pObject->m_text.m_nCopyText) {
        DrawSelectableText(pDC, rc, strText, pFont, pObject);
        return;
    }
    CFont* previous = PrepareText(*this, pDC, pFont, nFlags);
    CRect r = rc;
    pDC->DrawText(strText, &r, nFlags | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    if (previous)
        pDC->SelectObject(previous);
}

void SKIN_SCREEN::DrawTextCentered(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont, UINT nFlags,
                                   SKIN_OBJECT* pObject)
{
    if (!HasDc(pDC) || strText.IsEmpty())
        return;
    CFont* previous = PrepareText(*this, pDC, pFont, nFlags);
    CRect r = rc;
    if (nFlags & DT_CALCRECT) {
        pDC->DrawText(strText, &r, nFlags | DT_NOPREFIX);
    } else {
        CRect measured = r;
        pDC->DrawText(strText, &measured,
                      nFlags | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS);
        if (measured.Height() < r.Height()) {
            const int top = measured.top + (r.Height() - measured.Height()) / 2;
            r.bottom = top + measured.Height();
            r.top = top;
        }
        if (pObject && pObject->m_text.m_nCopyText)
            DrawSelectableText(pDC, r, strText, pFont, pObject);
        else
            pDC->DrawText(strText, &r,
                          nFlags | DT_WORDBREAK | DT_VCENTER | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS);
    }
    if (previous)
        pDC->SelectObject(previous);
}

void SKIN_SCREEN::DrawSelectableText(CDC* pDC, const RECT& rc, const CString& strText, SKIN_FONT* pFont,
                                     SKIN_OBJECT* pObject)
{
    if (!HasDc(pDC) || !pObject || !pObject->m_text.m_nCopyText || strText.IsEmpty())
        return;
    CFont* previous = SelectFontOnly(pDC, pFont);
    pDC->SetBkMode(TRANSPARENT);
    const bool isSelection = pObject->m_nId == m_nSelObjectId;
    int lo = -1, hi = -1;
    if (isSelection) {
        m_strSelText.Empty();
        if (m_nSelStart >= 0 && m_nSelEnd >= 0) {
            lo = m_nSelStart < m_nSelEnd ? m_nSelStart : m_nSelEnd;
            hi = m_nSelStart < m_nSelEnd ? m_nSelEnd : m_nSelStart;
        }
    }
    const int align = pFont ? pFont->m_nAlign : 0;
    const std::vector<CSkinTextCells::Cell> cells = CSkinTextCells::Build(pDC->GetSafeHdc(), rc, strText, align, true);
    for (int i = 0; i < int(cells.size()); ++i) {
        const CSkinTextCells::Cell& cell = cells[size_t(i)];
        // A line that does not fit whole is not drawn.
        if (cell.rc.bottom > rc.bottom)
            break;
        if (pFont && pFont->HasColor())
            pDC->SetTextColor(pFont->m_clrText);
        if (isSelection && m_bSelecting && i >= lo && i < hi) {
            pDC->FillSolidRect(&cell.rc, RGB(0, 128, 255));
            pDC->SetTextColor(RGB(255, 255, 255));
            m_strSelText += cell.ch;
        }
        CRect r = cell.rc;
        pDC->DrawText(&cell.ch, 1, &r, DT_NOPREFIX);
    }
    if (previous)
        pDC->SelectObject(previous);
}

void SKIN_SCREEN::DrawTextSimple(CDC* pDC, const CString& strText, const RECT& rc, SKIN_FONT* pFont)
{
    if (!HasDc(pDC) || !pFont)
        return;
    int align = 0;
    CFont* previous = SelectFont(pDC, pFont, &align);
    CRect r = rc;
    pDC->DrawText(strText, &r, UINT(align) | DT_SINGLELINE | DT_NOPREFIX);
    if (previous)
        pDC->SelectObject(previous);
}

void SKIN_SCREEN::DrawTextGdiPlus(Gdiplus::Graphics* pGraphics, const CString& strText, const RECT& rc, SKIN_FONT* pFont)
{
    if (!pGraphics || !pFont)
        return;
    Gdiplus::Font font(pFont->m_strFaceName.GetString(), float(pFont->m_nSize), Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    const COLORREF clr = pFont->m_clrText;
    Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(clr), GetGValue(clr), GetBValue(clr)));
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    float x = float(rc.left);
    Gdiplus::StringFormat format;
    if (pFont->m_nAlign == 1) {
        x = float(width / 2 + rc.left);
        format.SetAlignment(Gdiplus::StringAlignmentCenter);
    } else if (pFont->m_nAlign == 2) {
        x = float(rc.right);
        format.SetAlignment(Gdiplus::StringAlignmentFar);
    } else {
        format.SetAlignment(Gdiplus::StringAlignmentNear);
    }
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    pGraphics->DrawString(strText.GetString(), strText.GetLength(), &font,
                          Gdiplus::PointF(x, float(height / 2 + rc.top)), &format, &brush);
}

void SKIN_SCREEN::DrawStateImage(CDC* pDC, const RECT& rc, Gdiplus::Image* pImage, int nState)
{
    if (!HasDc(pDC) || !pImage)
        return;
    const UINT strip = pImage->GetWidth() / 4;
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    graphics.DrawImage(pImage,
                       Gdiplus::Rect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top),
                       int(strip) * nState, 0, int(strip), int(pImage->GetHeight()), Gdiplus::UnitPixel);
}

void SKIN_SCREEN::DrawImage(CDC* pDC, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH)
{
    if (!HasDc(pDC) || !pImage)
        return;
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    DrawImageG(&graphics, rc, pImage, nRepeatW, nRepeatH);
}

void SKIN_SCREEN::DrawImageG(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH)
{
    if (!pGraphics || !pImage)
        return;
    if (nRepeatW > 1 || nRepeatH > 1) {
        TileImage(pGraphics, rc, pImage, nRepeatW, nRepeatH);
        return;
    }
    const int sw = nRepeatW ? nRepeatW : int(pImage->GetWidth());
    const int sh = nRepeatH ? nRepeatH : int(pImage->GetHeight());
    pGraphics->DrawImage(pImage, Gdiplus::Rect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top), 0, 0, sw, sh,
                         Gdiplus::UnitPixel);
}

void SKIN_SCREEN::DrawImageOnGraphics(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage)
{
    if (!pGraphics || !pImage)
        return;
    pGraphics->DrawImage(pImage, Gdiplus::Rect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top), 0, 0,
                         int(pImage->GetWidth()), int(pImage->GetHeight()), Gdiplus::UnitPixel);
}

void SKIN_SCREEN::TileImage(Gdiplus::Graphics* pGraphics, const RECT& rc, Gdiplus::Image* pImage, int nRepeatW, int nRepeatH)
{
    if (!pGraphics || !pImage)
        return;
    const int imageW = int(pImage->GetWidth()), imageH = int(pImage->GetHeight());
    const int tileW = nRepeatW ? ScaleSkinValue(nRepeatW, GetSkinRatio()) : rc.right - rc.left;
    const int tileH = nRepeatH ? ScaleSkinValue(nRepeatH, GetSkinRatio()) : rc.bottom - rc.top;
    if (tileW <= 0 || tileH <= 0)
        return;
    const int srcW = nRepeatW ? nRepeatW : imageW;
    const int srcH = nRepeatH ? nRepeatH : imageH;
    const int srcX = (imageW - srcW) / 2, srcY = (imageH - srcH) / 2;
    for (int y = rc.top; y < rc.bottom; y += tileH) {
        for (int x = rc.left; x < rc.right; x += tileW)
            pGraphics->DrawImage(pImage, Gdiplus::Rect(x, y, tileW, tileH), srcX, srcY, srcW, srcH, Gdiplus::UnitPixel);
    }
}

COLORREF SKIN_SCREEN::BlendColor(COLORREF a, COLORREF b)
{
    auto mix = [](int x, int y) { return (x < y ? x : y) + (x > y ? x - y : y - x) / 2; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void SKIN_SCREEN::DrawComboArrow(CDC* pDC, const RECT& rc, float fRatio, COLORREF clrArrow, COLORREF clrBack)
{
    if (!HasDc(pDC))
        return;
    const int bw = int(10.0f * fRatio), bh = int(6.0f * fRatio);
    const int x = (rc.right - rc.left - bw) / 2 + rc.left;
    const int y = (rc.bottom - rc.top - bh) / 2 + rc.top;
    const COLORREF soft = BlendColor(clrBack, clrArrow);
    DrawGlyphBitmap(pDC->GetSafeHdc(), CRect(x, y, x + bw, y + bh), 10, 6, clrBack, [&](HDC mem) {
        for (int i = 0; i <= 4; ++i) {
            FillGlyphBlock(mem, 4 - i, 4 - i, soft);
            FillGlyphBlock(mem, 4 + i, 4 - i, soft);
        }
        for (int k = 0; k <= 3; ++k) {
            ::SetPixel(mem, 4 - k, 4 - k, clrArrow);
            ::SetPixel(mem, 5 + k, 4 - k, clrArrow);
        }
    });
}

void SKIN_SCREEN::DrawSquareBorder(CDC* pDC, const RECT& rc, int nWidth, COLORREF clr)
{
    FillFrameStrips(pDC, rc, nWidth, clr);
}
