#include "app/DrawingWarmUp.h"

#include <gdiplus.h>
#include <objidl.h>

#include "platform/WinThread.h"
#include "ui/skin/ImageSave.h"
#include "core/TopDownDib.h"

namespace {

// Encodes a small picture in the format and reads it back: both codecs are loaded.
void RoundTripCodec(const wchar_t* mime)
{
    CLSID clsid = {};
    if (GetEncoderClsid(mime, &clsid) < 0)
        return;
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK || !stream)
        return;
    {
        Gdiplus::Bitmap picture(8, 8, PixelFormat24bppRGB);
        if (picture.Save(stream, &clsid, nullptr) == Gdiplus::Ok) {
            LARGE_INTEGER zero = {};
            stream->Seek(zero, STREAM_SEEK_SET, nullptr);
            Gdiplus::Bitmap decoded(stream);
            (void)decoded.GetWidth();
        }
    }
    stream->Release();
}

void DrawWithFace(HDC dc, Gdiplus::Graphics& graphics, const wchar_t* face)
{
    LOGFONTW lf = {};
    lf.lfHeight = -13;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    for (LONG weight : {FW_NORMAL, FW_BOLD}) {
        lf.lfWeight = weight;
        HFONT font = ::CreateFontIndirectW(&lf);
        HGDIOBJ old = ::SelectObject(dc, font);
        SIZE size;
        ::GetTextExtentPoint32W(dc, L"Ag\xAC00\xD55C", 4, &size);
        ::TextOutW(dc, 0, 0, L"Ag\xAC00\xD55C", 4);
        ::SelectObject(dc, old);
        ::DeleteObject(font);
    }
    Gdiplus::FontFamily family(face);
    Gdiplus::Font font(family.IsAvailable() ? &family : Gdiplus::FontFamily::GenericSansSerif(), 10.0f);
    Gdiplus::SolidBrush ink(Gdiplus::Color(255, 0, 0, 0));
    graphics.DrawString(L"Ag\xAC00\xD55C", 4, &font, Gdiplus::PointF(0, 0), &ink);
}

}  // namespace

void CDrawingWarmUp::Run(const wchar_t* const* faces)
{
    RoundTripCodec(L"image/png");
    RoundTripCodec(L"image/jpeg");
    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownDib(nullptr, 64, 64, &bits);
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (!bitmap || !dc) {
        if (bitmap)
            ::DeleteObject(bitmap);
        if (dc)
            ::DeleteDC(dc);
        return;
    }
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    {
        Gdiplus::Graphics graphics(dc);
        // Strokes as the canvas draws them: smoothed, with round caps, half transparent.
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::Pen pen(Gdiplus::Color(128, 255, 0, 0), 3.0f);
        pen.SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
        const Gdiplus::PointF points[] = {{1, 1}, {20, 30}, {40, 10}, {60, 60}};
        graphics.DrawLines(&pen, points, 4);
        for (const wchar_t* const* face = faces; face && *face; ++face)
            DrawWithFace(dc, graphics, *face);
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
}

BOOL CDrawingWarmUp::Start(const wchar_t* const* faces)
{
    if (m_pThread)
        return TRUE;
    CWinThread* thread = AfxBeginThread(ThreadProc, (LPVOID)faces, THREAD_PRIORITY_BELOW_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread)
        return FALSE;
    thread->m_bAutoDelete = FALSE;
    m_pThread = thread;
    thread->ResumeThread();
    return TRUE;
}

void CDrawingWarmUp::Wait()
{
    if (!m_pThread)
        return;
    // The worker sends no message to anyone: a plain wait cannot hold it up.
    ::WaitForSingleObject(m_pThread->m_hThread, INFINITE);
    delete m_pThread;
    m_pThread = nullptr;
}

UINT __cdecl CDrawingWarmUp::ThreadProc(LPVOID pParam)
{
    Run(static_cast<const wchar_t* const*>(pParam));
    return 0;
}
