#pragma once
// The sticky notes of the open document: one note (text and strokes) per page, kept in two
// collections (the user's own notes and, for a report, its receiver's), the item texts they travel
// in to the application server and back, and the page renumbering when whiteboard pages are added
// or removed. No window here: CStickyNoteDlg shows one note at a time.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include <json/json.h>

#include "platform/CString.h"
#include "platform/List.h"

class CMMFigure;

class CStickyObject {
public:
    CStickyObject() = default;
    virtual ~CStickyObject();
    CStickyObject(const CStickyObject&) = delete;
    CStickyObject& operator=(const CStickyObject&) = delete;

    // Page of the open document, 1-based; 0 holds the document-wide message of a reply.
    int m_nPage = 0;
    CString m_strStoredText;
    CString m_strStoredDate;
    CString m_strText;
    CString m_strDate;
    BYTE m_bChanged = 0;
    BYTE m_bCreatedOnEdit = 0;
    // Owned CMMFigure* strokes; the pen canvas draws into this list while the note is shown.
    CPtrList m_strokes{10};

    BOOL HasContent() const { return !m_strText.IsEmpty() || !m_strokes.IsEmpty(); }
    void RemoveAllStrokes();
    void AddStrokeCopy(const CMMFigure& figure);
    // The strokes as the server last confirmed them: Discard puts them back.
    void KeepStoredStrokes();
    void RestoreStoredStrokes();

private:
    std::vector<std::unique_ptr<CMMFigure>> m_storedStrokes;
};

// The texts of the note items.
class CStickyItemText {
public:
    // The message as it travels: every CR LF pair becomes the two escapes \r\n of the item, every
    // double quote "&quot;" (the conventions peers read), and what else JSON needs escaped
    // (backslashes, other control characters) is escaped too, so the item stays valid JSON.
    static CString EscapeMessage(const CString& text);
    // A whole item: {"page" : n,"message" : "...", "meta" : "..."}.
    static CString BuildItem(int page, const CString& text, const CString& meta);
    // A received message back to the text shown: the escape texts \r\n and \n become line breaks,
    // every line break is CR LF, "&quot;" a double quote.
    static CString UnescapeMessage(const CString& text);
};

class CStickyNoteBook {
public:
    using NoteList = std::vector<std::unique_ptr<CStickyObject>>;

    ~CStickyNoteBook();
    NoteList& Own() { return m_own; }
    NoteList& Receiver() { return m_receiver; }
    // The collection that serves a page: the receiver's in board mode 3, else the user's own.
    NoteList& Serving(int boardMode) { return boardMode == 3 ? m_receiver : m_own; }

    static CStickyObject* Find(NoteList& list, int page);
    static CStickyObject* FindOrAdd(NoteList& list, int page);
    // Destroys every note of the collection, strokes first.
    static void RemoveAll(NoteList& list);

    // A text edit of the current page's own note.
    void UpdateText(int page, const CString& text);
    // Its strokes changed.
    void MarkDrawn(int page);
    BOOL IsModified() const;
    // The items of a save: every changed own note, in list order. svgOf gives a note's meta.
    std::vector<CString> BuildSaveItems(const std::function<CString(const CStickyObject&)>& svgOf) const;

    // One note of a reply. receiver: into the receiver collection (an empty text also empties the
    // date). strokes: the drawing parsed from the item, copied into the note.
    void AddNote(BOOL receiver, int page, const CString& text, const CString& date,
                 const std::vector<std::shared_ptr<CMMFigure>>* strokes);
    // A load reply: empties the target collection and stores each note and the document-wide one.
    // A save reply: stores each confirmed note (its changed flag cleared).
    void ReadLoadReply(const Json::Value& body);
    void ReadSaveReply(const Json::Value& body);

    // Changes since the last save are dropped: texts and strokes as the server last confirmed.
    void DiscardChanges();

    // A whiteboard page was added before page n / page n was removed: the notes follow their
    // pages by page number (page 0, the document-wide note, never moves).
    void InsertPage(int n);
    void DeletePage(int n);

private:
    NoteList m_own;
    NoteList m_receiver;
};
