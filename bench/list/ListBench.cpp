// The meeting list with a day of 200 meetings, against the cost of one BitBlt of the whole list
// window, measured in the same run:
//   BM_ListReplyToPaint/1   the first page's reply (30 meetings of 200) handed to the screen as the
//                           server client hands it, until the list is painted
//   BM_ListReplyToPaint/7   all seven page replies, one after the other, until the 200 rows are
//                           painted
//   BM_ListPageScroll       the filled list scrolled by one page and painted
//   BM_FullWindowBlit       the floor: one BitBlt of the list window's size
// Run under Wine with a display (scripts/wine-env.sh); ZEL_BINARY_DIR must name the build tree.
#include <winsock2.h>

#include <benchmark/benchmark.h>

#include <json/json.h>

#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/MessageBox.h"
#include "screens/list/ListScreenMaker.h"
#include "screens/list/MainLayer.h"
#include "tests/screens/login/LoginInput.h"
#include "tests/support/TestSupport.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/SkinManager.h"

namespace {

const int kMeetings = 200;
const int kPageSize = 30;
const int kPages = (kMeetings + kPageSize - 1) / kPageSize;

bool Setup()
{
    static bool done = false;
    static bool ok = false;
    if (done) return ok;
    done = true;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    zel::SetMessageBoxHook([](LPCTSTR, LPCTSTR, UINT) { return IDOK; });
    static logintest::ResourceLibrary resources(L"Res_Kor.dll");
    const std::wstring bin = zeltest::BinaryDir() + L"\\bin\\";
    g_SkinManager.SetProgramFolder(bin.c_str());
    // The screen asks for the user information only when the employee number is missing.
    CLoginManager::GetInstance()->SetSawonNo(L"kim");
    ok = resources.Module() && g_SkinManager.LoadSkin(L"ZEL.kor.skin", 1.0f, L"맑은고딕");
    return ok;
}

// The page reply of the crowded day as the server sends it.
CTasResponse* PageReply(int nPage)
{
    Json::Value body(Json::objectValue);
    Json::Value& list = body["list"] = Json::Value(Json::arrayValue);
    for (int i = (nPage - 1) * kPageSize; i < kMeetings && i < nPage * kPageSize; ++i) {
        Json::Value e;
        e["mtngId"] = std::to_string(50000 + i);
        e["mtngTitl"] = "정례 점검 회의 " + std::to_string(i + 1);
        e["mtngStatus"] = i % 3 ? "01" : "04";
        e["mtngType"] = "10";
        e["mtngMeetingType"] = "01";
        e["mtngStrtYmd"] = "20261213";
        e["mtngStrtHour"] = "09";
        e["mtngStrtMin"] = "00";
        e["mtngEndYmd"] = "20261213";
        e["mtngEndHour"] = "10";
        e["mtngEndMin"] = "00";
        e["organizersInfo"] = "기획조정실";
        e["feedbackYn"] = i % 5 ? "N" : "Y";
        e["curPage"] = nPage;
        e["totalPage"] = kPages;
        list.append(e);
    }
    CTasResponse* reply = new CTasResponse;
    reply->SetStatusCode(0);
    reply->SetBody(new Json::Value(body));
    return reply;
}

struct Screen {
    CWnd host;
    CMainLayer* screen = nullptr;
    CMainListCtrl* list = nullptr;
    CRect client;
    CDC target;
    CBitmap bitmap;
    CBitmap* old = nullptr;

    Screen()
    {
        if (!host.CreateEx(0, nullptr, L"bench", WS_POPUP, 0, 0, 1100, 720, nullptr, nullptr)) return;
        IListScreen* iface = nullptr;
        screen = dynamic_cast<CMainLayer*>(MakeListScreen(&host, &iface));
        if (!screen) return;
        screen->MoveWindow(0, 0, 1100, 720);
        list = screen->GetList();
        list->GetClientRect(&client);
        HDC dc = ::GetDC(nullptr);
        target.CreateCompatibleDC(CDC::FromHandle(dc));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(dc), client.Width(), client.Height());
        ::ReleaseDC(nullptr, dc);
        old = target.SelectObject(&bitmap);
    }
    ~Screen()
    {
        if (old) target.SelectObject(old);
        if (screen) {
            screen->DestroyWindow();
            delete screen;
        }
        host.DestroyWindow();
        CMeetingManager::DestroyInstance();
    }
    void Reply(int nPage)
    {
        std::unique_ptr<CTasResponse> reply(PageReply(nPage));
        screen->SendMessage(WM_USER + 102, 0, (LPARAM)reply.get());
    }
    void Paint() { list->PaintTo(&target, client); }
};

void BM_ListReplyToPaint(benchmark::State& state)
{
    if (!Setup()) {
        state.SkipWithError("resources or skin missing");
        return;
    }
    Screen s;
    if (!s.list) {
        state.SkipWithError("the screen could not be made");
        return;
    }
    const int nPages = int(state.range(0));
    for (auto _ : state) {
        for (int page = 1; page <= nPages; ++page) s.Reply(page);
        s.Paint();
        ::GdiFlush();
    }
    state.counters["rows"] = s.list->GetItemCount();
}
BENCHMARK(BM_ListReplyToPaint)->Arg(1)->Arg(kPages)->Unit(benchmark::kMicrosecond);

void BM_ListPageScroll(benchmark::State& state)
{
    if (!Setup()) {
        state.SkipWithError("resources or skin missing");
        return;
    }
    Screen s;
    if (!s.list) {
        state.SkipWithError("the screen could not be made");
        return;
    }
    for (int page = 1; page <= kPages; ++page) s.Reply(page);
    int step = -1;
    for (auto _ : state) {
        CRect area;
        s.list->GetItemArea(&area);
        const int middle = s.list->GetScrollLimit(SB_VERT) / 2;
        step = step == 0 ? area.Height() : 0;
        s.list->SetScrollPos(SB_VERT, middle + step, FALSE);
        s.Paint();
        ::GdiFlush();
    }
}
BENCHMARK(BM_ListPageScroll)->Unit(benchmark::kMicrosecond);

void BM_FullWindowBlit(benchmark::State& state)
{
    if (!Setup()) {
        state.SkipWithError("resources or skin missing");
        return;
    }
    Screen s;
    if (!s.list) {
        state.SkipWithError("the screen could not be made");
        return;
    }
    CDC source;
    CBitmap bitmap;
    HDC dc = ::GetDC(nullptr);
    source.CreateCompatibleDC(CDC::FromHandle(dc));
    bitmap.CreateCompatibleBitmap(CDC::FromHandle(dc), s.client.Width(), s.client.Height());
    ::ReleaseDC(nullptr, dc);
    CBitmap* old = source.SelectObject(&bitmap);
    source.FillSolidRect(&s.client, RGB(200, 210, 220));
    for (auto _ : state) {
        s.target.BitBlt(0, 0, s.client.Width(), s.client.Height(), &source, 0, 0, SRCCOPY);
        ::GdiFlush();
    }
    source.SelectObject(old);
}
BENCHMARK(BM_FullWindowBlit)->Unit(benchmark::kMicrosecond);

}  // namespace
