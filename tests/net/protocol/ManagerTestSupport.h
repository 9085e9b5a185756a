#pragma once
// What the manager tests share: scripted sockets, a known session and MAC address, windows that
// record what the managers send them, and replies built for the frames a client wrote.
#include <gtest/gtest.h>

#include <string>

#include "tests/net/protocol/FakeTasSocket.h"
#include "tests/net/protocol/RecordingWindow.h"

class CTasClientBaseManager;

namespace prototest {

const char kTestMac[] = "0A1B2C3D4E5F";

class ManagerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Short waits so that pauses and back-off run within a test.
    static void UseShortTimings(CTasClientBaseManager& manager);
    FakeTasSocket* Socket() { return FakeSocketHub::Last(); }
    // A reply to a frame the client wrote: same ids and transaction id, a JSON header and body
    // (PHV102, or PHV106 when the request used it).
    static std::string ReplyTo(const SentFrame& request, int status, const Json::Value& body);
    // A frame the server sends of its own.
    static std::string ServerFrame(const char* version, const char* app, const char* msg, const Json::Value& body,
                                   int status = 0);

    RecordingWindow m_listener;
    RecordingWindow m_events;
};

}  // namespace prototest
