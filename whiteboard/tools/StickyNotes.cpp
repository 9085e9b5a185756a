#include "whiteboard/tools/StickyNotes.h"

#include <algorithm>

#include "core/JsonHelpers.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/SvgFigureReader.h"
#include "whiteboard/WhiteboardText.h"

// ---- one note ----

CStickyObject::~CStickyObject()
{
    // The strokes are deleted by RemoveAllStrokes before a note goes; the list itself goes here.
    RemoveAllStrokes();
}

void CStickyObject::RemoveAllStrokes()
{
    POSITION pos = m_strokes.GetHeadPosition();
    while (pos)
        delete static_cast<CMMFigure*>(m_strokes.GetNext(pos));
    m_strokes.RemoveAll();
}

void CStickyObject::AddStrokeCopy(const CMMFigure& figure)
{
    m_strokes.AddTail(new CMMFigure(figure));
}

void CStickyObject::KeepStoredStrokes()
{
    m_storedStrokes.clear();
    POSITION pos = m_strokes.GetHeadPosition();
    while (pos)
        m_storedStrokes.emplace_back(new CMMFigure(*static_cast<CMMFigure*>(m_strokes.GetNext(pos))));
}

void CStickyObject::RestoreStoredStrokes()
{
    RemoveAllStrokes();
    for (const auto& stroke : m_storedStrokes)
        AddStrokeCopy(*stroke);
}

// ---- item texts ----

namespace {
CString JsonEscaped(const CString& text)
{
    std::wstring out;
    WhiteboardText::AppendJsonEscaped(out, text.GetString(), (size_t)text.GetLength());
    return CString(out.c_str());
}
}  // namespace

CString CStickyItemText::EscapeMessage(const CString& text)
{
    // Quotes first become "&quot;", which peers turn back into quotes; the rest is JSON escaping,
    // which writes a CR LF pair as the \r\n the peers expect.
    CString quoted = text;
    quoted.Replace(L"\"", L"&quot;");
    return JsonEscaped(quoted);
}

CString CStickyItemText::BuildItem(int page, const CString& text, const CString& meta)
{
    CString item;
    item.Format(L"{\"page\" : %d,\"message\" : \"%s\", \"meta\" : \"%s\"}", page, EscapeMessage(text).GetString(),
                JsonEscaped(meta).GetString());
    return item;
}

CString CStickyItemText::UnescapeMessage(const CString& text)
{
    CString out = text;
    out.Replace(L"\\r\\n", L"\n");
    out.Replace(L"\\n", L"\n");
    // Texts that come back with real CR LF pairs must not grow a second CR.
    out.Replace(L"\r\n", L"\n");
    out.Replace(L"\n", L"\r\n");
    out.Replace(L"&quot;", L"\"");
    return out;
}

// ---- the collections ----

CStickyNoteBook::~CStickyNoteBook()
{
    RemoveAll(m_own);
    RemoveAll(m_receiver);
}

CStickyObject* CStickyNoteBook::Find(NoteList& list, int page)
{
    for (auto& note : list)
        if (note->m_nPage == page)
            return note.get();
    return nullptr;
}

CStickyObject* CStickyNoteBook::FindOrAdd(NoteList& list, int page)
{
    if (CStickyObject* found = Find(list, page))
        return found;
    list.emplace_back(new CStickyObject);
    list.back()->m_nPage = page;
    return list.back().get();
}

void CStickyNoteBook::RemoveAll(NoteList& list)
{
    for (auto& note : list)
        note->RemoveAllStrokes();
    list.clear();
}

void CStickyNoteBook::UpdateText(int page, const CString& text)
{
    CStickyObject* note = Find(m_own, page);
    if (!note) {
        note = FindOrAdd(m_own, page);
        note->m_bCreatedOnEdit = 1;
    }
    note->m_strText = text;
    note->m_strDate.Empty();
    note->m_bChanged = 1;
}

void CStickyNoteBook::MarkDrawn(int page)
{
    FindOrAdd(m_own, page)->m_bChanged = 1;
}

BOOL CStickyNoteBook::IsModified() const
{
    return std::any_of(m_own.begin(), m_own.end(), [](const auto& note) { return note->m_bChanged != 0; });
}

std::vector<CString> CStickyNoteBook::BuildSaveItems(const std::function<CString(const CStickyObject&)>& svgOf) const
{
    std::vector<CString> items;
    for (const auto& note : m_own)
        if (note->m_bChanged)
            items.push_back(CStickyItemText::BuildItem(note->m_nPage, note->m_strText,
                                                       note->m_strokes.IsEmpty() ? CString() : svgOf(*note)));
    return items;
}

void CStickyNoteBook::AddNote(BOOL receiver, int page, const CString& text, const CString& date,
                              const std::vector<std::shared_ptr<CMMFigure>>* strokes)
{
    const CString shown = CStickyItemText::UnescapeMessage(text);
    CStickyObject* note = FindOrAdd(receiver ? m_receiver : m_own, page);
    note->m_nPage = page;
    note->m_strStoredText = note->m_strText = shown;
    note->m_strStoredDate = note->m_strDate = (receiver && shown.IsEmpty()) ? CString() : date;
    note->m_bChanged = 0;
    note->m_bCreatedOnEdit = 0;
    if (strokes) {
        for (const auto& stroke : *strokes)
            note->AddStrokeCopy(*stroke);
    }
    note->KeepStoredStrokes();
}

void CStickyNoteBook::ReadLoadReply(const Json::Value& body)
{
    const BOOL receiver = GetJsonInt(body, "userIdnfr") != 0;
    RemoveAll(receiver ? m_receiver : m_own);
    if (const Json::Value* list = FindJsonMember(body, "list")) {
        if (list->isArray()) {
            for (const Json::Value& item : *list) {
                if (!item.isObject())
                    continue;
                CMMFigureHolder drawing;
                const CString meta = GetJsonString(item, "meta");
                if (!meta.IsEmpty())
                    CSvgFigureReader::Read(meta, 0, 0, drawing);
                AddNote(receiver, GetJsonInt(item, "page"), GetJsonString(item, "message"),
                        GetJsonString(item, "regDate"), &drawing.GetFigures());
            }
        }
    }
    const CString dateAll = GetJsonString(body, "regDateAll");
    if (!dateAll.IsEmpty())
        AddNote(receiver, 0, GetJsonString(body, "messageAll"), dateAll, nullptr);
}

void CStickyNoteBook::ReadSaveReply(const Json::Value& body)
{
    const Json::Value* list = FindJsonMember(body, "list");
    if (!list || !list->isArray())
        return;
    for (const Json::Value& item : *list) {
        if (!item.isObject() || !item.get("bResult", false).asBool())
            continue;
        // The confirmed text becomes the stored one; the strokes the user drew are what was sent,
        // so they become the stored strokes too.
        const int page = GetJsonInt(item, "page");
        CStickyObject* note = FindOrAdd(m_own, page);
        note->m_strStoredText = note->m_strText = CStickyItemText::UnescapeMessage(GetJsonString(item, "message"));
        note->m_strStoredDate = note->m_strDate = GetJsonString(item, "regDate");
        note->m_bChanged = 0;
        note->m_bCreatedOnEdit = 0;
        note->KeepStoredStrokes();
    }
}

void CStickyNoteBook::DiscardChanges()
{
    for (auto& note : m_own) {
        if (!note->m_bChanged)
            continue;
        note->m_bChanged = 0;
        note->m_strText = note->m_strStoredText;
        note->RestoreStoredStrokes();
    }
}

void CStickyNoteBook::InsertPage(int n)
{
    if (n < 1)
        return;
    for (auto& note : m_own)
        if (note->m_nPage >= n)
            ++note->m_nPage;
    std::unique_ptr<CStickyObject> added(new CStickyObject);
    added->m_nPage = n;
    m_own.push_back(std::move(added));
}

void CStickyNoteBook::DeletePage(int n)
{
    if (n < 1)
        return;
    for (auto it = m_own.begin(); it != m_own.end();) {
        if ((*it)->m_nPage == n) {
            (*it)->RemoveAllStrokes();
            it = m_own.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& note : m_own)
        if (note->m_nPage > n)
            --note->m_nPage;
}
