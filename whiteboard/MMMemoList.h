#pragma once
// A page's ordered list of memos (index 0 drawn first); a memo's number in its list (index + 1) is
// its "msgId" and the label of its SVG marker.
#include <windows.h>
#include <gdiplus.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/MMMemo.h"

class CMMMemoList {
public:
    using MemoPtr = std::shared_ptr<CMMMemo>;

    CMMMemoList() = default;
    virtual ~CMMMemoList() = default;

    void Add(const MemoPtr& memo);
    void Clear();
    BOOL IsEmpty() const { return m_memos.empty(); }
    int GetCount() const { return (int)m_memos.size(); }
    const std::vector<MemoPtr>& GetMemos() const { return m_memos; }

    void Draw(HDC dc, int left, int top, int right, int bottom, float zoom) const;
    MemoPtr FindTopmostAt(const Gdiplus::PointF& point) const;
    // Removes every element that points to the memo; FALSE only for an empty list.
    BOOL Remove(const MemoPtr& memo);

    CString ToSvg() const;
    void AppendSvg(std::wstring& out) const;
    std::vector<CString> ToJsonList() const;

private:
    std::vector<MemoPtr> m_memos;
};
