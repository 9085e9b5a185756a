#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <vector>

#include "core/MeetingDocument.h"
#include "features/documents/MeetingDocRows.h"

namespace {

class DocRows : public ::testing::Test {
protected:
    // Documents named by their ids; a trailing "*" marks a reference document.
    std::vector<CMeetingDocument*> Docs(std::initializer_list<const char*> ids)
    {
        std::vector<CMeetingDocument*> out;
        for (const char* id : ids) {
            std::string s(id);
            Json::Value v;
            const bool ref = !s.empty() && s.back() == '*';
            if (ref) s.pop_back();
            v["attcFileId"] = s;
            v["refDocYn"] = ref ? "Y" : "N";
            m_docs.push_back(std::make_unique<CMeetingDocument>());
            m_docs.back()->LoadFromJson(v);
            out.push_back(m_docs.back().get());
        }
        return out;
    }
    std::vector<std::unique_ptr<CMeetingDocument>> m_docs;
    CMeetingDocRows rows;
};

TEST_F(DocRows, AHeaderStandsBeforeTheFirstReferenceDocumentAndRowsMapToDocuments)
{
    rows.SetDocuments(Docs({"A", "B", "R1*", "R2*"}), FALSE);
    ASSERT_EQ(rows.GetRowCount(), 5);
    EXPECT_EQ(rows.GetHeaderRow(), 2);
    EXPECT_EQ(rows.GetRowDocument(2), nullptr);
    EXPECT_EQ(rows.GetRowDocument(3)->GetFileId(), CString(L"R1"));
    EXPECT_EQ(rows.RowToDocumentIndex(3), 2);
    EXPECT_EQ(rows.RowToDocumentIndex(1), 1);
    EXPECT_EQ(rows.GetReferenceCount(), 2);
    EXPECT_EQ(rows.GetDocumentCount(), 4);
    EXPECT_EQ(rows.GetMainDocumentCount(), 2);
    rows.SetDocuments(Docs({"A", "B"}), FALSE);
    EXPECT_EQ(rows.GetHeaderRow(), -1);
    EXPECT_EQ(rows.RowToDocumentIndex(1), 1);
    rows.SetDocuments(Docs({"A", "R1*"}), TRUE);
    EXPECT_EQ(rows.GetRowCount(), 0);
}

TEST_F(DocRows, PastTheMainDocumentsMeansPastTheLastOneWhenThereIsNoReference)
{
    struct Case {
        std::vector<const char*> ids;
        int index;
        BOOL beyond;
    } cases[] = {
        {{"A", "B", "R1*"}, 1, FALSE}, {{"A", "B", "R1*"}, 2, TRUE}, {{"A", "B", "R1*"}, 3, TRUE},
        {{"A", "B"}, 0, FALSE},        {{"A", "B"}, 1, FALSE},       {{"A", "B"}, 2, TRUE},
        {{}, 0, TRUE},
    };
    for (const Case& c : cases) {
        std::vector<CMeetingDocument*> docs;
        for (const char* id : c.ids) docs.push_back(Docs({id})[0]);
        rows.SetDocuments(docs, FALSE);
        EXPECT_EQ(rows.IsPageBeyond(c.index), c.beyond) << c.ids.size() << " documents, index " << c.index;
    }
}

TEST_F(DocRows, AnEmptyListHoldsNoDocument)
{
    EXPECT_FALSE(rows.HasDocument(L"A"));
    rows.SetDocuments(Docs({"A", "R1*"}), FALSE);
    EXPECT_TRUE(rows.HasDocument(L"R1"));
    EXPECT_FALSE(rows.HasDocument(L"C"));
    EXPECT_FALSE(rows.HasDocument(L""));
}

}  // namespace
