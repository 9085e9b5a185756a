#pragma once
// A memo pinned on a whiteboard page: a 177 x 134 card picture tilted by 8 degrees with up to a
// thousand characters of text, its position in page coordinates and its exchange texts.
#include <windows.h>
#include <gdiplus.h>
#include <functional>
#include <memory>
#include <string>

#include "platform/CString.h"
#include "whiteboard/FigureGeometry.h"

class CMMMemo {
public:
    // Loads a card picture by its bitmap resource id; null when there is none. The caller owns it.
    using PictureLoader = std::function<Gdiplus::Bitmap*(UINT resourceId)>;

    static const int kCardWidth = 177;
    static const int kCardHeight = 134;
    // The card's top-left corner lies this far up and left of the memo's position.
    static const int kCardOffset = 7;

    CMMMemo(const Gdiplus::PointF& position, const CString& text, int bgColor, int textColor);
    virtual ~CMMMemo();
    CMMMemo(const CMMMemo&) = delete;
    CMMMemo& operator=(const CMMMemo&) = delete;

    void Draw(Gdiplus::Graphics& graphics, float zoom) const;
    BOOL Contains(const Gdiplus::PointF& point) const;
    Gdiplus::PointF GetPosition() const { return m_position; }
    void SetPosition(float x, float y);
    void MoveBy(float dx, float dy);
    // Keeps the card on a page of the given size (it may end 7 pixels inside the right edge).
    void ClampToPage(int pageWidth, int pageHeight);
    void SetSelected(BOOL selected) { m_bSelected = selected; }
    BOOL IsSelected() const { return m_bSelected; }
    CString GetText() const { return m_strText; }
    int GetBGColor() const { return m_nBgColor; }
    int GetTextColor() const { return m_nTextColor; }
    S_FIGURE_RECT GetRect() const { return m_rect; }

    // The SVG marker and the JSON item of the memo with this index in its list.
    CString ToSvg(int index) const;
    void AppendSvg(std::wstring& out, int index) const;
    CString ToJson(int index) const;

    // Resource ids of the card pictures (normal, selected) for a background colour index.
    static void CardPictureIds(int bgColor, UINT& normal, UINT& selected);
    // Opaque ARGB text colour for a text colour index.
    static Gdiplus::ARGB TextArgb(int textColor);

    // Where card pictures come from (the language resource library by default), and the user
    // interface font face and size the memo text is drawn with.
    static void SetPictureLoader(PictureLoader loader);
    static void SetTextFont(const CString& face, int size);

private:
    void UpdateRect();

    Gdiplus::PointF m_position;
    CString m_strText;
    int m_nBgColor;
    int m_nTextColor;
    std::unique_ptr<Gdiplus::Bitmap> m_card;
    std::unique_ptr<Gdiplus::Bitmap> m_selectedCard;
    S_FIGURE_RECT m_rect;
    BOOL m_bSelected = FALSE;
};
