#include "whiteboard/MMMemoList.h"

#include <algorithm>

#include "whiteboard/LayerPaintFrame.h"

void CMMMemoList::Add(const MemoPtr& memo)
{
    m_memos.push_back(memo);
}

void CMMMemoList::Clear()
{
    m_memos.clear();
}

void CMMMemoList::Draw(HDC dc, int left, int top, int right, int bottom, float zoom) const
{
    if (m_memos.empty())
        return;
    Gdiplus::Graphics graphics(dc);
    CLayerPaintFrame frame(graphics, left, top, right, bottom, zoom);
    for (const MemoPtr& memo : m_memos) {
        if (memo)
            memo->Draw(graphics, zoom);
    }
}

CMMMemoList::MemoPtr CMMMemoList::FindTopmostAt(const Gdiplus::PointF& point) const
{
    for (auto it = m_memos.rbegin(); it != m_memos.rend(); ++it) {
        if (*it && (*it)->Contains(point))
            return *it;
    }
    return MemoPtr();
}

BOOL CMMMemoList::Remove(const MemoPtr& memo)
{
    if (m_memos.empty())
        return FALSE;
    m_memos.erase(std::remove(m_memos.begin(), m_memos.end(), memo), m_memos.end());
    return TRUE;
}

void CMMMemoList::AppendSvg(std::wstring& out) const
{
    for (size_t i = 0; i < m_memos.size(); ++i) {
        if (m_memos[i])
            m_memos[i]->AppendSvg(out, (int)i);
    }
}

CString CMMMemoList::ToSvg() const
{
    std::wstring out;
    AppendSvg(out);
    return CString(out.c_str(), (int)out.size());
}

std::vector<CString> CMMMemoList::ToJsonList() const
{
    std::vector<CString> items;
    for (size_t i = 0; i < m_memos.size(); ++i) {
        if (m_memos[i])
            items.push_back(m_memos[i]->ToJson((int)i));
    }
    return items;
}
