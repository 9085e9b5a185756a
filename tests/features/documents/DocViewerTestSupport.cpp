#include "tests/features/documents/DocViewerTestSupport.h"

#include <objidl.h>
#include <gdiplus.h>
#include <wincrypt.h>

#include <algorithm>

#include <cstdio>
#include <sstream>

#include "platform/ResourceHandle.h"
#include "platform/Wnd.h"
#include "tests/support/LoopbackSocket.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "ui/skin/ImageSave.h"
#include "ui/skin/SkinManager.h"

namespace doctest {

bool Servers::Start()
{
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    if (!m_fixture.Start(L"tests/servers/run_servers.py")) return false;
    std::istringstream in(m_fixture.ReadyLine());
    std::vector<int> ports;
    for (int p; in >> p;) ports.push_back(p);
    if (ports.size() < 6) return false;
    m_http = ports[4];
    m_control = zeltest::ConnectLoopback(ports[5]);
    return m_control != INVALID_SOCKET;
}

void Servers::Stop()
{
    if (m_control != INVALID_SOCKET) closesocket(m_control);
    m_control = INVALID_SOCKET;
    m_fixture.Stop();
}

Json::Value Servers::Control(const Json::Value& command)
{
    Json::FastWriter writer;
    const std::string line = writer.write(command);
    Json::Value answer;
    if (send(m_control, line.data(), (int)line.size(), 0) != (int)line.size()) {
        fprintf(stderr, "control port: send failed\n");
        return answer;
    }
    const std::string text = zeltest::ReadSocketLine(m_control);
    if (!Json::Reader().parse(text, answer) || !answer["ok"].asBool())
        fprintf(stderr, "control command %s answered %s\n", line.c_str(), text.c_str());
    return answer;
}

Json::Value Servers::Command(const char* cmd)
{
    Json::Value command;
    command["cmd"] = cmd;
    return Control(command);
}

void Servers::HttpRule(const std::string& path, int status, double delay, int count)
{
    Json::Value rule;
    rule["cmd"] = "rule";
    rule["server"] = "http";
    rule["app"] = "GET";
    rule["msg"] = path;
    if (status) rule["status"] = status;
    if (delay > 0) rule["delay"] = delay;
    rule["count"] = count;
    Control(rule);
}

std::vector<int> Servers::PageRequests(const std::string& doc)
{
    Json::Value command;
    command["cmd"] = "log";
    command["server"] = "http";
    command["kind"] = "request";
    const Json::Value records = Control(command)["records"];
    const std::string prefix = "/img/" + doc + "/";
    std::vector<int> pages;
    for (const Json::Value& r : records) {
        const std::string path = r["path"].asString();
        if (path.compare(0, prefix.size(), prefix) != 0) continue;
        const int page = atoi(path.c_str() + prefix.size());
        pages.push_back(r["status"].asInt() == 200 ? page : -page);
    }
    return pages;
}

bool Servers::WaitReceived(const std::string& path, DWORD ms)
{
    DWORD last = 0;
    return zeltest::PumpUntil(
        [&] {
            // The server is asked every 20 ms; between the questions this thread keeps pumping.
            if (GetTickCount() - last < 20) return false;
            last = GetTickCount();
            Json::Value command;
            command["cmd"] = "log";
            command["server"] = "http";
            command["kind"] = "received";
            const Json::Value records = Control(command)["records"];
            for (const Json::Value& r : records)
                if (r["path"].asString() == path) return true;
            return false;
        },
        ms);
}

std::string Servers::PrefixUrl(const std::string& doc) const
{
    return "http://127.0.0.1:" + std::to_string(m_http) + "/img/" + doc + "/";
}

S_DOCVIEWER_DOCUMENT Document(const wchar_t* mtngId, const wchar_t* attcFileId, const wchar_t* name)
{
    S_DOCVIEWER_DOCUMENT d;
    d.strMtngId = mtngId;
    d.strAttcFileId = attcFileId;
    d.strFileName = name;
    return d;
}

std::unique_ptr<CTasResponse> PageReply(const std::string& mtngId, const std::string& attcFileId, int total,
                                        const std::string& prefix, bool encrypted, const std::string& key)
{
    auto reply = std::make_unique<CTasResponse>();
    auto* body = new Json::Value(Json::objectValue);
    (*body)["mtngId"] = mtngId;
    (*body)["attcFileId"] = attcFileId;
    (*body)["totalPage"] = total;
    (*body)["isEnc"] = encrypted;
    (*body)["prefixUrl"] = prefix;
    (*body)["aesKey"] = key;
    (*body)["isPIP"] = true;
    reply->SetBody(body);
    return reply;
}

std::string EncryptAes256Base64(const std::string& text, const std::string& key)
{
#pragma pack(push, 1)
    struct {
        BLOBHEADER hdr;
        DWORD cbKeySize;
        BYTE key[32];
    } blob = {};
#pragma pack(pop)
    blob.hdr.bType = PLAINTEXTKEYBLOB;
    blob.hdr.bVersion = CUR_BLOB_VERSION;
    blob.hdr.aiKeyAlg = CALG_AES_256;
    blob.cbKeySize = 32;
    memcpy(blob.key, key.data(), std::min<size_t>(key.size(), 32));
    HCRYPTPROV prov = 0;
    HCRYPTKEY hKey = 0;
    std::string out;
    if (CryptAcquireContextW(&prov, nullptr, MS_ENH_RSA_AES_PROV_W, PROV_RSA_AES, CRYPT_VERIFYCONTEXT) &&
        CryptImportKey(prov, reinterpret_cast<const BYTE*>(&blob), sizeof blob, 0, 0, &hKey)) {
        const BYTE iv[16] = {};
        CryptSetKeyParam(hKey, KP_IV, iv, 0);
        std::vector<BYTE> data(text.begin(), text.end());
        data.resize(text.size() + 16);
        DWORD n = (DWORD)text.size();
        if (CryptEncrypt(hKey, 0, TRUE, 0, data.data(), &n, (DWORD)data.size())) {
            DWORD chars = 0;
            CryptBinaryToStringA(data.data(), n, CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF, nullptr, &chars);
            std::string b64(chars, '\0');
            CryptBinaryToStringA(data.data(), n, CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF, &b64[0], &chars);
            b64.resize(chars);
            out = b64;
        }
    }
    if (hKey) CryptDestroyKey(hKey);
    if (prov) CryptReleaseContext(prov, 0);
    return out;
}

KoreanResources::KoreanResources()
{
    const std::wstring path = zeltest::BinaryDir() + L"\\bin\\Res_Kor.dll";
    m_previous = AfxGetResourceHandle();
    m_module = ::LoadLibraryW(path.c_str());
    if (m_module) AfxSetResourceHandle(m_module);
}

KoreanResources::~KoreanResources()
{
    AfxSetResourceHandle(m_previous);
    if (m_module) ::FreeLibrary(m_module);
}

bool LoadShippedSkinKorean()
{
    skintest::EnsureGdiplus();
    skintest::ResetSkin();
    const std::wstring bin = zeltest::BinaryDir() + L"\\bin\\";
    g_SkinManager.SetProgramFolder(bin.c_str());
    return g_SkinManager.LoadSkin(L"ZEL.kor.skin", 1.0f, L"") != FALSE;
}

bool SaveWindowPicture(CWnd* pWnd, const std::wstring& name)
{
    RECT rc;
    ::GetClientRect(pWnd->GetSafeHwnd(), &rc);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::SendMessageW(pWnd->GetSafeHwnd(), WM_ERASEBKGND, (WPARAM)dc, 0);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    bool ok = false;
    {
        Gdiplus::Bitmap picture(bitmap, nullptr);
        CLSID png;
        const std::wstring folder = zeltest::BinaryDir() + L"\\screenshots";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring path = folder + L"\\" + name + L".png";
        ok = GetEncoderClsid(L"image/png", &png) >= 0 && picture.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    ::DeleteObject(bitmap);
    return ok;
}

DWORD ImagePixel(void* pGdiplusImage, int x, int y)
{
    auto* image = static_cast<Gdiplus::Image*>(pGdiplusImage);
    Gdiplus::Bitmap one(1, 1, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&one);
        g.DrawImage(image, Gdiplus::Rect(0, 0, 1, 1), x, y, 1, 1, Gdiplus::UnitPixel);
    }
    Gdiplus::Color c;
    one.GetPixel(0, 0, &c);
    return c.GetValue();
}

}  // namespace doctest
