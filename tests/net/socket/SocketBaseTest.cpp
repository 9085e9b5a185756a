// The library's start-up state and the DNS cache.
#include "net/socket/SocketBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, int> g_lookups;

hostent* WINAPI CountingLookup(const char* name)
{
    ++g_lookups[name];
    static in_addr address;
    static char* list[2];
    static hostent entry;
    if (std::string(name) == "unknown.test") return nullptr;
    address.s_addr = inet_addr(std::string(name) == "Host.test" ? "10.0.0.2" : "10.0.0.1");
    list[0] = (char*)&address;
    list[1] = nullptr;
    entry.h_addrtype = AF_INET;
    entry.h_length = 4;
    entry.h_addr_list = list;
    return &entry;
}

TEST(SocketBase, InitializeSocketsArguments)
{
    ASSERT_TRUE(CSocketBase::ShutdownSockets()) << "shutdown before any start";
    struct Case {
        bool multiThreaded;
        unsigned long threads;
        bool result;
    } cases[] = {{true, 50, true}, {true, 51, false}, {true, 0, false}, {false, 0, true}, {false, 51, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(CSocketBase::InitializeSockets(c.multiThreaded, c.threads), c.result) << c.threads;
        EXPECT_EQ(CSocketBase::IsInitialized(), c.result);
        if (c.result) {
            EXPECT_TRUE(CSocketBase::InitializeSockets(true, 7)) << "a second start";
            EXPECT_EQ(CSocketBase::GetNumberOfThreads(), c.threads) << "the second start changed the first";
            EXPECT_TRUE(CSocketBase::ShutdownSockets());
        }
    }
}

// Dotted addresses need no lookup; names are looked up once and cached by their exact spelling
// until shutdown; a name that does not resolve gives 0 and is asked again next time.
TEST(SocketBase, DnsCache)
{
    ASSERT_TRUE(CSocketBase::InitializeSockets(true, 1));
    g_lookups.clear();
    CSocketBase::SetHostLookup(CountingLookup);
    EXPECT_EQ(CSocketBase::StringToLong("127.0.0.1"), inet_addr("127.0.0.1"));
    EXPECT_TRUE(g_lookups.empty());
    EXPECT_EQ(CSocketBase::StringToLong("255.255.255.255"), inet_addr("10.0.0.1"));
    EXPECT_EQ(g_lookups["255.255.255.255"], 1);
    EXPECT_EQ(CSocketBase::ResolveDNS("host.test"), inet_addr("10.0.0.1"));
    EXPECT_EQ(CSocketBase::ResolveDNS("host.test"), inet_addr("10.0.0.1"));
    EXPECT_EQ(CSocketBase::ResolveDNS("Host.test"), inet_addr("10.0.0.2"));
    EXPECT_EQ(g_lookups["host.test"], 1);
    EXPECT_EQ(g_lookups["Host.test"], 1);
    EXPECT_EQ(CSocketBase::ResolveDNS("unknown.test"), 0u);
    EXPECT_EQ(CSocketBase::ResolveDNS("unknown.test"), 0u);
    EXPECT_EQ(g_lookups["unknown.test"], 2);
    EXPECT_STREQ(CSocketBase::LongToString(inet_addr("192.168.1.20")), "192.168.1.20");
    ASSERT_TRUE(CSocketBase::ShutdownSockets());
    ASSERT_TRUE(CSocketBase::InitializeSockets(true, 1));
    CSocketBase::ResolveDNS("host.test");
    EXPECT_EQ(g_lookups["host.test"], 2) << "the cache outlived the shutdown";
    CSocketBase::SetHostLookup(nullptr);
    ASSERT_TRUE(CSocketBase::ShutdownSockets());
}

}  // namespace
