// The message layer without a network:
//   Serialize/small, Parse/small, Memcpy/small   a catalogue request (~500 bytes)
//   Serialize/1MB, Parse/1MB, Memcpy/1MB         a body with a 1 MiB text member
//   JsonWrite/1MB, JsonParse/1MB                 the floor of the two above: jsoncpp alone writing
//                                                (styled, as the protocol sends) and reading the
//                                                same header and body values
//   Deliver/64KB, /1MB, /8MB                     a reply with a byte field of that size handed to
//                                                the client in 4095-byte chunks, as the socket
//                                                reads them, until the manager has it
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "net/protocol/JsonText.h"
#include "net/protocol/PlatformHeader.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasClient.h"
#include "net/protocol/TasClientBaseManager.h"
#include "net/protocol/TasFrameReader.h"
#include "net/protocol/TasRequest.h"
#include "tests/support/TestSupport.h"

namespace {

const CProtocolDef& Definition()
{
    static CProtocolDef def;
    static bool loaded = def.Load(zeltest::SourcePath(L"protocols/protocol.xml").c_str()) != 0;
    if (!loaded) std::abort();
    return def;
}

Json::Value Body(size_t textSize)
{
    Json::Value body;
    body["mtngId"] = "101";
    body["attcFileId"] = "3";
    body["mtngType"] = "10";
    body["page"] = 2;
    body["meta"] = std::string(textSize, 'm');
    return body;
}

CTasRequest Request(const Json::Value& body)
{
    PlatformHeader::_PHV102_VALUES v;
    v.strApplicationId = "PP01";
    v.strMessageId = "M00000010";
    v.nTransactionId = 7;
    Json::Value* header = new Json::Value;
    (*header)["userProfile"] = "profile-1001";
    (*header)["userSessionId"] = "0123456789abcdef0123456789abcdef";
    (*header)["udid"] = "";
    return CTasRequest(CTasRequest::HEADER_FORM_PHV102, PlatformHeader::BuildPhv102(v), header,
                       new Json::Value(body));
}

std::string Frame(size_t textSize)
{
    CTasRequest request = Request(Body(textSize));
    const _PROTOCOL_INFO* p = Definition().FindProtocol("PP01");
    return request.Serialize(p->headerField, p->FindMessage("M00000010")->vecRequestFields);
}

void Serialize(benchmark::State& state, size_t textSize)
{
    const _PROTOCOL_INFO* p = Definition().FindProtocol("PP01");
    CTasRequest request = Request(Body(textSize));
    size_t bytes = 0;
    for (auto _ : state) {
        std::string frame = request.Serialize(p->headerField, p->FindMessage("M00000010")->vecRequestFields);
        bytes = frame.size();
        benchmark::DoNotOptimize(frame.data());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)bytes);
}

void Parse(benchmark::State& state, size_t textSize)
{
    const std::string frame = Frame(textSize);
    CTasFrameReader reader(&Definition(), true);
    std::vector<std::shared_ptr<CTasResponse>> replies;
    for (auto _ : state) {
        replies.clear();
        reader.OnData(frame.data(), frame.size(), replies);
        if (replies.size() != 1) state.SkipWithError("frame not parsed");
        benchmark::DoNotOptimize(replies.data());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)frame.size());
}

void Memcpy(benchmark::State& state, size_t textSize)
{
    const std::string frame = Frame(textSize);
    std::string copy(frame.size(), '\0');
    for (auto _ : state) {
        std::memcpy(&copy[0], frame.data(), frame.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)frame.size());
}

// The header and body values of the request, written by jsoncpp's styled writer, and read back.
Json::Value HeaderValue()
{
    Json::Value header;
    header["userProfile"] = "profile-1001";
    header["userSessionId"] = "0123456789abcdef0123456789abcdef";
    header["udid"] = "";
    return header;
}

void JsonWrite(benchmark::State& state, size_t textSize)
{
    const Json::Value header = HeaderValue(), body = Body(textSize);
    size_t bytes = 0;
    for (auto _ : state) {
        Json::StyledWriter writer;
        std::string h = writer.write(header), b = writer.write(body);
        bytes = h.size() + b.size();
        benchmark::DoNotOptimize(h.data());
        benchmark::DoNotOptimize(b.data());
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)bytes);
}

void JsonParse(benchmark::State& state, size_t textSize)
{
    Json::StyledWriter writer;
    const std::string h = writer.write(HeaderValue()), b = writer.write(Body(textSize));
    for (auto _ : state) {
        Json::Value header, body;
        Json::Reader reader;
        if (!reader.parse(h.data(), h.data() + h.size(), header, false) ||
            !reader.parse(b.data(), b.data() + b.size(), body, false))
            state.SkipWithError("not parsed");
        benchmark::DoNotOptimize(&body);
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)(h.size() + b.size()));
}

BENCHMARK_CAPTURE(Serialize, small, 0);
BENCHMARK_CAPTURE(Parse, small, 0);
BENCHMARK_CAPTURE(Memcpy, small, 0);
BENCHMARK_CAPTURE(Serialize, 1MB, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, 1MB, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Memcpy, 1MB, 1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(JsonWrite, 1MB, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JsonParse, 1MB, 1 << 20)->Unit(benchmark::kMillisecond);

// A socket that is never used: the chunks are handed to the client directly.
class IdleSocket : public ITasSocket {
public:
    bool StartConnect(const std::string&, unsigned short) override { return true; }
    int SendBytes(const char*, int size, int&) override { return size; }
    bool IsSocketConnected() override { return true; }
    void ArmIdleTimer(unsigned long) override {}
    void SetConnectTimeout(unsigned long) override {}
    void Release() override { delete this; }
};

ITasSocket* MakeIdleSocket(std::shared_ptr<CTasSocketLink>, bool)
{
    return new IdleSocket();
}

class CountingManager : public CTasClientBaseManager {
public:
    void OnResponse(std::shared_ptr<CTasResponse> reply) override
    {
        ++replies;
        rawBytes = reply->GetRawBodyLength();
    }
    int replies = 0;
    int rawBytes = 0;
};

void Deliver(benchmark::State& state, size_t size)
{
    CTasClient::SetSocketFactory(&MakeIdleSocket);
    CountingManager manager;
    std::unique_ptr<CTasClient> client(new CTasClient(&manager, &Definition(), 1, 1));
    // M00000067: a JSON body and the pages' pictures in a byte field.
    PlatformHeader::_PHV102_VALUES v;
    v.strApplicationId = "PP01";
    v.strMessageId = "M00000067";
    std::vector<uint8_t> header = PlatformHeader::BuildPhv102(v);
    const std::string json = StyledJson(Body(64));
    std::string sections;
    const auto counted = [&sections](const std::string& bytes) {
        uint8_t n[4];
        PlatformHeader::Put32(n, (uint32_t)bytes.size());
        sections.append(reinterpret_cast<const char*>(n), 4);
        sections += bytes;
    };
    counted("{}\n");
    const uint32_t headerLength = (uint32_t)sections.size();
    counted(json);
    counted(std::string(size, '\x89'));
    PlatformHeader::Put32(&header[188], headerLength);
    PlatformHeader::Put32(&header[192], (uint32_t)sections.size() - headerLength);
    const std::string frame = std::string(header.begin(), header.end()) + sections;
    for (auto _ : state) {
        for (size_t at = 0; at < frame.size(); at += 4095)
            client->OnData(frame.data() + at, (int)std::min<size_t>(4095, frame.size() - at));
    }
    if (manager.replies != (int)state.iterations() || manager.rawBytes != (int)size)
        state.SkipWithError("replies not delivered whole");
    state.SetBytesProcessed(state.iterations() * (int64_t)frame.size());
    client.reset();
    CTasClient::SetSocketFactory(nullptr);
}

BENCHMARK_CAPTURE(Deliver, 64KB, 64 << 10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Deliver, 1MB, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Deliver, 8MB, 8 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
