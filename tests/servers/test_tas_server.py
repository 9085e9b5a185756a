"""The fake application server over TLS: log-in, the meeting list and details, every catalogue
message, and the control port's session expiry, status, hold and close injections."""
import json
import os
import sys
import threading
import time
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selftest_support import EMPTY_SESSION, ServerTestCase, today  # noqa: E402
import wire  # noqa: E402

MEETING, DOC = "101", "D1011"
# One plausible body per catalogue message (log-in aside), as the client's operations build them.
CATALOGUE_BODIES = {
    "M00000002": {"date": "", "mtngType": "10", "seperator": 1},
    "M00000003": {"startDate": "", "endDate": "", "mtngType": "10", "pageNum": 30,
                  "startPage": 1, "preDateLength": "0", "searchString": "", "main": 0, "sub": 0,
                  "seperator": "1"},
    "M00000004": {"mtngId": MEETING, "attcFileId": ""},
    "M00000005": {"mtngId": MEETING, "mtngType": "10"},
    "M00000006": {"userIdnfr": 1002},
    "M00000007": {"mtngId": MEETING, "mtngType": "10"},
    "M00000008": {"mtngId": MEETING, "mtngType": "10", "fileType": "10"},
    "M00000010": {"mtngId": MEETING, "attcFileId": DOC, "mtngType": "10", "page": 1,
                  "meta": "<svg/>", "list": []},
    "M00000011": {"userIdnfr": "1001", "attcFileType": 1, "attcFileId": DOC, "attcType": "1",
                  "attcFileName": "a.pdf", "attcFileUrl": "", "startIdx": 2, "reqPerCnt": "1",
                  "mtngId": MEETING, "appVersion": "1.0", "commandUuid": "", "securityYn": "0",
                  "securityApplyYn": "0", "minutesId": ""},
    "M00000013": {"month": today()[:6], "mtngType": "10", "preDateLength": 0, "date": ""},
    "M00000015": {"userIdnfr": 1001, "mtngId": MEETING, "syncYn": True, "page": 2,
                  "startShareYn": True, "autoAttcChangeYn": False, "attcFileId": DOC,
                  "compulsionYn": False},
    "M00000017": {"userIdnfr": 1001, "mtngId": MEETING, "mtngStatus": "02", "mtngType": "10",
                  "mtngReptYn": "N", "dateTime": "", "isPaper": False, "feedbackYn": "N"},
    "M00000018": {"mtngId": MEETING, "attcFileId": DOC, "userIdnfr": "1002"},
    "M00000019": {"applyYn": True, "sunYn": False, "monYn": True, "tueYn": True, "wedYn": True,
                  "thurYn": True, "friYn": True, "satYn": False, "starttime": "0900",
                  "endtime": "1800"},
    "M00000020": {"userIdnfr": 1001},
    "M00000021": {"mtngId": MEETING, "securityApplyYn": 0, "commandUuid": ""},
    "M00000022": {"userIdnfr": 1001},
    "M00000024": {"mtngId": MEETING, "attcFileId": DOC, "page": 1, "isPIP": False},
    "M00000030": {"mtngId": MEETING, "content": "", "page": 1, "attcFileId": DOC, "metaType": 2},
    "M00000031": {"mtngId": MEETING, "message": "안녕하세요", "chatType": 1, "senderId": "1001",
                  "receiverId": ""},
    "M00000032": {"mtngId": MEETING, "pageNum": 10, "chatType": 1, "messageId": ""},
    "M00000034": {"gcmPushKey": "", "apnsPushKey": "", "pcPushKey": "PPM-0A1B2C3D4E5F-W"},
    "M00000035": {"mtngId": MEETING, "userIdnfr": "1001"},
    "M00000036": {"mtngId": MEETING},
    "M00000037": {"mtngId": MEETING, "searchString": "", "pageSize": 10, "currentPage": 1},
    "M00000038": {"mtngId": MEETING, "userIdnfr": "1001", "name": "김민준",
                  "isMtngOpenMode": "Y"},
    "M00000039": {"mtngId": MEETING, "attcFileId": DOC, "page": 1},
    "M00000043": {"mtngId": MEETING, "meetingType": "10", "userIdnfr": "1001", "list": []},
    "M00000044": {"groupCoCd": "", "sawonNo": "kim", "passwordOld": "wrong",
                  "passwordNew": "x"},
    "M00000045": {"userIdnfr": "1001", "mtngId": MEETING, "attcFileId": DOC, "page": 1,
                  "syncYn": True},
    "M00000046": {"attcFileId": DOC, "attcFileName": "a.pdf", "startIdx": 1,
                  "appVersion": "1.0"},
    "M00000047": {"mtngId": MEETING, "userIdnfr": "1001", "attendanceYn": "Y"},
    "M00000048": {"mtngId": MEETING, "attcFileId": DOC, "zoomFactor": "1.5", "originX": "10",
                  "originY": "-20", "dpi": "160"},
    "M00000049": {"mtngId": MEETING, "attcFileId": DOC, "page": 1, "pointerX": "5",
                  "pointerY": "6", "pointerColor": "255", "pointerSize": "1",
                  "pointerShape": "0", "userIdnfr": 1001},
    "M00000052": {"mtngId": MEETING, "attcFileId": DOC, "downloadUuid": ""},
    "M00000063": {"mtngId": MEETING, "attcFileId": DOC, "page": 0},
    "M00000064": {"mtngId": MEETING, "attcFileId": DOC, "messageAll": "", "isAll": 0,
                  "list": ['{"page" : 2,"message" : "메모", "meta" : ""}']},
    "M00000067": {"mtngId": MEETING, "attcFileId": DOC, "appVersion": "1.0",
                  "attcFileName": "a.pdf", "startIdx": 11, "reqPerCnt": "10"},
    "M00000068": {"mtngId": MEETING, "attcFileId": DOC, "voicePermitYn": "Y"},
    "M00000069": {"mtngId": MEETING},
    "M00000070": {"mtngId": MEETING, "attcFileId": DOC, "minutesId": "0"},
    "M00000071": {"mtngId": MEETING},
    "M00000074": {"mtngId": MEETING, "chattingYn": "Y"},
    "M00000076": {"mtngId": MEETING, "attcFileId": DOC, "confirmYn": "Y",
                  "confirmDate": "20240101", "path": "/sign/1.png"},
    "M00000078": {"mtngId": MEETING, "attcFileId": DOC, "page": "3", "favoriteYn": "Y"},
    "M00000079": {"mtngId": MEETING, "attcFileId": DOC},
    "M00000096": {"attcFileId": DOC, "favoriteYn": "Y"},
    "M00000100": {"attcFileId": "W1011", "command": 1, "page": 1},
}


class LogIn(ServerTestCase):
    def test_log_in_gives_session_and_server_addresses(self):
        c = self.client("tas")
        reply = self.tas_request(c, "M00000001", {"sawonNo": "kim", "appType": "7",
                                                  "groupCoCd": "", "appVer": "4.2.0.0",
                                                  "userPwd": "1234"}, EMPTY_SESSION, tid=77)
        self.assertEqual((reply.status, reply.tid, reply.version), (0, 77, "PHV102"))
        for key in ("userProfile", "userSessionId", "userId", "userName", "positionName",
                    "deptName", "locale", "observerYn", "upgrade", "upgradeUrl",
                    "crashUploadUrl", "tdsConnectionIp", "tdsconnectionPort"):
            self.assertIsInstance(reply.body.get(key), str, key)
        self.assertEqual(reply.body["tdsconnectionPort"], str(self.ports["tds"]))
        self.assertEqual(reply.body["upgrade"], "false")
        self.assertIsInstance(reply.header, dict)
        frame = self.call("wait", server="tas", msg="M00000001", since=self.mark)["records"][0]
        self.assertEqual(frame["body"]["sawonNo"], "kim")
        self.assertEqual(frame["platform"]["osType"], "W")

    def test_wrong_password_then_lock(self):
        self.call("config", login_fail_max=2, login_retry_seconds=1)
        c = self.client("tas")
        body = {"sawonNo": "park", "appType": "7", "groupCoCd": "", "appVer": "4.2.0.0",
                "userPwd": "bad"}
        first = self.tas_request(c, "M00000001", body, EMPTY_SESSION)
        self.assertEqual((first.status, first.body["loginFailCount"]), (16, 1))
        second = self.tas_request(c, "M00000001", body, EMPTY_SESSION)
        self.assertEqual(second.status, 18)
        self.assertEqual((second.body["loginFailMaxCount"], second.body["loginFailRetryTime"]),
                         (2, 1))
        locked = self.tas_request(c, "M00000001", dict(body, userPwd="1234"), EMPTY_SESSION)
        self.assertEqual(locked.status, 18)
        time.sleep(1.1)
        self.log_in(c, "park")
        unknown = self.tas_request(c, "M00000001", dict(body, sawonNo="nobody"), EMPTY_SESSION)
        self.assertEqual(unknown.status, 16)

    def test_single_sign_on_and_version_check(self):
        c = self.client("tas")
        sso = self.tas_request(c, "G00000001", {"sawonNo": "lee", "appType": "6",
                                                "appVer": "0.00.00", "isSSO": True},
                               EMPTY_SESSION, app="GS01")
        self.assertEqual((sso.status, sso.app, sso.body["userId"]), (0, "GS01", "1002"))
        self.call("config", upgrade_url="http://127.0.0.1/zel_upgrade.exe")
        version = self.tas_request(c, "M00000095", {"appType": "7", "appVer": "4.2.0.0"},
                                   EMPTY_SESSION)
        self.assertEqual((version.body["upgrade"], version.body["noticeYn"]), ("true", 0))


class MeetingList(ServerTestCase):
    def test_counts_page_and_month_marks(self):
        c = self.client("tas")
        s = self.log_in(c)
        count = self.tas_request(c, "M00000002", CATALOGUE_BODIES["M00000002"], s)
        self.assertEqual(count.body, {"mtngType": "10", "mtngcnt": 3})
        page = self.tas_request(c, "M00000003", dict(CATALOGUE_BODIES["M00000003"],
                                                     startDate=today(), endDate=today()), s)
        entries = page.body["list"]
        self.assertEqual([e["mtngId"] for e in entries], ["101", "106", "102"])
        self.assertEqual((entries[0]["curPage"], entries[0]["totalPage"]), (1, 1))
        self.assertEqual(entries[0]["mtngStrtYmd"], today())
        self.assertIs(entries[0]["mainYn"], True)
        self.assertEqual(entries[0]["noteYn"], "N")
        marks = self.tas_request(c, "M00000013", CATALOGUE_BODIES["M00000013"], s).body["list"]
        self.assertTrue(all(isinstance(m["mtngId"], int) for m in marks))
        self.assertIn({"mtngId": 105, "mtngType": "30", "date": today()}, marks)

    def test_detail_attendees_pages_thumbnails_and_photo(self):
        c = self.client("tas")
        s = self.log_in(c)
        detail = self.tas_request(c, "M00000005", CATALOGUE_BODIES["M00000005"], s).body
        self.assertEqual(detail["mtngId"], MEETING)
        self.assertEqual(sorted(d["wbType"] for d in detail["list"]), [0, 0, 1, 2])
        self.assertEqual(detail["list"][0]["attcFileTotalPage"], "12")
        people = self.tas_request(c, "M00000004", CATALOGUE_BODIES["M00000004"], s).body
        host = people["list"][0]
        self.assertEqual((host["userIdnfr"], host["processYn"], host["secretaryYn"]),
                         (1001, True, False))
        info = self.tas_request(c, "M00000024", dict(CATALOGUE_BODIES["M00000024"], page=3), s)
        with urllib.request.urlopen(info.body["imageUrl"], timeout=5) as r:
            self.assertEqual(r.read(8), b"\x89PNG\r\n\x1a\n")
        viewer = self.tas_request(c, "M00000024", dict(CATALOGUE_BODIES["M00000024"],
                                                       isPIP=True), s).body
        with urllib.request.urlopen(viewer["prefixUrl"] + "1", timeout=5) as r:
            self.assertEqual(r.status, 200)
        thumbs = self.tas_request(c, "M00000067", CATALOGUE_BODIES["M00000067"], s)
        self.assertEqual([i["page"] for i in thumbs.body["list"]], [11, 12])
        self.assertEqual(len(thumbs.raw), sum(i["size"] for i in thumbs.body["list"]))
        photo = self.tas_request(c, "M00000006", {"userIdnfr": 1003}, s)
        self.assertEqual((photo.body["name"], photo.raw[:4]), ("박지훈", b"\x89PNG"))

    def test_encrypted_image_address(self):
        self.call("config", encrypt_image_urls=True)
        c = self.client("tas")
        s = self.log_in(c)
        body = self.tas_request(c, "M00000024", CATALOGUE_BODIES["M00000024"], s).body
        self.assertIs(body["isEnc"], True)
        self.assertEqual(len(body["aesKey"]), 32)
        import base64
        import subprocess
        plain = subprocess.run(["openssl", "enc", "-d", "-aes-256-cbc", "-K",
                                body["aesKey"].encode().hex(), "-iv", "0" * 32, "-nosalt"],
                               input=base64.b64decode(body["imageUrl"]), capture_output=True,
                               check=True).stdout.decode()
        self.assertTrue(plain.endswith("/img/%s/1.png" % DOC), plain)

    def test_every_catalogue_message_is_answered(self):
        c = self.client("tas")
        s = self.log_in(c, "lee")
        for msg, body in sorted(CATALOGUE_BODIES.items()):
            with self.subTest(msg=msg):
                tid = self.next_tid()
                reply = self.tas_request(c, msg, body, s, tid=tid)
                self.assertEqual((reply.status, reply.tid, reply.errors), (0, tid, []))
                self.assertIsInstance(reply.body, dict)
        logout = self.tas_request(c, "M00000023", {"userIdnfr": 1002}, s)
        self.assertEqual(logout.status, 0)
        self.assertEqual(self.tas_request(c, "M00000036", {"mtngId": MEETING}, s).status, 2)


class Injections(ServerTestCase):
    def test_expired_session_then_relogin_and_resend_with_the_same_transaction(self):
        c = self.client("tas")
        s = self.log_in(c)
        self.call("expire")
        body = CATALOGUE_BODIES["M00000004"]
        first = self.tas_request(c, "M00000004", body, s, tid=4242)
        self.assertEqual((first.status, first.tid), (2, 4242))
        fresh = self.log_in(c)
        again = self.tas_request(c, "M00000004", body, fresh, tid=4242)
        self.assertEqual((again.status, again.tid), (0, 4242))

    def test_status_next_answers_one_request(self):
        c = self.client("tas")
        s = self.log_in(c)
        self.call("status_next", status=2, msg="M00000005")
        self.assertEqual(self.tas_request(c, "M00000004", CATALOGUE_BODIES["M00000004"],
                                          s).status, 0)
        self.assertEqual(self.tas_request(c, "M00000005", CATALOGUE_BODIES["M00000005"],
                                          s).status, 2)
        self.assertEqual(self.tas_request(c, "M00000005", CATALOGUE_BODIES["M00000005"],
                                          s).status, 0)

    def test_hold_back_and_release(self):
        c = self.client("tas")
        s = self.log_in(c)
        self.call("hold", msg="M00000008")
        c.send(wire.client_platform("PP01", "M00000008", 808), s, CATALOGUE_BODIES["M00000008"])
        with self.assertRaises(TimeoutError):
            c.recv(timeout=0.5)
        self.assertEqual(self.call("release")["released"], 1)
        self.assertEqual(c.recv().tid, 808)

    def test_close_instead_of_answering_and_clean_close(self):
        c = self.client("tas")
        s = self.log_in(c)
        self.call("rule", msg="M00000004", close=True)
        c.send(wire.client_platform("PP01", "M00000004", 1), s, CATALOGUE_BODIES["M00000004"])
        with self.assertRaises(ConnectionError):
            c.recv(timeout=5)
        d = self.client("tas")
        self.log_in(d)
        self.assertGreaterEqual(self.call("close", server="tas")["closed"], 1)
        with self.assertRaises(ConnectionError):
            d.recv(timeout=5)

    def test_unsolicited_frame_with_chosen_transaction_and_header_version(self):
        c = self.client("tas")
        self.log_in(c)
        self.call("send", app="PP01", msg="M00000004", tid=999, version="PHV101",
                  body={"mtngId": "x"})
        got = c.recv()
        self.assertEqual((got.version, got.tid, got.body), ("PHV101", 999, {"mtngId": "x"}))

    def test_wait_sees_a_request_sent_later(self):
        c = self.client("tas")
        s = self.log_in(c)
        timer = threading.Timer(0.3, lambda: self.tas_request(
            c, "M00000069", CATALOGUE_BODIES["M00000069"], s))
        timer.start()
        got = self.call("wait", server="tas", msg="M00000069", since=self.mark, timeout=5)
        timer.join()
        self.assertEqual(got["records"][0]["body"], {"mtngId": MEETING})
        missing = self.ctl.call("wait", server="tas", msg="M00000070", since=self.mark,
                                timeout=0.2)
        self.assertFalse(missing["ok"])
        self.assertIn("TimeoutError", missing["error"])

    def test_control_port_rejects_bad_commands(self):
        for line in (b"not json\n", b"[1]\n", b'{"cmd": "nope"}\n',
                     b'{"cmd": "config", "nope": 1}\n', b'{"cmd": "push", "items": []}\n'):
            with self.subTest(line=line):
                self.ctl.file.write(line)
                self.ctl.file.flush()
                self.assertFalse(json.loads(self.ctl.file.readline())["ok"])
        self.call("ports")
