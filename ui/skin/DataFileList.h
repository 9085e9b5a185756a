#pragma once
// CDataFileList: the IMAGE_FILE or COMBO_IMAGE_FILE entries of an object.
#include "ui/skin/SkinFile.h"
#include "ui/skin/SkinRecordList.h"

class CDataFileList : public CSkinRecordList<SKIN_FILE> {
public:
    POSITION Add(const SKIN_FILE& file) { return AddCopy(file); }
    CDataFileList& Copy(const CDataFileList& other)
    {
        CopyFrom(other);
        return *this;
    }
    void ReleaseImages()
    {
        ForEach([](SKIN_FILE& f) { f.m_image.Free(); });
    }
    SKIN_FILE* GetAt(int nIndex) const { return RecordAtIndex(nIndex); }
    // The image of the entry at a zero-based index, loaded on first use; null without an entry.
    Gdiplus::Image* GetImage(int nIndex) const
    {
        SKIN_FILE* p = GetAt(nIndex);
        if (!p)
            return nullptr;
        if (!p->m_image.m_pImage)
            p->m_image.Load();
        return p->m_image.m_pImage;
    }
};
