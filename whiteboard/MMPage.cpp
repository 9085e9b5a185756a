#include "whiteboard/MMPage.h"

#include <gdiplus.h>
#include <algorithm>

#include "whiteboard/PagePicture.h"
#include "whiteboard/SvgDocument.h"
#include "whiteboard/WhiteboardLog.h"

using Gdiplus::PointF;

CMMPage::CMMPage(int pageNumber) : m_nPageNumber(pageNumber)
{
}

CMMPage::~CMMPage()
{
    ReleaseImage();
}

void CMMPage::ReleaseImage()
{
    m_picture.reset();
    m_fitted.reset();
    m_bPictureTooLarge = FALSE;
    if (m_pImageStream) {
        m_pImageStream->Release();
        m_pImageStream = nullptr;
    }
}

IStream* CMMPage::StoreBytes(const BYTE* bytes, size_t length)
{
    SetLastError(0);
    IStream* stream = nullptr;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr) || !stream) {
        SetLastError((DWORD)hr);
        CWhiteboardLog::Log(2, L"create global memory error code : %d", (int)hr);
        return nullptr;
    }
    // ISequentialStream::Write takes a 32-bit count: write large images in pieces.
    size_t written = 0;
    while (SUCCEEDED(hr) && written < length) {
        const ULONG piece = (ULONG)std::min<size_t>(length - written, 0x40000000);
        ULONG done = 0;
        hr = stream->Write(bytes + written, piece, &done);
        if (SUCCEEDED(hr) && done != piece)
            hr = STG_E_MEDIUMFULL;
        written += done;
    }
    if (FAILED(hr)) {
        SetLastError((DWORD)hr);
        stream->Release();
        CWhiteboardLog::Log(2, L"image write error code : %d", (int)hr);
        return nullptr;
    }
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream;
}

BOOL CMMPage::SetImage(const BYTE* bytes, size_t length)
{
    ReleaseImage();
    IStream* stream = StoreBytes(bytes, length);
    if (!stream)
        return FALSE;
    // The size from the header where it can be read there: opening the image would decode it
    // whole on this thread (the window's), which the board's decoder does instead.
    int width = 0, height = 0;
    if (!CPagePicture::ReadSize(bytes, length, width, height)) {
        Gdiplus::Image image(stream);
        if (image.GetLastStatus() != Gdiplus::Ok) {
            stream->Release();
            return FALSE;
        }
        width = (int)image.GetWidth();
        height = (int)image.GetHeight();
    }
    m_nImageWidth = width;
    m_nImageHeight = height;
    m_pImageStream = stream;
    ++m_nImageSerial;
    return TRUE;
}

BOOL CMMPage::SetImage(const BYTE* bytes, size_t length, const std::shared_ptr<const CPagePicture>& decoded)
{
    if (!decoded)
        return SetImage(bytes, length);
    ReleaseImage();
    IStream* stream = StoreBytes(bytes, length);
    if (!stream)
        return FALSE;
    m_nImageWidth = decoded->Width();
    m_nImageHeight = decoded->Height();
    m_pImageStream = stream;
    ++m_nImageSerial;
    SetPicture(decoded);
    return TRUE;
}

void CMMPage::SetPicture(const std::shared_ptr<const CPagePicture>& picture)
{
    if (!picture || !m_pImageStream)
        return;
    // An image larger than a kept picture may be is decoded when painted, and not asked for again.
    m_bPictureTooLarge = !picture->HasPixels();
    if (m_picture != picture)
        m_fitted.reset();
    m_picture = picture->HasPixels() ? picture : nullptr;
}

void CMMPage::SetFittedPicture(const std::shared_ptr<const CPagePicture>& fitted)
{
    // Only beside the picture it was scaled from.
    m_fitted = fitted && fitted->HasPixels() && m_picture ? fitted : nullptr;
}

BOOL CMMPage::WantsFitted(SIZE fit) const
{
    if (!m_pImageStream || m_bPictureTooLarge || fit.cx <= 0 || fit.cy <= 0)
        return FALSE;
    return !m_fitted || m_fitted->Width() != fit.cx || m_fitted->Height() != fit.cy;
}

std::string CMMPage::CopyImageBytes() const
{
    std::string bytes;
    HGLOBAL memory = nullptr;
    if (!m_pImageStream || ::GetHGlobalFromStream(m_pImageStream, &memory) != S_OK || !memory)
        return bytes;
    STATSTG stat = {};
    if (m_pImageStream->Stat(&stat, STATFLAG_NONAME) != S_OK)
        return bytes;
    const void* data = ::GlobalLock(memory);
    if (data) {
        bytes.assign(static_cast<const char*>(data), (size_t)stat.cbSize.QuadPart);
        ::GlobalUnlock(memory);
    }
    return bytes;
}

BOOL CMMPage::SetImageIfAny(const BYTE* bytes, size_t length)
{
    if (!bytes || length == 0)
        return FALSE;
    return SetImage(bytes, length);
}

void CMMPage::QueueLineEvent(const CString& lineId, const PointF& point, int color, int width, float opacity,
                             int figureType)
{
    S_LINE_EVENT event;
    event.lineId = lineId;
    event.x = point.X;
    event.y = point.Y;
    event.color = color;
    event.width = width;
    event.opacity = opacity;
    event.figureType = figureType;
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_incomingQueue.push_back(event);
}

void CMMPage::QueueFigurePoints(const std::shared_ptr<CMMFigure>& figure)
{
    if (!figure)
        return;
    S_LINE_EVENT event;
    event.lineId = figure->GetLineId();
    event.color = figure->GetColor();
    event.width = figure->GetWidth();
    event.opacity = figure->GetOpacity();
    event.figureType = figure->GetFigureType();
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    for (const PointF& point : figure->GetPoints()) {
        event.x = point.X;
        event.y = point.Y;
        m_replayQueue.push_back(event);
    }
}

void CMMPage::MoveReplayEvent()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_replayQueue.empty())
        return;
    m_applyQueue.push_back(std::move(m_replayQueue.front()));
    m_replayQueue.pop_front();
}

void CMMPage::MoveIncomingEvent()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_incomingQueue.empty())
        return;
    m_applyQueue.push_back(std::move(m_incomingQueue.front()));
    m_incomingQueue.pop_front();
}

int CMMPage::GetIncomingCount()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    return (int)m_incomingQueue.size();
}

void CMMPage::ApplyEvent(const S_LINE_EVENT& event)
{
    const PointF point(event.x, event.y);
    if (m_currentFigure && m_currentFigure->LineIdRef() == event.lineId) {
        m_currentFigure->AddPoint(point);
        return;
    }
    m_currentFigure = std::make_shared<CMMFigure>(point, point, event.color, event.width, event.figureType,
                                                  event.opacity, event.lineId);
    m_sharedLayer.Add(m_currentFigure);
}

void CMMPage::ApplyNextEvent()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_applyQueue.empty())
        return;
    S_LINE_EVENT event = std::move(m_applyQueue.front());
    m_applyQueue.pop_front();
    ApplyEvent(event);
}

void CMMPage::ApplyAllEvents()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    std::deque<S_LINE_EVENT> events;
    events.swap(m_applyQueue);
    for (const S_LINE_EVENT& event : events)
        ApplyEvent(event);
}

std::shared_ptr<CMMFigure> CMMPage::GetCurrentFigure()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    return m_currentFigure;
}

void CMMPage::SetCurrentFigure(const std::shared_ptr<CMMFigure>& figure)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_currentFigure = figure;
}

void CMMPage::RemoveSharedLine(const CString& lineId)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (lineId.IsEmpty())
        m_sharedLayer.Clear();
    else
        m_sharedLayer.RemoveByLineId(lineId);
}

void CMMPage::ClearSharedLayer()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_sharedLayer.Clear();
}

CString CMMPage::ToSvg() const
{
    if (!m_ownLayer.HasFigures() && m_memos.IsEmpty())
        return CString();
    std::wstring out;
    SvgDocument::AppendHeader(out, m_nImageWidth, m_nImageHeight);
    m_ownLayer.AppendSvg(out);
    m_memos.AppendSvg(out);
    SvgDocument::AppendFooter(out);
    return CString(out.c_str(), (int)out.size());
}

std::vector<CString> CMMPage::GetMemoJsonList() const
{
    return m_memos.ToJsonList();
}
