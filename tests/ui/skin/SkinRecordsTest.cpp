// The skin records: what a copy takes and leaves, owning lists, the object list's order and
// visibility rules, rectangle helpers, and the font made from a slot.
#include <gtest/gtest.h>

#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinValues.h"

namespace {

std::wstring Picture(const wchar_t* name)
{
    const std::wstring path = skintest::FixtureFolder() + L"\\" + name;
    skintest::WritePicture(path, 8, 4, [](int, int) { return 0xFF336699u; });
    return path;
}

TEST(SkinRecords, ScreenCopyTakesPathsButNoLoadedImages)
{
    skintest::EnsureGdiplus();
    const std::wstring path = Picture(L"copy.png");
    SKIN_SCREEN master;
    master.m_strName = L"S";
    master.m_strBgImage = path.c_str();
    master.m_image.m_strPath = path.c_str();
    master.m_image.Load();
    master.m_pOwner = reinterpret_cast<CWnd*>(1);
    master.m_nSelObjectId = 5;
    SKIN_OBJECT button;
    button.m_nId = 1;
    button.m_nType = SKINTYPE_BUTTON;
    button.m_button.m_imageOut.m_strPath = path.c_str();
    button.m_button.m_imageOut.Load();
    master.m_objects.Add(button);
    ASSERT_NE(master.m_image.GetUsable(), nullptr);

    SKIN_SCREEN copy;
    copy = master;
    EXPECT_EQ(copy.m_strName, CString(L"S"));
    EXPECT_EQ(copy.m_image.m_strPath, CString(path.c_str()));
    EXPECT_EQ(copy.m_image.m_pImage, nullptr);
    EXPECT_EQ(copy.m_pOwner, nullptr);
    EXPECT_EQ(copy.m_nSelObjectId, 0);
    const SKIN_OBJECT* copied = copy.FindObjectById(1);
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, master.FindObjectById(1));
    EXPECT_EQ(copied->m_button.m_imageOut.m_pImage, nullptr);
    EXPECT_EQ(copied->m_button.m_imageOut.m_strPath, CString(path.c_str()));
    copy.m_objects.RecordAtIndex(0)->m_button.m_imageOut.Load();
    EXPECT_NE(copied->m_button.m_imageOut.GetUsable(), nullptr);
}

TEST(SkinRecords, ObjectCopyKeepsTheDestinationScaleAndFlexModeAndItsOwnBackPointers)
{
    SKIN_OBJECT source;
    source.m_fScale = 2.0f;
    source.m_nFlexMode = 3;
    source.m_strName = L"src";
    source.m_nState = 2;
    source.m_nHover = 1;
    source.m_date.m_nDateType = 2;
    source.m_combo.SetItems(L"a\\nb");
    SKIN_OBJECT dest;
    dest.m_fScale = 1.25f;
    dest.m_nFlexMode = 1;
    dest = source;
    EXPECT_EQ(dest.m_fScale, 1.25f);
    EXPECT_EQ(dest.m_nFlexMode, 1);
    EXPECT_EQ(dest.m_strName, CString(L"src"));
    EXPECT_EQ(dest.m_nState, 2);
    EXPECT_EQ(dest.m_nHover, 1);
    EXPECT_EQ(dest.m_date.m_nDateType, 2);
    EXPECT_EQ(dest.m_date.m_pObject, &dest);
    EXPECT_EQ(dest.m_combo.m_pObject, &dest);
    EXPECT_EQ(dest.m_combo.m_items.GetCount(), 2);
    EXPECT_NE(dest.m_combo.GetItemAt(0), source.m_combo.GetItemAt(0));
    SKIN_OBJECT constructed(source);
    EXPECT_EQ(constructed.m_fScale, 1.0f);
    EXPECT_EQ(constructed.m_combo.m_pObject, &constructed);
}

TEST(SkinRecords, DateCopyLeavesSegmentsAndPressedFlags)
{
    SKIN_DATE a;
    a.m_rcDate = CRect(1, 2, 3, 4);
    a.m_bDatePressed = 1;
    a.m_strFormat = L"yyyy|";
    SKIN_DATE b;
    b = a;
    EXPECT_EQ(b.m_strFormat, CString(L"yyyy|"));
    EXPECT_TRUE(CRect(b.m_rcDate).IsRectNull());
    EXPECT_EQ(b.m_bDatePressed, 0);
}

TEST(SkinRecords, FileListLoadsEachImageOnceAndAnswersNullPastTheEnd)
{
    skintest::EnsureGdiplus();
    CDataFileList files;
    SKIN_FILE f;
    f.m_strFile = L"$(TARGETDIR)\\x.png";
    f.m_image.m_strPath = Picture(L"file.png").c_str();
    files.Add(f);
    EXPECT_EQ(files.GetImage(1), nullptr);
    EXPECT_EQ(files.GetImage(-1), nullptr);
    Gdiplus::Image* first = files.GetImage(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(files.GetImage(0), first);
    EXPECT_EQ(first->GetWidth(), 8u);
    files.ReleaseImages();
    EXPECT_EQ(files.GetAt(0)->m_image.m_pImage, nullptr);
}

TEST(SkinRecords, AMissingPictureGivesAnImageThatIsNotUsable)
{
    skintest::EnsureGdiplus();
    SKIN_IMAGE image;
    image.m_strPath = L"Z:\\nowhere\\missing.png";
    EXPECT_NE(image.Load(), nullptr);
    EXPECT_EQ(image.GetUsable(), nullptr);
    SKIN_IMAGE none;
    EXPECT_EQ(none.Load(), nullptr);
}

TEST(SkinRecords, FontCopyKeepsTheDestinationsGdiFontUntilRemade)
{
    SKIN_FONT a;
    a.m_nSize = 30;
    ASSERT_TRUE(a.CreateFont());
    HGDIOBJ before = a.m_font.GetSafeHandle();
    SKIN_FONT b;
    b.m_nSize = 10;
    a = b;
    EXPECT_EQ(a.m_font.GetSafeHandle(), before);
    EXPECT_EQ(a.m_nSize, 10);
    ASSERT_TRUE(a.CreateFont());
    LOGFONT lf;
    a.m_font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -10);
}

TEST(SkinRecords, ALongFaceNameIsCutToWhatTheFontRecordHolds)
{
    SKIN_FONT font;
    font.m_strFaceName = CString(L'F', 80);
    font.m_nBold = 1;
    font.m_nItalic = 0x101;
    const LOGFONT lf = font.MakeLogFont();
    EXPECT_EQ(wcslen(lf.lfFaceName), size_t(LF_FACESIZE - 1));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);   // the low byte
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_TRUE(font.CreateFont());
}

TEST(SkinRecords, ObjectListKeepsIndexOrderWithAddOrderForTies)
{
    CDataObjectList list;
    const int indexes[] = {5, 1, 5, 3, 1};
    for (int i = 0; i < 5; ++i) {
        SKIN_OBJECT o;
        o.m_nId = i + 1;
        o.m_nIndex = indexes[i];
        list.Add(o);
    }
    const int ids[] = {2, 5, 4, 1, 3};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.FindAtPos(i)->m_nId, ids[i]);
    list.Swap(list.FindById(2), list.FindById(3));
    EXPECT_EQ(list.FindAtPos(0)->m_nId, 3);
    EXPECT_EQ(list.FindAtPos(4)->m_nId, 2);
    EXPECT_EQ(list.FindAtPos(4)->m_nIndex, 4);
    list.MoveAfter(list.FindById(3), list.FindById(1));
    EXPECT_EQ(list.FindAtPos(2)->m_nId, 1);
    EXPECT_EQ(list.FindAtPos(3)->m_nId, 3);
    list.RemoveById(4);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetMaxId(), 5);
    list.AddNew(L"new", SKINTYPE_TEXT, CRect(0, 0, 1, 1));
    EXPECT_EQ(list.FindByName(L"new")->m_nId, 6);
    EXPECT_EQ(list.FindByName(L"new")->m_nIndex, 4);
}

TEST(SkinRecords, VisibilityRulesFollowTheParentChain)
{
    CDataObjectList list;
    struct Spec {
        int id, parent, visible, gone, shown;
    };
    const Spec specs[] = {{1, 0, 1, 0, 1}, {2, 1, 1, 0, 1}, {3, 2, 1, 0, 1}, {4, 0, 0, 0, 1},
                          {5, 4, 1, 0, 1}, {6, 0, 1, 1, 1}, {7, 6, 1, 0, 1}, {8, 99, 1, 0, 1}, {9, 1, 1, 0, 0}, {10, 9, 1, 0, 1}};
    for (const Spec& s : specs) {
        SKIN_OBJECT o;
        o.m_nId = s.id;
        o.m_nIndex = s.id;
        o.m_nParentIdx = s.parent;
        o.m_nVisible = s.visible;
        o.m_nGone = s.gone;
        o.m_bShown = s.shown;
        list.Add(o);
    }
    struct Expect {
        int id;
        bool live;
    };
    const Expect expects[] = {{1, true},  {2, true},  {3, true},   {4, false}, {5, false},
                              {6, false}, {7, false}, {8, false}, {9, false}, {10, false}};
    for (const Expect& e : expects)
        EXPECT_EQ(list.IsLive(list.FindById(e.id)) != FALSE, e.live) << e.id;
    EXPECT_TRUE(list.IsDescendant(1, 3));
    EXPECT_FALSE(list.IsDescendant(3, 3));
    EXPECT_FALSE(list.IsGoneChain(8));
    EXPECT_TRUE(list.IsGoneChain(7));
    EXPECT_FALSE(list.IsVisibleChain(8));
    EXPECT_EQ(list.FindPrevSibling(list.FindById(6))->m_nId, 4);
    EXPECT_EQ(list.FindNextSibling(list.FindById(4))->m_nId, 6);
}

TEST(SkinRecords, ContentRectangleTakesScaledMarginsBorderAndScaledPaddings)
{
    SKIN_OBJECT o;
    o.m_rcObject = CRect(0, 0, 100, 50);
    o.m_fScale = 1.5f;
    o.m_nMargin = 2;
    o.m_nMarginL = 5;
    o.m_nBorderSize = 1;
    o.m_nPaddingT = 3;
    CRect r;
    o.GetContentRect(r, nullptr);
    EXPECT_TRUE(r.EqualRect(CRect(7 + 1, 3 + 1 + 4, 100 - 3 - 1, 50 - 3 - 1)));
    const POINT offset = {10, 20};
    o.GetContentRect(r, &offset);
    EXPECT_EQ(r.left, 18);
    EXPECT_EQ(r.top, 28);
    SKIN_OBJECT none;
    none.m_rcObject = CRect(1, 2, 3, 4);
    none.GetContentRect(r, nullptr);
    EXPECT_TRUE(r.EqualRect(CRect(1, 2, 3, 4)));
}

TEST(SkinRecords, CustomListOperations)
{
    CDataCustomList list;
    list.AddNamed(L"Alpha");
    list.AddNamed(L"beta");
    EXPECT_EQ(list.GetMaxId(), 2);
    EXPECT_EQ(list.FindByName(L"ALPHA")->m_nId, 1);
    SKIN_CUSTOM out;
    EXPECT_NE(list.CopyByName(L"Beta", out), nullptr);
    EXPECT_EQ(out.m_nId, 2);
    list.RemoveById(1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0)->m_strName, CString(L"beta"));
    EXPECT_EQ(list.GetAt(3), nullptr);
    CDataCustomList other;
    other.Copy(list);
    EXPECT_EQ(other.GetCount(), 1);
    EXPECT_NE(other.GetAt(0), list.GetAt(0));
}

} // namespace
