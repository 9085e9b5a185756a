#pragma once
// One page of the document open on the whiteboard: its background image, three figure layers
// (own drawing, live shared strokes, another user's drawing), two memo lists and the queues that
// carry other attendees' strokes to it point by point.
//
// The socket worker queues incoming points, the canvas' sharing thread moves and applies them to
// the live shared layer, and the user-interface thread paints and edits the page. The queues, the
// current figure and the live shared layer are therefore guarded by the page's lock; code that
// reads or changes the live shared layer from outside takes GetLock() for as long as it does.
#include <windows.h>
#include <objidl.h>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "whiteboard/LineEvent.h"
#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/MMMemoList.h"

class CPagePicture;

class CMMPage {
public:
    explicit CMMPage(int pageNumber);
    virtual ~CMMPage();
    CMMPage(const CMMPage&) = delete;
    CMMPage& operator=(const CMMPage&) = delete;

    // Keeps the encoded image bytes and reads the image's size (from the header where it can, so
    // the image is not decoded here); FALSE (no image) when they cannot be stored or are no image.
    BOOL SetImage(const BYTE* bytes, size_t length);
    BOOL SetImageIfAny(const BYTE* bytes, size_t length);
    // The same with the image decoded already (off this thread): its size is taken from the
    // picture, which the page keeps as its decoded picture when it has pixels.
    BOOL SetImage(const BYTE* bytes, size_t length, const std::shared_ptr<const CPagePicture>& decoded);
    BOOL HasImage() const { return m_pImageStream != nullptr; }
    // The stream of the encoded image (owned by the page), null without an image.
    IStream* GetImageStream() const { return m_pImageStream; }
    // Counts the images the page has had: a picture decoded from an older one is not taken.
    unsigned GetImageSerial() const { return m_nImageSerial; }
    // A copy of the encoded image's bytes (empty without an image), for decoding elsewhere.
    std::string CopyImageBytes() const;

    // The image decoded ahead, kept while the page is near the shown one (user-interface thread
    // only); the canvas draws it instead of decoding. A new image drops it.
    std::shared_ptr<const CPagePicture> GetPicture() const { return m_picture; }
    void SetPicture(const std::shared_ptr<const CPagePicture>& picture);
    void DropPicture()
    {
        m_picture.reset();
        m_fitted.reset();
    }
    // The kept picture scaled to the size the canvas fits the page to (so a turn copies it).
    std::shared_ptr<const CPagePicture> GetFittedPicture() const { return m_fitted; }
    void SetFittedPicture(const std::shared_ptr<const CPagePicture>& fitted);
    // The page's kept picture is missing or not scaled to that size (0 x 0: none wanted).
    BOOL WantsFitted(SIZE fit) const;
    // The page has an image whose picture is neither kept nor known to be too large to keep.
    BOOL WantsPicture() const { return m_pImageStream && !m_picture && !m_bPictureTooLarge; }

    void QueueLineEvent(const CString& lineId, const Gdiplus::PointF& point, int color, int width, float opacity,
                        int figureType);
    void QueueFigurePoints(const std::shared_ptr<CMMFigure>& figure);
    void MoveReplayEvent();
    void MoveIncomingEvent();
    int GetIncomingCount();
    void ApplyNextEvent();
    void ApplyAllEvents();
    std::shared_ptr<CMMFigure> GetCurrentFigure();
    void SetCurrentFigure(const std::shared_ptr<CMMFigure>& figure);

    // Empties the live shared layer (empty lineId) or removes one figure from it.
    void RemoveSharedLine(const CString& lineId);
    void ClearSharedLayer();

    CString ToSvg() const;
    std::vector<CString> GetMemoJsonList() const;

    BOOL GetModified() const { return m_bModified; }
    void SetModified(BOOL modified) { m_bModified = modified; }
    BOOL IsFavorite() const { return m_bFavorite; }
    void SetFavorite(BOOL favorite) { m_bFavorite = favorite; }

    std::recursive_mutex& GetLock() { return m_lock; }

    // Read and written directly by the board layer.
    CMMMemoList m_memos;
    CMMMemoList m_otherMemos;
    CMMFigureHolder m_ownLayer;
    CMMFigureHolder m_sharedLayer;
    CMMFigureHolder m_thirdLayer;
    int m_nPageNumber;
    BOOL m_bImageRequested = FALSE;
    BOOL m_bOtherDrawingLoaded = FALSE;
    BOOL m_bFiguresLoaded = FALSE;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    BOOL m_bApplyEvents = FALSE;

private:
    void ReleaseImage();
    // The bytes in a new stream of the page's own (at its start); null when they cannot be stored.
    static IStream* StoreBytes(const BYTE* bytes, size_t length);
    void ApplyEvent(const S_LINE_EVENT& event);

    IStream* m_pImageStream = nullptr;
    unsigned m_nImageSerial = 0;
    std::shared_ptr<const CPagePicture> m_picture;
    std::shared_ptr<const CPagePicture> m_fitted;
    BOOL m_bPictureTooLarge = FALSE;
    std::shared_ptr<CMMFigure> m_currentFigure;
    std::deque<S_LINE_EVENT> m_replayQueue;
    std::deque<S_LINE_EVENT> m_incomingQueue;
    std::deque<S_LINE_EVENT> m_applyQueue;
    BOOL m_bModified = FALSE;
    BOOL m_bFavorite = FALSE;
    mutable std::recursive_mutex m_lock;
};
