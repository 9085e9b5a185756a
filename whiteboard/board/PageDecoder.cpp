#include "whiteboard/board/PageDecoder.h"

#include <exception>
#include <memory>

#include "platform/SingleLock.h"
#include "whiteboard/PagePicture.h"
#include "whiteboard/WhiteboardLog.h"

BOOL CPageDecoder::IsBusyWith(const S_BOARD_IMAGE& record)
{
    CSingleLock lock(&m_csBusy, TRUE);
    return m_nBusyPage && record.page == m_nBusyPage && record.serial == m_nBusySerial && record.docId == m_strBusyDoc;
}

BOOL CPageDecoder::Decode(HWND target, UINT message, std::deque<S_BOARD_IMAGE*> records)
{
    m_queue.DropQueued();
    // Owned from here on: a record whose job is dropped is freed with it.
    std::deque<std::shared_ptr<S_BOARD_IMAGE>> owned;
    for (S_BOARD_IMAGE* record : records)
        owned.emplace_back(record);
    for (const std::shared_ptr<S_BOARD_IMAGE>& record : owned) {
        if (IsBusyWith(*record))
            continue;
        const BOOL added = m_queue.Add([this, record, target, message] {
            Run(*record);
            // The window takes over a record of its own; the queued one goes with its job.
            S_BOARD_IMAGE* posted = new S_BOARD_IMAGE(std::move(*record));
            if (!::PostMessageW(target, message, 0, (LPARAM)posted))
                delete posted;
        });
        if (!added) {
            CWhiteboardLog::Log(4, L"Page decoder: the thread could not be created");
            return FALSE;
        }
    }
    return TRUE;
}

void CPageDecoder::Run(S_BOARD_IMAGE& record)
{
    {
        CSingleLock lock(&m_csBusy, TRUE);
        m_strBusyDoc = record.docId;
        m_nBusyPage = record.page;
        m_nBusySerial = record.serial;
    }
    try {
        if (!record.picture)
            record.picture = CPagePicture::Decode(reinterpret_cast<const BYTE*>(record.bytes.data()), record.bytes.size());
        if (record.picture && record.fit.cx > 0 && record.fit.cy > 0)
            record.fitted = record.picture->ScaledTo(record.fit.cx, record.fit.cy);
        record.ok = record.picture != nullptr;
    } catch (const std::exception& e) {
        record.ok = FALSE;
        CWhiteboardLog::Log(4, L"Page decoder: page %d failed: %hs", record.page, e.what());
    } catch (...) {
        record.ok = FALSE;
        CWhiteboardLog::Log(4, L"Page decoder: page %d failed", record.page);
    }
    record.bytes.clear();
    CSingleLock lock(&m_csBusy, TRUE);
    m_nBusyPage = 0;
}
