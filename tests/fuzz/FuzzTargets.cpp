#include "tests/fuzz/FuzzTargets.h"

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <memory>

#include <json/json.h>

#include "net/protocol/JsonText.h"
#include "net/protocol/ProtocolDef.h"
#include "net/protocol/TasFrameReader.h"
#include "platform/CString.h"
#include "platform/Convert.h"
#include "tests/net/protocol/ProtocolTestSupport.h"
#include "tools/logviewer/DecodeHexLogLine.h"
#include "whiteboard/LineEventReader.h"
#include "whiteboard/MMFigureHolder.h"
#include "whiteboard/MMMemoList.h"
#include "whiteboard/MMPageManager.h"
#include "whiteboard/MemoItemReader.h"
#include "whiteboard/SvgDocument.h"
#include "whiteboard/SvgFigureReader.h"
#ifdef _WIN32
// The skin builds windows' fonts and pictures, and the log records are laid out in UTF-16 units:
// the Windows runner only.
#include "core/LogRecords.h"
#include "tools/logviewer/LogRecordReader.h"
#include "ui/skin/SkinManager.h"
#endif

namespace fuzz {

namespace {

std::unique_ptr<CProtocolDef> LoadInstalled(const char* relative)
{
    std::unique_ptr<CProtocolDef> loaded(new CProtocolDef());
    loaded->Load(WriteScratchFile(ReadSourceFile(relative)).c_str());
    return loaded;
}

// The application client's definition (JSON bodies) and the push client's (bodies laid out field
// by field, with structures).
const CProtocolDef& ApplicationDefinition()
{
    static const std::unique_ptr<CProtocolDef> def = LoadInstalled("protocols/protocol.xml");
    return *def;
}

const CProtocolDef& PushDefinition()
{
    static const std::unique_ptr<CProtocolDef> def = LoadInstalled("protocols/pps_protocol.xml");
    return *def;
}

std::string JsonFrame(const std::string& body, uint64_t tid, const char* msg)
{
    prototest::FrameSpec spec;
    spec.msg = msg;
    spec.transactionId = tid;
    spec.headerSection = prototest::Counted("{}\n");
    spec.bodySection = prototest::Counted(body);
    return prototest::MakeFrame(spec);
}

// A keep-alive and a list of push items; the byte before them (high bit set) makes the frame
// target read with the push client's definition.
std::string PushFrames()
{
    using prototest::Counted;
    using prototest::U32;
    prototest::FrameSpec keepAlive;
    keepAlive.app = "PPSE";
    keepAlive.msg = "M00000001";
    keepAlive.headerSection = Counted("{}");
    keepAlive.bodySection = U32(30);
    prototest::FrameSpec items;
    items.app = "PFAP";
    items.msg = "M00000001";
    items.headerSection = Counted("{}");
    items.bodySection = U32(2);
    for (const char* uuid : {"u-1", "u-2"})
        items.bodySection += Counted("ZEL") + Counted("zel.client") + Counted("push.meeting") +
                             Counted("{\"mtngId\":\"101\"}") + Counted(uuid) + Counted("N") + U32(1);
    return "\xC0" + prototest::MakeFrame(keepAlive) + prototest::MakeFrame(items);
}

// Figures of every type, and memos, as the client itself writes them: the readers' seeds start
// from the real formats, so the fuzzers need not find the member and attribute names on their own.
std::vector<std::shared_ptr<CMMFigure>> SampleFigures()
{
    std::vector<std::shared_ptr<CMMFigure>> figures;
    for (int type = FigureGeometry::kCurve; type <= FigureGeometry::kEllipse; ++type) {
        auto figure = std::make_shared<CMMFigure>(Gdiplus::PointF(10.0f + type, 20.0f), Gdiplus::PointF(60.0f, 85.5f),
                                                  0x3020FF, 1 + type, type, 0.5f,
                                                  CString(L"17000000000") + CString((wchar_t)(L'0' + type)));
        for (int i = 0; i < 9; ++i) figure->AddPoint(Gdiplus::PointF(90.0f + 7 * i, 40.0f - 3 * i));
        figures.push_back(figure);
    }
    return figures;
}

std::vector<std::shared_ptr<CMMMemo>> SampleMemos()
{
    return {std::make_shared<CMMMemo>(Gdiplus::PointF(30, 40), CString(L"\uBA54\uBAA8\r\n\"two\" \\ lines"), 2, 3),
            std::make_shared<CMMMemo>(Gdiplus::PointF(-5, 99999), CString(L"x"), 9, 0)};
}

const std::vector<std::string> kJsonTokens = {"{", "}", "[", "]", "\"", ":", ",", "\\u0000", "\\\"", "null",
                                              "true", "-1", "1e999", "\"line\":", "\"points\":", "\"lineId\":",
                                              "\"x\":", "\"y\":", "\"mode\":", "\"insert\"", "\"delete\"",
                                              "\"isLastLine\":", "\"message\":", "\"memoXpoint\":",
                                              "\"memoYpoint\":", "\"memoBGColor\":"};
const std::vector<std::string> kXmlTokens = {"<", ">", "</", "/>", "=\"", "\"", "<!--", "-->", "<![CDATA[",
                                             "&amp;", "&#x0;", "<g>", "</g>", "<svg>", "</svg>", "\xEF\xBB\xBF",
                                             " stroke-opacity=\"", " stroke-width=\"", " figuretype=\"",
                                             " points=\"", " rx=\"", "M ", " L "};

std::vector<STarget> MakeTargets()
{
    std::vector<STarget> targets;

    targets.push_back({"frame",
                       [] {
                           return std::vector<std::string>{
                               JsonFrame("{\"userName\":\"\xEA\xB9\x80\"}", 1, "M00000001"),
                               JsonFrame("{\"list\":[{\"mtngId\":\"101\"}]}", 2, "M00000003") +
                                   JsonFrame("{}", 3, "M00000005"),
                               JsonFrame("{\"image\":\"x\"}", 4, "M00000006") + prototest::Counted("\x89PNG"),
                               PushFrames()};
                       },
                       {"PHV102", "PHV106", "PHV101", "PP01", "PPSE", "PFAP", "M00000001", "\xFF\xFF\xFF\xFF",
                        std::string(4, '\0')},
                       [](const std::string& input) {
                           // The first byte chooses the chunk size, as a network cuts a stream, and
                           // with its high bit the push client's reader instead of the application's.
                           const unsigned char first = input.empty() ? 0 : (unsigned char)input[0];
                           const bool push = (first & 0x80) != 0;
                           CTasFrameReader reader(push ? &PushDefinition() : &ApplicationDefinition(), !push);
                           std::vector<std::shared_ptr<CTasResponse>> replies;
                           const size_t chunk = 1 + first % 97;
                           for (size_t i = 0; i < input.size(); i += chunk)
                               if (!reader.OnData(input.data() + i, std::min(chunk, input.size() - i), replies)) break;
                           // Whatever a reply's body holds, written out again it is one JSON text.
                           for (const std::shared_ptr<CTasResponse>& reply : replies) {
                               Json::Value back;
                               if (reply->GetBody() && !ParseJsonText(StyledJson(*reply->GetBody()), back)) std::abort();
                           }
                       },
                       1 << 16});

    targets.push_back({"protocol_definition",
                       [] {
                           return std::vector<std::string>{ReadSourceFile("protocols/protocol.xml"),
                                                           ReadSourceFile("protocols/pps_protocol.xml"),
                                                           ReadSourceFile("protocols/tds_protocol.xml"),
                                                           ReadSourceFile("protocols/tvt_protocol.xml"),
                                                           prototest::kTestDefinition};
                       },
                       kXmlTokens,
                       [](const std::string& input) {
                           CProtocolDef def;
                           def.Load(WriteScratchFile(input).c_str());
                       },
                       1 << 18});

    targets.push_back({"svg_figures",
                       [] {
                           std::wstring page;
                           SvgDocument::AppendHeader(page, 1000, 800);
                           CMMMemoList memos;
                           for (const auto& figure : SampleFigures()) figure->AppendSvg(page);
                           for (const auto& memo : SampleMemos()) memos.Add(memo);
                           memos.AppendSvg(page);
                           SvgDocument::AppendFooter(page);
                           std::vector<const CMMFigure*> strokes;
                           const auto figures = SampleFigures();
                           for (const auto& figure : figures) strokes.push_back(figure.get());
                           return std::vector<std::string>{
                               WideToUtf8(CString(page.c_str(), (int)page.size())),
                               WideToUtf8(SvgDocument::PenCanvasDocument(strokes, 500, 400)),
                               "<svg width=\"1000\" height=\"800\"><g><path d=\"M 10 10 L 20 20 L 30 10\" "
                               "style=\"stroke:rgb(255,0,0);stroke-width:3;opacity:0.5\" id=\"1700000000001\"/></g>"
                               "<rect x=\"5\" y=\"6\" width=\"50\" height=\"40\" style=\"stroke:#00ff00\"/></svg>",
                               "<svg viewBox=\"0 0 100 100\"><ellipse cx=\"5\" cy=\"5\" rx=\"3\" ry=\"2\"/>"
                               "<line x1=\"0\" y1=\"0\" x2=\"9\" y2=\"9\"/></svg>"};
                       },
                       kXmlTokens,
                       [](const std::string& input) {
                           CMMFigureHolder holder;
                           // What is read is written again when the page is saved or sent on.
                           if (CSvgFigureReader::Read(input, 1000, 800, holder)) holder.ToSvg();
                       },
                       1 << 18});

    targets.push_back({"line_events",
                       [] {
                           std::vector<std::string> seeds{
                               "{\"line\":{\"mode\":\"insert\",\"lineId\":\"L1\",\"color\":\"#ff0000\",\"width\":3,"
                               "\"points\":[[1,2],[3,4],[5,6]],\"end\":\"N\"}}",
                               "{\"line\":{\"mode\":\"delete\",\"lineId\":\"L1\"}}",
                               "{\"line\":{\"mode\":\"insert\",\"lineId\":\"L2\",\"points\":[{\"x\":1,\"y\":2}]}}",
                               "{\"line\":{\"mode\":\"insert\",\"lineId\":\"L3\",\"Red\":255,\"Green\":0,\"Blue\":9,"
                               "\"width\":3,\"opacity\":0.5,\"figuretype\":0,\"imgW\":1000,\"imgH\":800,\"isLastLine\":true,"
                               "\"points\":[{\"x\":1,\"y\":2},{\"x\":3.5,\"y\":4}]}}",
                               "[{\"mode\":\"insert\",\"lineId\":\"F1\",\"Red\":1,\"width\":2,\"opacity\":1,\"figuretype\":3,"
                               "\"imgW\":500,\"imgH\":400,\"isLastLine\":false,\"points\":[{\"x\":1,\"y\":2},{\"x\":30,\"y\":40}]},"
                               "{\"mode\":\"insert\",\"lineId\":\"F1\",\"isLastLine\":true,\"points\":[{\"x\":5,\"y\":6}]},"
                               "{\"mode\":\"delete\",\"lineId\":\"F0\"}]"};
                           // Each figure as its insert chunks and its delete event, and all of them as
                           // a page's stored figure list.
                           std::string list = "[";
                           for (const auto& figure : SampleFigures()) {
                               const int type = figure->GetFigureType();
                               const std::string first = WideToUtf8(figure->ToInsertJson(1000, 800, type, FALSE));
                               const std::string last = WideToUtf8(figure->ToInsertJson(500, 400, type, TRUE));
                               const std::string removal = WideToUtf8(figure->ToDeleteJson());
                               seeds.insert(seeds.end(), {first, last, removal});
                               // The list holds the events' line objects.
                               for (const std::string* event : {&first, &last, &removal})
                                   list += event->substr(8, event->size() - 9) + ",";
                           }
                           list.back() = ']';
                           seeds.push_back(list);
                           return seeds;
                       },
                       kJsonTokens,
                       [](const std::string& input) {
                           Json::Value content;
                           if (!CLineEventReader::ParseContent(input.data(), input.size(), content)) return;
                           if (content.isArray()) {
                               // A page's stored figure list, replayed onto a layer.
                               CMMFigureHolder layer;
                               std::shared_ptr<CMMFigure> building;
                               CLineEventReader::ReadFigureList(content, 1000, 800, layer, building);
                               layer.ToSvg();
                               return;
                           }
                           // A live event, then what the sharing thread does with the points queued.
                           CMMPageManager pages;
                           pages.CreatePages(3);
                           if (CLineEventReader::ApplyDrawingEvent(pages, 1, content) == CLineEventReader::kQueued) {
                               const std::shared_ptr<CMMPage> page = pages.GetPage(1);
                               while (page->GetIncomingCount() > 0) page->MoveIncomingEvent();
                               page->ApplyAllEvents();
                               page->m_sharedLayer.ToSvg();
                           }
                       },
                       1 << 16});

    targets.push_back({"memo_items",
                       [] {
                           std::vector<std::string> seeds{
                               "[{\"lineId\":\"M1\",\"x\":\"10\",\"y\":\"20\",\"color\":\"1\",\"message\":\"\xEB\xA9\x94\xEB\xAA\xA8\\r\\n2\"}]",
                               "[{\"lineId\":\"M2\",\"x\":\"-5\",\"y\":\"99999\",\"message\":\"\\\"q\\\\\"}, {}]",
                               "[{\"memoXpoint\":\"10\",\"memoYpoint\":\"20\",\"memoBGColor\":\"2\",\"messageColor\":\"3\","
                               "\"message\":\"\xEB\xA9\x94\xEB\xAA\xA8\\r\\n2\"},"
                               "\"{\\\"memoXpoint\\\":\\\"-5\\\",\\\"memoYpoint\\\":\\\"6\\\",\\\"message\\\":\\\"x\\\"}\"]"};
                           // Memos as the client writes them: one item, and a page's list.
                           CMMMemoList memos;
                           for (const auto& memo : SampleMemos()) memos.Add(memo);
                           std::string list = "[";
                           for (const CString& item : memos.ToJsonList()) list += WideToUtf8(item) + ",";
                           list.back() = ']';
                           seeds.push_back(list);
                           seeds.push_back(WideToUtf8(memos.ToJsonList().front()));
                           return seeds;
                       },
                       kJsonTokens,
                       [](const std::string& input) {
                           // Read as the whiteboard reads its JSON texts: with its size and nesting caps.
                           Json::Value items;
                           if (!CLineEventReader::ParseContent(input.data(), input.size(), items)) return;
                           // Memos read are written again when the page is saved or sent on.
                           if (items.isArray()) {
                               CMMMemoList list;
                               CMemoItemReader::ReadList(items, list);
                               list.ToSvg();
                               list.ToJsonList();
                           } else if (const std::shared_ptr<CMMMemo> memo = CMemoItemReader::ReadItem(items)) {
                               memo->ToJson(1);
                           }
                       },
                       1 << 16});

    targets.push_back({"hex_log_line",
                       [] {
                           return std::vector<std::string>{"EAB980EBAFBCECA49020", "[2024-12-27 10:00:00]414243",
                                                           "F09F9880"};
                       },
                       {"0", "F", "[", "]", "\r\n", "ZZ"},
                       [](const std::string& input) { DecodeHexLogLine(CString(Utf8ToWide(input))); },
                       1 << 14});
#ifdef _WIN32
    targets.push_back({"skin",
                       [] { return std::vector<std::string>{ReadSourceFile("skin/ZEL.kor.skin")}; },
                       kXmlTokens,
                       [](const std::string& input) {
                           CSkinManager skin;
                           skin.LoadSkinFile(CString(WriteScratchFile(input).c_str()));
                       },
                       1 << 18});

    targets.push_back({"log_records",
                       [] {
                           // A short line record: level, then text, as the loggers send it.
                           std::string line(4, '\0');
                           line[0] = 2;
                           const std::wstring text = L"C:\\log\\ZELLog.txt";
                           line.append(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2);
                           return std::vector<std::string>{line, std::string(64, 'A'), std::string(9056, '\0')};
                       },
                       {std::string(2, '\0'), "\xFF\xFE"},
                       [](const std::string& input) {
                           // The first byte picks the record kind the sender claims.
                           const ULONG_PTR kinds[] = {LOGCOPY_REGISTER, LOGCOPY_LINE, LOGCOPY_SHORTLINE, 77};
                           const ULONG_PTR kind = input.empty() ? kinds[0] : kinds[(unsigned char)input[0] % 4];
                           S_LOG_RECORD record;
                           ReadLogRecord(kind, input.size() > 1 ? input.data() + 1 : nullptr,
                                         input.size() > 1 ? (DWORD)input.size() - 1 : 0, &record);
                       },
                       1 << 15});

#endif
    return targets;
}

}  // namespace

const std::vector<STarget>& Targets()
{
    static const std::vector<STarget> targets = MakeTargets();
    return targets;
}

const STarget* FindTarget(const std::string& name)
{
    for (const STarget& target : Targets())
        if (name == target.name) return &target;
    return nullptr;
}

}  // namespace fuzz
