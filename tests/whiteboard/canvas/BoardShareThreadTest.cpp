#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "whiteboard/WhiteboardLog.h"
#include "whiteboard/canvas/BoardShareThread.h"

namespace {

// Records what the passes did, in order: "in", "zoom:<z>", "send:<content>".
class RecordingWork : public IBoardShareWork {
public:
    BOOL ApplyIncomingStrokes() override
    {
        std::lock_guard<std::mutex> guard(lock);
        if (incoming == 0)
            return FALSE;
        --incoming;
        log.push_back("in");
        return TRUE;
    }
    void ApplyRemoteZoom(const S_BOARD_ZOOM& zoom) override
    {
        std::lock_guard<std::mutex> guard(lock);
        log.push_back("zoom:" + std::to_string((int)zoom.zoomFactor));
    }
    void SendDrawing(const S_BOARD_CONTENT& content) override
    {
        if (throwOnSend)
            throw std::runtime_error("send failed");
        std::lock_guard<std::mutex> guard(lock);
        log.push_back("send:" + zeltest::Narrow(content.content.GetString()));
    }
    std::vector<std::string> Log()
    {
        std::lock_guard<std::mutex> guard(lock);
        return log;
    }
    std::mutex lock;
    int incoming = 0;
    bool throwOnSend = false;
    std::vector<std::string> log;
};

S_BOARD_CONTENT Content(const wchar_t* text)
{
    S_BOARD_CONTENT c;
    c.mtngId = L"M";
    c.attcFileId = L"D";
    c.page = 1;
    c.content = text;
    return c;
}

S_BOARD_ZOOM Zoom(float z)
{
    S_BOARD_ZOOM zoom;
    zoom.zoomFactor = z;
    return zoom;
}

TEST(BoardShareThread, PassOrderIncomingThenOneZoomThenOneSend)
{
    RecordingWork work;
    CBoardShareThread share(&work);
    share.QueueSend(Content(L"a"));
    share.QueueSend(Content(L"b"));
    share.QueueRemoteZoom(Zoom(2.0f));
    share.QueueRemoteZoom(Zoom(-1.0f));
    work.incoming = 1;
    while (share.RunPass()) {
    }
    // A zoom of -1 is applied as fit whole page (0).
    const std::vector<std::string> expected = {"in", "zoom:2", "zoom:0", "send:a", "send:b"};
    EXPECT_EQ(work.Log(), expected);
}

TEST(BoardShareThread, StartTwiceRunsOneThread)
{
    RecordingWork work;
    CBoardShareThread share(&work);
    EXPECT_EQ(share.Start(), 1);
    EXPECT_EQ(share.Start(), 0);
    share.Stop();
    EXPECT_FALSE(share.IsRunning());
    EXPECT_EQ(share.Start(), 1);
    share.Stop();
}

TEST(BoardShareThread, StopJoinsAndRestartSendsTheRestInOrder)
{
    RecordingWork work;
    CBoardShareThread share(&work);
    for (int i = 0; i < 5; ++i)
        share.QueueSend(Content(std::to_wstring(i).c_str()));
    ASSERT_EQ(share.Start(), 1);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return share.SendQueueSize() == 0; }, 5000));
    share.Stop();
    // Queued while stopped: kept, and sent when sharing starts again.
    for (int i = 5; i < 8; ++i)
        share.QueueSend(Content(std::to_wstring(i).c_str()));
    const size_t afterStop = work.Log().size();
    zeltest::PumpFor(150);
    EXPECT_EQ(work.Log().size(), afterStop);  // the stopped thread sends nothing
    ASSERT_EQ(share.Start(), 1);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return work.Log().size() == 8; }, 5000));
    share.Stop();
    std::vector<std::string> expected;
    for (int i = 0; i < 8; ++i)
        expected.push_back("send:" + std::to_string(i));
    EXPECT_EQ(work.Log(), expected);
}

TEST(BoardShareThread, QueueingWakesTheThreadWithoutWaitingForTheIdlePause)
{
    RecordingWork work;
    CBoardShareThread share(&work);
    ASSERT_EQ(share.Start(), 1);
    zeltest::PumpFor(50);  // the thread is idle now
    const long passesBefore = share.PassCount();
    // Twenty items one after another: with a 100 ms idle pause each, this would take 2 s.
    const DWORD start = ::GetTickCount();
    for (int i = 0; i < 20; ++i) {
        share.QueueSend(Content(L"x"));
        ASSERT_TRUE(zeltest::PumpUntil([&] { return share.SendQueueSize() == 0; }, 2000));
    }
    EXPECT_LT(::GetTickCount() - start, 1000u);
    // Idle, the thread does not spin.
    zeltest::PumpFor(300);
    EXPECT_LT(share.PassCount() - passesBefore, 20 + 2 * 20 + 10);
    share.Stop();
}

TEST(BoardShareThread, AFailingPassEndsTheThreadWithALogLineAndSharingCanStartAgain)
{
    std::vector<std::wstring> lines;
    std::mutex linesLock;
    CWhiteboardLog::Sink previous = CWhiteboardLog::SetSink([&](int level, const std::wstring& line) {
        std::lock_guard<std::mutex> guard(linesLock);
        lines.push_back(line);
    });
    RecordingWork work;
    work.throwOnSend = true;
    CBoardShareThread share(&work);
    share.QueueSend(Content(L"boom"));
    ASSERT_EQ(share.Start(), 1);
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        std::lock_guard<std::mutex> guard(linesLock);
        return !lines.empty();
    }, 5000));
    {
        std::lock_guard<std::mutex> guard(linesLock);
        EXPECT_NE(lines[0].find(L"Shared thread error : send failed"), std::wstring::npos);
    }
    zeltest::PumpFor(50);
    work.throwOnSend = false;
    EXPECT_EQ(share.Start(), 1);  // the ended thread does not block a new one
    share.QueueSend(Content(L"after"));
    EXPECT_TRUE(zeltest::PumpUntil([&] { return !work.Log().empty(); }, 5000));
    share.Stop();
    CWhiteboardLog::SetSink(previous);
}

}  // namespace
