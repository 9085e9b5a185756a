// Benchmarks of the socket library under Wine on loopback. Peers are the Python fixtures of the
// tests (ZEL_SOURCE_DIR must name the source tree):
//   Throughput/plain and Throughput/tls    MB/s of 1 MiB blocks to a peer that acknowledges each;
//                                          "_nodelay": the owner turned Nagle's algorithm off
//   EchoThroughput/plain and /tls          MB/s of 1 MiB blocks that the peer sends back whole
//   ConnectHandshake/tcp, /tls12, /tls13   from Connect to OnSocketConnect (0)
//   EventDispatch                          socket events delivered per second by 10 workers
//   CipherOnly                             AES-256-GCM of 1 MiB with the same OpenSSL, no network;
//                                          labelled with the processor features OpenSSL uses
//                                          ("portable C": built without its assembly)
#include <benchmark/benchmark.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/support/TestSupport.h"
#include "bench/support/BenchSocket.h"

namespace {

const int kWorkers = 10;

void StartLibrary()
{
    static bool started = CSocketBase::InitializeSockets(true, kWorkers) && CTCPSocketAsyncSSL::InitializeSSL();
    if (!started) std::abort();
}

// One peer per argument line, started on first use and kept for the whole run.
unsigned short Peer(const std::wstring& args)
{
    static std::vector<std::unique_ptr<std::pair<std::wstring, zeltest::PythonFixture>>> peers;
    for (auto& peer : peers)
        if (peer->first == args) return (unsigned short)peer->second.Port();
    peers.emplace_back(new std::pair<std::wstring, zeltest::PythonFixture>());
    peers.back()->first = args;
    if (!peers.back()->second.Start(L"tests/servers/socket_stream_server.py", args)) return 0;
    return (unsigned short)peers.back()->second.Port();
}


void Throughput(benchmark::State& state, bool plain, bool noDelay)
{
    StartLibrary();
    const int block = 1 << 20;
    unsigned short port = Peer(plain ? L"--tls none --mode ack --ack-every 1048576"
                                     : L"--tls any --mode ack --ack-every 1048576");
    BenchSocket* socket = new BenchSocket(plain);
    if (!port || !socket->ConnectTo(port)) {
        state.SkipWithError("no connection to the peer");
        return;
    }
    if (noDelay) {
        BOOL on = TRUE;
        setsockopt(socket->GetHandle(), IPPROTO_TCP, TCP_NODELAY, (const char*)&on, sizeof on);
    }
    const std::string data(block, 'x');
    long long acknowledged = 0;
    for (auto _ : state) {
        if (!socket->SendAll(data.data(), block) || !socket->WaitForReceived(++acknowledged)) {
            state.SkipWithError("the peer did not acknowledge");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)block);
    socket->OnSocketDelete();
}
BENCHMARK_CAPTURE(Throughput, plain, true, false)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(Throughput, tls, false, false)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(Throughput, plain_nodelay, true, true)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(Throughput, tls_nodelay, false, true)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Both directions: 1 MiB to a peer that sends every byte back, so the receive side counts too.
void EchoThroughput(benchmark::State& state, bool plain)
{
    StartLibrary();
    const int block = 1 << 20;
    unsigned short port = Peer(plain ? L"--tls none --mode echo" : L"--tls any --mode echo");
    BenchSocket* socket = new BenchSocket(plain);
    if (!port || !socket->ConnectTo(port)) {
        state.SkipWithError("no connection to the peer");
        return;
    }
    const std::string data(block, 'x');
    long long echoed = 0;
    for (auto _ : state) {
        echoed += block;
        if (!socket->SendAll(data.data(), block) || !socket->WaitForReceived(echoed)) {
            state.SkipWithError("the peer did not send everything back");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)block);
    socket->OnSocketDelete();
}
BENCHMARK_CAPTURE(EchoThroughput, plain, true)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK_CAPTURE(EchoThroughput, tls, false)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void ConnectHandshake(benchmark::State& state, const wchar_t* peerArgs, bool plain)
{
    StartLibrary();
    unsigned short port = Peer(peerArgs);
    for (auto _ : state) {
        BenchSocket* socket = new BenchSocket(plain);
        bool connected = socket->ConnectTo(port);
        socket->OnSocketDelete();
        if (!connected) {
            state.SkipWithError("connect failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(ConnectHandshake, tcp, L"--tls none --mode echo", true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ConnectHandshake, tls12, L"--tls 1.2 --mode echo", false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ConnectHandshake, tls13, L"--tls 1.3 --mode echo", false)->Unit(benchmark::kMillisecond)->UseRealTime();

// Sockets that only count forced receive events.
class CountingSocket : public CTCPSocketAsync {
public:
    explicit CountingSocket(std::atomic<long long>* counter, HANDLE done, long long target)
        : m_pCounter(counter), m_hDone(done), m_nTarget(target)
    {
    }
    BOOL OnSocketTimeout() override { return TRUE; }
    BOOL OnSocketConnect(int) override { return TRUE; }
    BOOL OnSocketAccept(int) override { return TRUE; }
    BOOL OnSocketClose(int) override { return TRUE; }
    BOOL OnSocketOOB(int) override { return TRUE; }
    BOOL OnSocketWrite(int) override { return TRUE; }
    BOOL OnSocketReceive(int) override
    {
        if (++*m_pCounter == m_nTarget) SetEvent(m_hDone);
        return TRUE;
    }

private:
    std::atomic<long long>* m_pCounter;
    HANDLE m_hDone;
    long long m_nTarget;
};

void EventDispatch(benchmark::State& state)
{
    StartLibrary();
    const int sockets = 40;
    const int perSocket = 250;
    HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    for (auto _ : state) {
        std::atomic<long long> counter{0};
        std::vector<CountingSocket*> all;
        for (int i = 0; i < sockets; ++i) {
            all.push_back(new CountingSocket(&counter, done, (long long)sockets * perSocket));
            all.back()->Create();
        }
        for (int round = 0; round < perSocket; ++round)
            for (CountingSocket* socket : all) socket->ForceReceiveEvent();
        if (WaitForSingleObject(done, 30000) != WAIT_OBJECT_0) state.SkipWithError("events went missing");
        state.PauseTiming();
        for (CountingSocket* socket : all) socket->DeleteSocketFromThreadWait();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * (int64_t)sockets * perSocket);
    CloseHandle(done);
}
BENCHMARK(EventDispatch)->Unit(benchmark::kMillisecond)->UseRealTime();

// What encryption alone costs with this OpenSSL build: the floor under the TLS throughput.
void CipherOnly(benchmark::State& state)
{
    const int block = 1 << 20;
    std::string in(block, 'x');
    std::string out(block + 32, '\0');
    unsigned char key[32] = {1};
    unsigned char iv[12] = {2};
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    for (auto _ : state) {
        int length = 0;
        EVP_EncryptInit_ex(ctx, EVP_aes_256_gcm(), nullptr, key, iv);
        EVP_EncryptUpdate(ctx, (unsigned char*)&out[0], &length, (const unsigned char*)in.data(), block);
        EVP_EncryptFinal_ex(ctx, (unsigned char*)&out[length], &length);
        benchmark::DoNotOptimize(out.data());
    }
    EVP_CIPHER_CTX_free(ctx);
    state.SetBytesProcessed(state.iterations() * (int64_t)block);
    const char* settings = OPENSSL_info(OPENSSL_INFO_CPU_SETTINGS);
    state.SetLabel(settings ? settings : "portable C");
}
BENCHMARK(CipherOnly)->Unit(benchmark::kMillisecond);

}  // namespace
