// The sticky notes' model: the item texts peers read, what a save sends, what a load keeps, and
// how notes follow their pages.
#include <gtest/gtest.h>

#include <json/json.h>

#include "tests/support/TestSupport.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/tools/StickyNotes.h"

namespace {

CMMFigure* Stroke(int x)
{
    CMMFigure* figure = new CMMFigure(Gdiplus::PointF((float)x, 1.0f), Gdiplus::PointF((float)x + 10, 20.0f), 0, 3, 1, 1.0f, L"7");
    return figure;
}

TEST(StickyItemText, KeepsThePeersConventionsAndStaysValidJson)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* message;
    } cases[] = {
        {L"plain", L"plain"},
        {L"a\r\nb", L"a\\r\\nb"},                          // CR LF -> the escapes \r\n
        {L"say \"hi\"", L"say &quot;hi&quot;"},            // quotes -> &quot;
        {L"C:\\temp\\x", L"C:\\\\temp\\\\x"},              // backslashes escaped
        {L"tab\there", L"tab\\there"},                     // other control characters escaped
        {L"\x0001", L"\\u0001"},
        {L"회의 메모", L"회의 메모"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(CStickyItemText::EscapeMessage(c.text).GetString(), c.message) << c.text;
        // The whole item parses as JSON and gives the text back with only the quote convention.
        const CString item = CStickyItemText::BuildItem(3, c.text, L"");
        Json::Value parsed;
        Json::CharReaderBuilder builder;
        std::string errors;
        const std::string utf8 = zeltest::Narrow(item.GetString());
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        ASSERT_TRUE(reader->parse(utf8.data(), utf8.data() + utf8.size(), &parsed, &errors)) << utf8;
        EXPECT_EQ(parsed["page"].asInt(), 3);
        CString expected = c.text;
        expected.Replace(L"\"", L"&quot;");
        EXPECT_STREQ(zeltest::Widen(parsed["message"].asString()).c_str(), expected.GetString());
    }
    EXPECT_STREQ(CStickyItemText::BuildItem(2, L"x", L"").GetString(),
                 L"{\"page\" : 2,\"message\" : \"x\", \"meta\" : \"\"}");
}

TEST(StickyItemText, ReceivedTextsShowLineBreaksAndQuotes)
{
    EXPECT_STREQ(CStickyItemText::UnescapeMessage(L"a\\r\\nb").GetString(), L"a\r\nb");
    EXPECT_STREQ(CStickyItemText::UnescapeMessage(L"a\\nb").GetString(), L"a\r\nb");
    EXPECT_STREQ(CStickyItemText::UnescapeMessage(L"a\nb").GetString(), L"a\r\nb");
    // Real CR LF pairs (the server keeps the parsed text) do not grow a second CR.
    EXPECT_STREQ(CStickyItemText::UnescapeMessage(L"a\r\nb").GetString(), L"a\r\nb");
    EXPECT_STREQ(CStickyItemText::UnescapeMessage(L"&quot;q&quot;").GetString(), L"\"q\"");
}

TEST(StickyNoteBook, OnlyChangedNotesAreSavedInListOrderAndStrokesGoAsMeta)
{
    CStickyNoteBook book;
    book.UpdateText(2, L"second");
    CStickyNoteBook::FindOrAdd(book.Own(), 1)->m_strText = L"unchanged";
    book.MarkDrawn(5);
    CStickyNoteBook::Find(book.Own(), 5)->m_strokes.AddTail(Stroke(1));
    const auto items = book.BuildSaveItems([](const CStickyObject&) { return CString(L"<svg 'a'/>"); });
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].GetString(), L"{\"page\" : 2,\"message\" : \"second\", \"meta\" : \"\"}");
    EXPECT_STREQ(items[1].GetString(), L"{\"page\" : 5,\"message\" : \"\", \"meta\" : \"<svg 'a'/>\"}");
    EXPECT_TRUE(book.IsModified());
}

TEST(StickyNoteBook, NotesFollowTheirPagesWhenWhiteboardPagesComeAndGo)
{
    CStickyNoteBook book;
    // Made on demand, out of page order, with the document-wide note among them.
    for (int page : {5, 1, 0, 3})
        CStickyNoteBook::FindOrAdd(book.Own(), page)->m_strText.Format(L"note %d", page);
    book.InsertPage(2);
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 6)->m_strText.GetString(), L"note 5");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 4)->m_strText.GetString(), L"note 3");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 1)->m_strText.GetString(), L"note 1");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 0)->m_strText.GetString(), L"note 0");
    EXPECT_TRUE(CStickyNoteBook::Find(book.Own(), 2)->m_strText.IsEmpty());
    book.DeletePage(4);  // the old page 3
    EXPECT_EQ(CStickyNoteBook::Find(book.Own(), 4), nullptr);
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 5)->m_strText.GetString(), L"note 5");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 1)->m_strText.GetString(), L"note 1");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 0)->m_strText.GetString(), L"note 0");
}

TEST(StickyNoteBook, DiscardPutsBackTextAndStrokesAsTheServerHasThem)
{
    CStickyNoteBook book;
    std::vector<std::shared_ptr<CMMFigure>> stored = {std::shared_ptr<CMMFigure>(Stroke(5))};
    book.AddNote(FALSE, 1, L"kept", L"20260301120000", &stored);
    CStickyObject* note = CStickyNoteBook::Find(book.Own(), 1);
    ASSERT_EQ(note->m_strokes.GetCount(), 1);
    book.UpdateText(1, L"edited");
    note->m_strokes.AddTail(Stroke(40));
    book.MarkDrawn(1);
    book.DiscardChanges();
    EXPECT_STREQ(note->m_strText.GetString(), L"kept");
    EXPECT_EQ(note->m_strokes.GetCount(), 1) << "strokes drawn since the save are gone";
    EXPECT_FALSE(book.IsModified());
}

TEST(StickyNoteBook, LoadReplyFillsTheRightCollectionAndSaveReplyConfirms)
{
    Json::Value body;
    body["attcFileId"] = "D1";
    body["messageAll"] = "all";
    body["regDateAll"] = "20260301090000";
    Json::Value item;
    item["page"] = 2;
    item["message"] = "line1\\r\\nline2 &quot;q&quot;";
    item["regDate"] = "20260301100000";
    item["meta"] = "";
    body["list"].append(item);
    CStickyNoteBook book;
    book.UpdateText(7, L"dropped by the load");
    book.ReadLoadReply(body);
    EXPECT_EQ(CStickyNoteBook::Find(book.Own(), 7), nullptr);
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 2)->m_strText.GetString(), L"line1\r\nline2 \"q\"");
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 0)->m_strText.GetString(), L"all");
    body["userIdnfr"] = 9;
    body["list"][0]["message"] = "";
    book.ReadLoadReply(body);
    EXPECT_TRUE(CStickyNoteBook::Find(book.Receiver(), 2)->m_strDate.IsEmpty()) << "an empty receiver note has no date";
    EXPECT_STREQ(CStickyNoteBook::Find(book.Own(), 2)->m_strText.GetString(), L"line1\r\nline2 \"q\"");

    book.UpdateText(2, L"new");
    book.UpdateText(3, L"other");
    Json::Value saved;
    Json::Value ok;
    ok["page"] = 2;
    ok["message"] = "new";
    ok["bResult"] = true;
    Json::Value failed = ok;
    failed["page"] = 3;
    failed["bResult"] = false;
    saved["list"].append(ok);
    saved["list"].append(failed);
    book.ReadSaveReply(saved);
    EXPECT_FALSE(CStickyNoteBook::Find(book.Own(), 2)->m_bChanged);
    EXPECT_TRUE(CStickyNoteBook::Find(book.Own(), 3)->m_bChanged) << "a refused note is sent again next time";
}

}  // namespace
