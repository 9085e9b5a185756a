#include "whiteboard/MMMemo.h"

#include <algorithm>

#include "platform/ResourceHandle.h"
#include "whiteboard/WhiteboardText.h"

using Gdiplus::PointF;

namespace {

Gdiplus::Bitmap* LoadFromResourceLibrary(UINT id)
{
    Gdiplus::Bitmap* bitmap = Gdiplus::Bitmap::FromResource(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    if (bitmap && bitmap->GetLastStatus() != Gdiplus::Ok) {
        delete bitmap;
        return nullptr;
    }
    return bitmap;
}

CMMMemo::PictureLoader g_loader;
// The user interface face for Korean and English ("Malgun Gothic") and its default size.
CString g_fontFace(L"\uB9D1\uC740 \uACE0\uB515");
int g_fontSize = 10;

Gdiplus::Bitmap* LoadCard(UINT id)
{
    return g_loader ? g_loader(id) : LoadFromResourceLibrary(id);
}

}  // namespace

CMMMemo::CMMMemo(const PointF& position, const CString& text, int bgColor, int textColor)
    : m_position(position), m_strText(text), m_nBgColor(bgColor), m_nTextColor(textColor)
{
    UINT normal = 0, selected = 0;
    CardPictureIds(bgColor, normal, selected);
    m_card.reset(LoadCard(normal));
    m_selectedCard.reset(LoadCard(selected));
    UpdateRect();
}

CMMMemo::~CMMMemo() = default;

void CMMMemo::CardPictureIds(int bgColor, UINT& normal, UINT& selected)
{
    switch (bgColor) {
    case 2: normal = 523; selected = 525; break;
    case 3: normal = 517; selected = 519; break;
    case 4: normal = 527; selected = 529; break;
    default: normal = 520; selected = 522; break;
    }
}

Gdiplus::ARGB CMMMemo::TextArgb(int textColor)
{
    using Gdiplus::Color;
    switch (textColor) {
    case 1: return Color::MakeARGB(255, 0, 0, 0);
    case 2: return Color::MakeARGB(255, 199, 199, 199);
    case 3: return Color::MakeARGB(255, 233, 0, 0);
    case 4: return Color::MakeARGB(255, 0, 138, 10);
    case 5: return Color::MakeARGB(255, 0, 5, 108);
    default: return 0xFF000000;
    }
}

void CMMMemo::SetPictureLoader(PictureLoader loader)
{
    g_loader = std::move(loader);
}

void CMMMemo::SetTextFont(const CString& face, int size)
{
    g_fontFace = face;
    g_fontSize = size;
}

void CMMMemo::UpdateRect()
{
    m_rect.left = m_position.X - kCardOffset;
    m_rect.top = m_position.Y - kCardOffset;
    m_rect.right = m_rect.left + kCardWidth;
    m_rect.bottom = m_rect.top + kCardHeight;
}

BOOL CMMMemo::Contains(const PointF& p) const
{
    return p.X >= m_rect.left && p.X <= m_rect.right && p.Y >= m_rect.top && p.Y <= m_rect.bottom;
}

void CMMMemo::SetPosition(float x, float y)
{
    m_position = PointF(x, y);
    UpdateRect();
}

void CMMMemo::MoveBy(float dx, float dy)
{
    SetPosition(m_position.X + dx, m_position.Y + dy);
}

void CMMMemo::ClampToPage(int pageWidth, int pageHeight)
{
    float x = m_position.X;
    float y = m_position.Y;
    if (x < 0 || x - kCardOffset + kCardWidth > pageWidth)
        x = x < 0 ? 0.0f : (float)(pageWidth - kCardWidth);
    if (y < 0 || y - kCardOffset + kCardHeight > pageHeight)
        y = y < 0 ? 0.0f : (float)(pageHeight - kCardHeight);
    SetPosition(x, y);
}

void CMMMemo::Draw(Gdiplus::Graphics& graphics, float /*zoom: the caller has scaled the graphics*/) const
{
    using namespace Gdiplus;
    const GraphicsState state = graphics.Save();
    graphics.SetPageUnit(UnitPixel);
    graphics.SetSmoothingMode(SmoothingModeHighQuality);
    const REAL left = m_position.X - kCardOffset;
    const REAL top = m_position.Y - kCardOffset;
    Matrix transform;
    graphics.GetTransform(&transform);
    transform.RotateAt(-8.0f, PointF(left + 88.5f, top + 67.0f), MatrixOrderPrepend);
    graphics.SetTransform(&transform);

    Bitmap* picture = m_bSelected ? m_selectedCard.get() : m_card.get();
    if (!picture) {
        graphics.Restore(state);
        return;
    }
    ImageAttributes attributes;
    attributes.SetColorKey(Color(255, 0, 255), Color(255, 0, 255));
    graphics.DrawImage(picture, RectF(left, top, (REAL)kCardWidth, (REAL)kCardHeight), 0.0f, 0.0f,
                       (REAL)kCardWidth, (REAL)kCardHeight, UnitPixel, &attributes);

    SolidBrush brush(Color(TextArgb(m_nTextColor)));
    FontFamily family(g_fontFace.GetString());
    const FontFamily* useFamily = family.GetLastStatus() == Ok ? &family : FontFamily::GenericSansSerif();
    Font font(useFamily, (REAL)(g_fontSize + 4), FontStyleRegular, UnitPixel);
    StringFormat format;
    format.SetAlignment(StringAlignmentNear);
    format.SetTrimming(StringTrimmingEllipsisWord);
    graphics.DrawString(m_strText.GetString(), m_strText.GetLength(), &font, RectF(left + 20, top + 25, 137, 79),
                        &format, &brush);
    graphics.Restore(state);
}

void CMMMemo::AppendSvg(std::wstring& out, int index) const
{
    WhiteboardText::AppendFormat(out,
                                 L"<rect x=\"%d\" y=\"%d\" width=\"20.0\" height=\"20.0\" "
                                 L"style=\"stroke:#000000; fill:#ffff33\"/>\n<text x=\"%d\" y=\"%d\">%d</text>\n",
                                 (int)m_position.X, (int)m_position.Y, (int)(m_position.X + 7),
                                 (int)(m_position.Y + 15), index + 1);
}

CString CMMMemo::ToSvg(int index) const
{
    std::wstring out;
    AppendSvg(out, index);
    return CString(out.c_str(), (int)out.size());
}

CString CMMMemo::ToJson(int index) const
{
    using WhiteboardText::AppendFormat;
    std::wstring out;
    AppendFormat(out, L"{\"memoBGColor\" : \"%d\",\"memoXpoint\" : \"%d\",\"memoYpoint\" : \"%d\",\"message\" : \"",
                 m_nBgColor, (int)m_position.X, (int)m_position.Y);
    // Peers read CR LF as the four characters \r\n; quotes, backslashes and other control
    // characters are escaped too, so the item stays valid JSON whatever the user typed.
    WhiteboardText::AppendJsonEscaped(out, m_strText.GetString(), (size_t)m_strText.GetLength());
    AppendFormat(out, L"\",\"messageColor\" : \"%d\",\"messageSize\" : \"18\",\"msgId\" : \"%d\"}", m_nTextColor,
                 index + 1);
    return CString(out.c_str(), (int)out.size());
}
