// The signature window and the approval confirmation with the shipped skin, driven as a user
// would: a signature drawn with the mouse or picked from a file, kept in the user's folder, and an
// approval whose drawn signature reaches the local web server.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <string>

#include "features/DocViewerDownload.h"
#include "core/FileHelpers.h"
#include "core/HttpDownload.h"
#include "app/main/MainDialogServices.h"
#include "features/approvals/ApprovalDialogs.h"
#include "features/approvals/ApprovalWindows.h"
#include "features/approvals/SignatureUpload.h"
#include "resources/resource.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"
#include "whiteboard/canvas/PenCanvas.h"

namespace {

void ClickObject(CMyBaseDialog& dlg, const wchar_t* name)
{
    const SKIN_OBJECT* object = dlg.m_Screen.FindObject(name);
    ASSERT_NE(object, nullptr) << CStringA(name).GetString();
    skintest::Click(dlg.m_hWnd, object->m_rcObject.CenterPoint().x, object->m_rcObject.CenterPoint().y);
}

// The window as it shows once everything pending has been painted.
bool Screenshot(CWnd& wnd, const wchar_t* name)
{
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    zeltest::PumpFor(150);
    return ctltest::SaveScreenshot(&wnd, name);
}

bool Exists(const std::wstring& path)
{
    const DWORD a = ::GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Bytes(const std::wstring& path)
{
    std::string s;
    zeltest::ReadFileBytes(path, s);
    return s;
}

// A held handle that lets others read the file but neither write, rename nor delete it.
class FileLock {
public:
    explicit FileLock(const std::wstring& path)
        : m_h(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~FileLock() { Release(); }
    bool Held() const { return m_h != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (m_h != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_h;
};

class ApprovalDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        skintest::EnsureGdiplus();
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), L"Main", WS_POPUP | WS_VISIBLE, CRect(20, 20, 900, 700),
                                     nullptr, 0));
        m_signPath = MainDialogServices::SignDataPath(CString(m_dir.Path().c_str()) + L"\\", 4711);
        // Pictures a user could pick: a blue one and a red one, and a text file.
        ASSERT_TRUE(skintest::WritePicture(m_dir.File(L"blue.png"), 60, 30, [](int, int) { return 0xFF2040C0u; }));
        ASSERT_TRUE(skintest::WritePicture(m_dir.File(L"red.png"), 50, 20, [](int, int) { return 0xFFC02020u; }));
        ASSERT_TRUE(skintest::WritePicture(m_dir.File(L"green.png"), 40, 40, [](int, int) { return 0xFF20A040u; }));
        ASSERT_TRUE(zeltest::WriteFileBytes(m_dir.File(L"notes.png"), "not a picture"));
    }
    void TearDown() override
    {
        CFileDialog::SetTestHook(nullptr);
        CWnd::SetModalLoopHook(nullptr);
        m_sign.reset();
        m_owner.DestroyWindow();
    }
    // What the main dialog's signature command does: a new window, placed, the file loaded, shown.
    CApprovalSignDlg& OpenSignWindow()
    {
        m_sign.reset(new CApprovalSignDlg(m_signPath, &m_owner));
        EXPECT_TRUE(m_sign->CreateSignWindow(&m_owner));
        m_sign->PlaceNearMainWindow();
        m_sign->LoadSignFile();
        m_sign->ShowAndActivate();
        zeltest::PumpFor(30);
        return *m_sign;
    }
    void Pick(const std::wstring& path)
    {
        CFileDialog::SetTestHook([path](CFileDialog& d) {
            wcsncpy(d.m_ofn.lpstrFile, path.c_str(), d.m_ofn.nMaxFile - 1);
            return INT_PTR(IDOK);
        });
        ClickObject(*m_sign, L"btnAdd");
        CFileDialog::SetTestHook(nullptr);
    }
    // A zigzag across the signature area, pressed from the first point to the last.
    void DrawSignature()
    {
        const CRect rc = m_sign->m_Screen.FindObject(L"imgSignature")->m_rcObject;
        const HWND h = m_sign->m_hWnd;
        int x = rc.left + 30, y = rc.CenterPoint().y;
        skintest::SendMouse(h, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        for (int i = 1; i <= 12; ++i)
            skintest::SendMouse(h, WM_MOUSEMOVE, x + i * 18, y + ((i % 2) ? -25 : 25), MK_LBUTTON);
        skintest::SendMouse(h, WM_LBUTTONUP, x + 12 * 18, y + 25);
        zeltest::PumpFor(30);
    }
    std::wstring Sign() const { return m_signPath.GetString(); }
    // A signature the user stored earlier (a green picture), with its folder.
    void StoreSignature()
    {
        ::CreateDirectoryW(GetParentPath(m_signPath).GetString(), nullptr);
        ASSERT_TRUE(::CopyFileW(m_dir.File(L"green.png").c_str(), Sign().c_str(), FALSE));
    }

    doctest::KoreanResources m_resources;
    zeltest::TempDir m_dir;
    CWnd m_owner;
    CString m_signPath;
    std::unique_ptr<CApprovalSignDlg> m_sign;
};

TEST_F(ApprovalDialogs, FirstUseDrawsAndOkWritesThePngCreatingTheFolder)
{
    CApprovalSignDlg& dlg = OpenSignWindow();
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.IsDrawingMode(), 1);
    DrawSignature();
    ASSERT_TRUE(dlg.GetCanvas()->HasStrokes());
    EXPECT_TRUE(Screenshot(dlg, L"ApprovalSignDlg"));
    ClickObject(dlg, L"btnOK");
    EXPECT_FALSE(dlg.IsWindowVisible());
    ASSERT_TRUE(Exists(Sign()));
    EXPECT_EQ(Bytes(Sign()).substr(0, 4), "\x89PNG");
    EXPECT_FALSE(Exists(Sign() + L"_new"));
    // The next opening shows the stored signature instead of the canvas.
    CApprovalSignDlg& again = OpenSignWindow();
    EXPECT_EQ(again.IsDrawingMode(), 0);
}

TEST_F(ApprovalDialogs, OkWithoutStrokesRemovesTheSignatureAndDeleteTouchesNoFile)
{
    StoreSignature();
    CApprovalSignDlg& dlg = OpenSignWindow();
    EXPECT_EQ(dlg.IsDrawingMode(), 0);
    ClickObject(dlg, L"btnDel");
    EXPECT_EQ(dlg.IsDrawingMode(), 1);
    EXPECT_TRUE(Exists(Sign()));
    ClickObject(dlg, L"btnOK");
    EXPECT_FALSE(Exists(Sign()));
}

TEST_F(ApprovalDialogs, APickedPictureReplacesTheSignatureOnlyOnOk)
{
    StoreSignature();
    const std::string before = Bytes(Sign());
    CApprovalSignDlg& dlg = OpenSignWindow();
    // Not a picture: the failure text shows for a while and nothing else changes.
    Pick(m_dir.File(L"notes.png"));
    EXPECT_EQ(dlg.m_Screen.FindObject(L"textFail")->m_nVisible, 1);
    EXPECT_EQ(dlg.IsPicked(), 0);
    dlg.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(dlg.m_Screen.FindObject(L"textFail")->m_nVisible, 0);
    // Picked, then closed: the signature is as it was, the working copy waits beside it.
    Pick(m_dir.File(L"blue.png"));
    EXPECT_EQ(dlg.IsPicked(), 1);
    EXPECT_EQ(dlg.IsDrawingMode(), 0);
    EXPECT_TRUE(Screenshot(dlg, L"ApprovalSignDlg_picked"));
    ClickObject(dlg, L"btnClose");
    EXPECT_EQ(Bytes(Sign()), before);
    EXPECT_EQ(Bytes(Sign() + L"_load"), Bytes(m_dir.File(L"blue.png")));
    // Picked, then OK: the picture is the signature.
    CApprovalSignDlg& again = OpenSignWindow();
    Pick(m_dir.File(L"red.png"));
    ClickObject(again, L"btnOK");
    EXPECT_EQ(Bytes(Sign()), Bytes(m_dir.File(L"red.png")));
}

TEST_F(ApprovalDialogs, AFailedPickAfterAnEarlierOneInstallsNothing)
{
    StoreSignature();
    const std::string before = Bytes(Sign());
    CApprovalSignDlg& dlg = OpenSignWindow();
    Pick(m_dir.File(L"blue.png"));
    ClickObject(dlg, L"btnDel");
    EXPECT_EQ(dlg.IsPicked(), 0);
    Pick(m_dir.File(L"red.png"));
    // The working copy cannot be overwritten: this pick fails and shows no picture.
    FileLock lock(Sign() + L"_load");
    ASSERT_TRUE(lock.Held());
    Pick(m_dir.File(L"blue.png"));
    EXPECT_EQ(dlg.IsPicked(), 0);
    lock.Release();
    ClickObject(dlg, L"btnOK");
    EXPECT_EQ(Bytes(Sign()), before) << "the stale working copy must not become the signature";
}

TEST_F(ApprovalDialogs, AFailedReplaceKeepsTheOldSignature)
{
    StoreSignature();
    const std::string before = Bytes(Sign());
    {
        // A picked picture whose working copy cannot be moved into place.
        CApprovalSignDlg& dlg = OpenSignWindow();
        Pick(m_dir.File(L"blue.png"));
        FileLock lock(Sign() + L"_load");
        ASSERT_TRUE(lock.Held());
        ClickObject(dlg, L"btnOK");
        lock.Release();
        EXPECT_EQ(Bytes(Sign()), before);
    }
    {
        // A drawn signature while the stored one cannot be replaced.
        CApprovalSignDlg& dlg = OpenSignWindow();
        ClickObject(dlg, L"btnDel");
        DrawSignature();
        FileLock lock(Sign());
        ASSERT_TRUE(lock.Held());
        ClickObject(dlg, L"btnOK");
        lock.Release();
        EXPECT_EQ(Bytes(Sign()), before);
        EXPECT_FALSE(Exists(Sign() + L"_new"));
    }
}

TEST_F(ApprovalDialogs, ConfirmationShowsOneDecisionAndAnswersItsButtons)
{
    StoreSignature();
    struct Case {
        int approve;
        const wchar_t* button;
        INT_PTR result;
    };
    for (const Case& c : {Case{1, L"btnOK", IDOK}, Case{0, L"btnCancel", IDCANCEL}, Case{0, L"btnClose", IDCANCEL},
                          Case{1, nullptr, IDCANCEL}}) {
        CApprovalConfirmDlg dlg(&m_owner);
        dlg.SetConfirmInfo(L"김철수 과장", m_signPath, c.approve);
        bool shot = false;
        const INT_PTR result = [&] {
            CWnd::SetModalLoopHook([&](CWnd* w) {
                if (w != &dlg) return;
                EXPECT_EQ(dlg.m_Screen.FindObject(L"textY")->m_nVisible, c.approve);
                EXPECT_EQ(dlg.m_Screen.FindObject(L"textN")->m_nVisible, 1 - c.approve);
                EXPECT_EQ(dlg.m_Screen.FindObject(L"textName")->m_text.m_strText, CString(L"김철수 과장"));
                EXPECT_FALSE(dlg.m_Screen.FindObject(L"date")->IsEnabledForClick());
                if (c.approve && c.button) shot = Screenshot(dlg, L"ApprovalConfirmDlg");
                dlg.SendMessage(WM_COMMAND, IDOK, 0);   // Enter does nothing
                EXPECT_TRUE(dlg.IsWindowVisible());
                if (c.button)
                    ClickObject(dlg, c.button);
                else
                    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);   // Escape
            });
            return dlg.DoModal();
        }();
        CWnd::SetModalLoopHook(nullptr);
        EXPECT_EQ(result, c.result) << (c.button ? CStringA(c.button).GetString() : "Escape");
        if (c.approve && c.button) EXPECT_TRUE(shot);
    }
}

TEST_F(ApprovalDialogs, AnApprovalWithADrawnSignatureReachesTheWebServer)
{
    doctest::Servers servers;
    ASSERT_TRUE(servers.Start());
    CApprovalSignDlg& sign = OpenSignWindow();
    DrawSignature();
    ClickObject(sign, L"btnOK");
    ASSERT_TRUE(Exists(Sign()));

    CApprovalConfirmDlg dlg(&m_owner);
    dlg.SetConfirmInfo(L"김철수 과장", m_signPath, 1);
    CWnd::SetModalLoopHook([&](CWnd* w) {
        if (w == &dlg) ClickObject(dlg, L"btnOK");
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    CWnd::SetModalLoopHook(nullptr);

    SSignatureUpload upload;
    upload.strHost = L"127.0.0.1";
    upload.nPort = INTERNET_PORT(servers.HttpPort());
    upload.strMtngId = L"M2027-0304";
    upload.strUserId = L"kim";
    upload.strAttcFileId = L"F-17";
    upload.strImagePath = m_signPath;
    CString answer;
    ASSERT_EQ(PostSignatureImage(upload, answer), 0u);
    const CString stored = SignatureStoredPath(answer);
    ASSERT_FALSE(stored.IsEmpty()) << CStringA(answer).GetString();

    Json::Value command;
    command["cmd"] = "log";
    command["server"] = "http";
    command["kind"] = "request";
    const Json::Value records = servers.Control(command)["records"];
    ASSERT_EQ(records.size(), 1u);
    const Json::Value& r = records[0];
    EXPECT_EQ(r["path"].asString(), "/brindlecast/rest/fileRestService/sign");
    const Json::Value& parts = r["parts"];
    ASSERT_EQ(parts.size(), 6u);
    const char* names[] = {"mtngId", "userId", "attcFileId", "locale", "Filename", "Filedata"};
    const char* values[] = {"M2027-0304", "kim", "F-17", "ko_KR", "signdata"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(parts[i]["name"].asString(), names[i]);
        if (i < 5) EXPECT_EQ(parts[i]["value"].asString(), values[i]);
    }
    EXPECT_EQ(parts[5]["filename"].asString(), "signdata");
    // The server keeps exactly the bytes of the user's signature file.
    S_DOCVIEWER_DOWNLOAD got = {};
    got.nMode = 1;
    CString url;
    url.Format(L"http://127.0.0.1:%d%s", servers.HttpPort(), stored.GetString());
    ASSERT_TRUE(HttpGetToMemory(url, &got));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(got.pBody), got.nBodyLength), Bytes(Sign()));
    delete[] got.pBody;
    // An answer without the stored path is no success.
    EXPECT_TRUE(SignatureStoredPath(L"{\"code\":\"500\"}").IsEmpty());
    EXPECT_TRUE(SignatureStoredPath(L"200 but not json").IsEmpty());
    // Nested past the reader's depth limit: refused, not thrown at the caller.
    EXPECT_TRUE(SignatureStoredPath(CString(L"{\"code\":200,\"a\":") + CString(L'[', 3000)).IsEmpty());
}

TEST_F(ApprovalDialogs, ApprovalWindowShowsItsContentAndEndsByItsButtons)
{
    struct Case {
        UINT command;
        INT_PTR result;
    };
    for (const Case& c : {Case{IDOK, IDOK}, Case{IDCANCEL, IDCANCEL}, Case{IDC_OK_CANCEL_CLOSE, IDCANCEL}}) {
        CApprovalDlg dlg(&m_owner);
        dlg.SetContent(L"결재자: 김철수", L"2027-03-04 10:30", L"이 문서를 승인하시겠습니까?",
                       m_dir.File(L"blue.png").c_str());
        EXPECT_TRUE(dlg.HasImage());
        CWnd::SetModalLoopHook([&](CWnd* w) {
            if (w != &dlg) return;
            CRect rc;
            dlg.GetWindowRect(&rc);
            EXPECT_EQ(rc.Width(), 303);
            EXPECT_EQ(rc.Height(), 244);
            CString text;
            dlg.m_stcText3.GetWindowText(text);
            EXPECT_EQ(text, CString(L"이 문서를 승인하시겠습니까?"));
            if (c.command == IDOK) EXPECT_TRUE(Screenshot(dlg, L"ApprovalDlg"));
            CWnd* button = dlg.GetDlgItem(c.command);
            ASSERT_NE(button, nullptr);
            CRect b;
            button->GetClientRect(&b);
            skintest::Click(button->m_hWnd, b.CenterPoint().x, b.CenterPoint().y);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.command;
        CWnd::SetModalLoopHook(nullptr);
    }
    CApprovalDlg without(&m_owner);
    without.SetContent(L"a", L"b", L"c", m_dir.File(L"missing.png").c_str());
    EXPECT_FALSE(without.HasImage());
}

std::vector<std::wstring> g_launched;

TEST_F(ApprovalDialogs, SignatureInfoSavesACopyAndOpensTheSupportMenuOnlyOnItsSpot)
{
    StoreSignature();
    g_launched.clear();
    CApprovalSignInfoDlg::SetSupportSeamsForTest([](HMENU) { return UINT(ID_SUPPORT_LOG); },
                                                 [](const CString& f, const CString& p) {
                                                     g_launched.push_back(std::wstring(f.GetString()) + L"|" + p.GetString());
                                                 });
    CApprovalSignInfoDlg dlg(m_signPath, &m_owner);
    const std::wstring copy = m_dir.File(L"copy.jpg");
    CWnd::SetModalLoopHook([&](CWnd* w) {
        if (w != &dlg) return;
        EXPECT_TRUE(dlg.HasSignature());
        EXPECT_TRUE(Screenshot(dlg, L"ApprovalSignInfoDlg"));
        CFileDialog::SetTestHook([&](CFileDialog& d) {
            wcsncpy(d.m_ofn.lpstrFile, copy.c_str(), d.m_ofn.nMaxFile - 1);
            return INT_PTR(IDOK);
        });
        CRect b;
        dlg.m_btnSave.GetClientRect(&b);
        skintest::Click(dlg.m_btnSave.m_hWnd, b.CenterPoint().x, b.CenterPoint().y);
        CFileDialog::SetTestHook(nullptr);
        skintest::SendMouse(dlg.m_hWnd, WM_RBUTTONDOWN, 100, 100, MK_RBUTTON);
        EXPECT_TRUE(g_launched.empty());
        skintest::SendMouse(dlg.m_hWnd, WM_RBUTTONDOWN, 150, 73, MK_RBUTTON);
        dlg.m_btnEnd.GetClientRect(&b);
        skintest::Click(dlg.m_btnEnd.m_hWnd, b.CenterPoint().x, b.CenterPoint().y);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    CWnd::SetModalLoopHook(nullptr);
    CApprovalSignInfoDlg::SetSupportSeamsForTest(nullptr, nullptr);
    EXPECT_EQ(Bytes(copy), Bytes(Sign()));
    ASSERT_EQ(g_launched.size(), 1u);
    EXPECT_NE(g_launched[0].find(L"ZELLog.exe| show"), std::wstring::npos);
}

TEST_F(ApprovalDialogs, SignatureInfoCiphersAChosenFileAndSaysWhenItCannotRead)
{
    StoreSignature();
    CApprovalSignInfoDlg dlg(m_signPath, &m_owner);
    std::vector<std::wstring> answers, boxes;
    zel::SetMessageBoxHook([&](LPCTSTR text, LPCTSTR, UINT) {
        boxes.push_back(text);
        return IDOK;
    });
    CFileDialog::SetTestHook([&](CFileDialog& d) {
        const std::wstring next = answers.front();
        answers.erase(answers.begin());
        wcsncpy(d.m_ofn.lpstrFile, next.c_str(), d.m_ofn.nMaxFile - 1);
        return INT_PTR(IDOK);
    });
    CWnd::SetModalLoopHook([&](CWnd* w) {
        if (w != &dlg) return;
        answers = {Sign(), Sign() + L".CPR"};
        EXPECT_EQ(dlg.CipherChosenFile(true), 0);
        answers = {Sign() + L".CPR", m_dir.File(L"plain.png")};
        EXPECT_EQ(dlg.CipherChosenFile(false), 0);
        answers = {m_dir.File(L"gone.bin"), m_dir.File(L"out.bin")};
        EXPECT_EQ(dlg.CipherChosenFile(true), 1);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    CWnd::SetModalLoopHook(nullptr);
    CFileDialog::SetTestHook(nullptr);
    zel::SetMessageBoxHook(nullptr);
    EXPECT_NE(Bytes(Sign() + L".CPR"), Bytes(Sign()));
    EXPECT_EQ(Bytes(m_dir.File(L"plain.png")), Bytes(Sign()));
    EXPECT_EQ(boxes, std::vector<std::wstring>{L"Error read!"});
}

}  // namespace
