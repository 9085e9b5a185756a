#pragma once
// SKIN_IMAGEPART: the IMAGE part of a skin object: a main image, tiled or stretched, and a list
// of further images one of which can be drawn over it.
#include "platform/CString.h"
#include "ui/skin/DataFileList.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImage.h"

struct SKIN_IMAGEPART {
    int m_nImageWidth = 0;
    int m_nRepeatW = 0;
    int m_nRepeatH = 0;
    CString m_strBgImage;   // resolved path
    CString m_strText;
    SKIN_FONT m_font;       // "IMAGE_"
    CDataFileList m_files;
    int m_nCurFile = 0;     // 1-based image of m_files drawn over the main image; 0 none
    SKIN_IMAGE m_image;

    SKIN_IMAGEPART() = default;
    SKIN_IMAGEPART(const SKIN_IMAGEPART& other) { *this = other; }
    SKIN_IMAGEPART& operator=(const SKIN_IMAGEPART& other)
    {
        if (this == &other)
            return *this;
        m_nImageWidth = other.m_nImageWidth;
        m_nRepeatW = other.m_nRepeatW;
        m_nRepeatH = other.m_nRepeatH;
        m_strBgImage = other.m_strBgImage;
        m_strText = other.m_strText;
        m_font = other.m_font;
        m_files.Copy(other.m_files);
        m_nCurFile = other.m_nCurFile;
        m_image = other.m_image;
        return *this;
    }
    void ReleaseImages()
    {
        m_image.Free();
        m_files.ReleaseImages();
    }
};
