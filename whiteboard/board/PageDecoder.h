#pragma once
// Decodes the open document's page images on a worker thread of its own, so that the pages next
// to the shown one are pictures already when the user turns to them. Each decoded picture is
// posted to a window as a heap record (S_BOARD_IMAGE with its picture) the window takes over.
// One thread, started on the first request and kept until Stop; a new request replaces those not
// yet started (the shown page moved on).
#include <windows.h>

#include <deque>

#include "platform/CriticalSection.h"
#include "platform/WorkQueue.h"
#include "whiteboard/board/BoardImageFetcher.h"

class CPageDecoder {
public:
    CPageDecoder() = default;
    CPageDecoder(const CPageDecoder&) = delete;
    CPageDecoder& operator=(const CPageDecoder&) = delete;

    // Queues the records (their bytes filled, or the picture decoded already; with a fit size the
    // picture is also scaled to it), in the order wanted, in place of every record not yet
    // started, leaving out one for the image being decoded now; the decoded records are posted to
    // the window with the message (lParam: S_BOARD_IMAGE*, deleted by the receiver). FALSE when
    // no thread could be started (the records are freed).
    BOOL Decode(HWND target, UINT message, std::deque<S_BOARD_IMAGE*> records);
    // Drops the records not yet started and waits for the one under way (the thread only posts).
    void Stop() { m_queue.Stop(); }
    // The records queued and the one under way.
    size_t PendingCount() { return m_queue.PendingCount(); }

private:
    void Run(S_BOARD_IMAGE& record);
    BOOL IsBusyWith(const S_BOARD_IMAGE& record);

    // The image being decoded now (document, page, image serial).
    CCriticalSection m_csBusy;
    CString m_strBusyDoc;
    int m_nBusyPage = 0;
    unsigned m_nBusySerial = 0;
    // Last: stopped (its thread waited for) before the members above go.
    CWorkQueue m_queue;
};
