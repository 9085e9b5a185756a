"""The push, document-synchronisation and voice servers, and the injections the control port
makes on them."""
import json
import os
import socket
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from push_server import ACCESS_KEY  # noqa: E402
from selftest_support import HOST, ServerTestCase  # noqa: E402
from voice_server import datagram, parse_datagram  # noqa: E402
import wire  # noqa: E402


def push_platform(app: str, msg: str) -> dict:
    return wire.client_platform(app, msg, int(time.time()), msisdn="0" * 14)


class Push(ServerTestCase):
    def open_session(self) -> wire.WireClient:
        c = self.client("push", json_mode=False)
        key = c.request(push_platform("PPSE", "M00000005"), {"status": 0}, {
            "serviceId": "TPS", "auth": ACCESS_KEY, "deviceUuid": "PPM-0A1B2C3D4E5F-W",
            "locale": 1})
        self.assertEqual(key.status, 0)
        self.assertTrue(key.body["pushKey"].startswith("PK-"))
        session = c.request(push_platform("PPSE", "M00000001"), {"status": 0}, {
            "serviceId": "TPS", "auth": ACCESS_KEY, "pushKey": key.body["pushKey"], "locale": 1})
        self.assertEqual((session.status, session.body), (0, {"keepAliveInterval": 30}))
        return c

    def test_refused_registration_and_session(self):
        c = self.client("push", json_mode=False)
        bad = c.request(push_platform("PPSE", "M00000005"), {"status": 0}, {
            "serviceId": "TPS", "auth": "wrong", "deviceUuid": "PPM-X-W", "locale": 1})
        self.assertEqual(bad.status, 1)
        unknown = c.request(push_platform("PPSE", "M00000001"), {"status": 0}, {
            "serviceId": "TPS", "auth": ACCESS_KEY, "pushKey": "PK-none", "locale": 1})
        self.assertEqual(unknown.status, 1)

    def test_delivery_and_acknowledgement(self):
        c = self.open_session()
        items = [{"data": {"messageId": "broadcasting:01", "mtngId": "101", "message": "회의 시작",
                           "content": "2분기 업무보고 회의"}},
                 {"data": "{not json"},
                 {"data": {"messageId": "synchronization:01", "mtngId": "101",
                           "attachId": "D1011", "page": "3"}}]
        sent = self.call("push", items=items)
        self.assertEqual(sent["sent"], 1)
        got = c.recv_until("M00000001", "PFAP")
        listed = got.body["pushItemList"]
        self.assertEqual([i["deviceMessageUuid"] for i in listed], sent["uuids"])
        self.assertEqual(json.loads(listed[0]["data"])["message"], "회의 시작")
        self.assertEqual(listed[1]["data"], "{not json")
        self.assertEqual(listed[2]["summaryCnt"], 0)
        c.send(push_platform("PFAP", "M00000002"), {"status": 0}, {"pushItemResultList": [
            {"deviceMessageUuid": u, "type": "PPC", "status": 0} for u in sent["uuids"]]})
        ack = self.call("wait", server="push", app="PFAP", msg="M00000002",
                        since=self.mark)["records"][0]
        self.assertEqual([r["deviceMessageUuid"] for r in ack["body"]["pushItemResultList"]],
                         sent["uuids"])

    def test_sample_pushes_of_the_whole_table(self):
        c = self.open_session()
        sent = self.call("push_sample", ids=["all"], mtngId="102",
                         fields={"syncYn": "Y", "content": None})
        self.assertEqual(len(sent["ids"]), 32)
        self.assertNotIn("broadcasting:21", sent["ids"])
        listed = c.recv_until("M00000001", "PFAP").body["pushItemList"]
        data = [json.loads(i["data"]) for i in listed]
        self.assertEqual([d["messageId"] for d in data], sent["ids"])
        by_id = {d["messageId"]: d for d in data}
        self.assertEqual(by_id["broadcasting:05"]["mtngId"], "102")
        self.assertEqual(by_id["broadcasting:05"]["syncYn"], "Y")
        self.assertNotIn("content", by_id["broadcasting:01"])
        self.assertEqual(by_id["broadcasting:29"]["command"], 1)
        self.assertEqual(by_id["synchronization:01"]["attachId"], "D1011")
        one = self.call("push_sample", id="broadcasting:16", separately=True)
        self.assertEqual(one["ids"], ["broadcasting:16"])
        bad = self.ctl.call("push_sample", id="broadcasting:21")
        self.assertFalse(bad["ok"])

    def test_keepalive_answered_unless_switched_off(self):
        c = self.open_session()
        self.assertEqual(c.request(push_platform("PFAP", "M00000000"), {"status": 0}).msg,
                         "M00000000")
        self.call("config", answer_keepalive=False)
        c.send(push_platform("PFAP", "M00000000"), {"status": 0})
        with self.assertRaises(TimeoutError):
            c.recv(timeout=0.4)

    def test_status_change_and_chat_reach_push_sessions(self):
        p = self.open_session()
        t = self.client("tas")
        s = self.log_in(t)
        self.tas_request(t, "M00000017", {"userIdnfr": 1001, "mtngId": "102",
                                          "mtngStatus": "02", "mtngType": "10"}, s)
        item = p.recv_until("M00000001", "PFAP").body["pushItemList"][0]
        self.assertEqual(json.loads(item["data"])["messageId"], "broadcasting:01")
        self.tas_request(t, "M00000031", {"mtngId": "102", "message": "확인했습니다",
                                          "chatType": 1, "senderId": "1001",
                                          "receiverId": ""}, s)
        chat = json.loads(p.recv_until("M00000001", "PFAP").body["pushItemList"][0]["data"])
        self.assertEqual((chat["messageId"], chat["userName"], len(chat["sentDate"])),
                         ("synchronization:03", "김민준", 14))

    def test_a_chat_message_reaches_the_others_but_not_its_sender(self):
        # Each user opens his push session right after his log-in, as the client does.
        users = {}
        for login in ("kim", "lee"):
            t = self.client("tas")
            users[login] = (t, self.log_in(t, login), self.open_session())
        kim_tas, kim_session, kim_push = users["kim"]
        self.tas_request(kim_tas, "M00000031", {"mtngId": "102", "message": "2쪽 보세요",
                                                "chatType": 1, "senderId": "1001",
                                                "receiverId": ""}, kim_session)
        chat = json.loads(users["lee"][2].recv_until("M00000001", "PFAP").body["pushItemList"][0]["data"])
        self.assertEqual((chat["messageId"], chat["message"]), ("synchronization:03", "2쪽 보세요"))
        with self.assertRaises(OSError):
            kim_push.recv_until("M00000001", "PFAP", timeout=0.5)


class Synchronisation(ServerTestCase):
    def connect(self) -> wire.WireClient:
        c = self.client("tds")
        reply = c.request(wire.short_platform("TD01", "M00000001"), None,
                          {"WIFI_MAC": "0A1B2C3D4E5F"}, version="PHV106")
        self.assertEqual((reply.version, reply.status, reply.body),
                         ("PHV106", 0, {"keepAlliveTime": 10}))
        return c

    def test_connect_keepalive_and_disconnect(self):
        self.call("config", tds_keepalive=2)
        c = self.client("tds")
        reply = c.request(wire.short_platform("TD01", "M00000001"), None,
                          {"WIFI_MAC": "0A1B2C3D4E5F"}, version="PHV106")
        self.assertEqual(reply.body["keepAlliveTime"], 2)
        alive = c.request(wire.short_platform("PFAP", "M00000000"), version="PHV106")
        self.assertEqual((alive.app, alive.version), ("PFAP", "PHV106"))
        bye = c.request(wire.short_platform("TD01", "M00000002"), None,
                        {"WIFI_MAC": "0A1B2C3D4E5F"}, version="PHV106")
        self.assertEqual(bye.status, 0)
        frames = self.call("log", server="tds", kind="frame", since=self.mark)["records"]
        self.assertEqual(frames[0]["body"], {"WIFI_MAC": "0A1B2C3D4E5F"})
        self.assertEqual(frames[0]["header"], None)

    def test_presenter_actions_arrive_as_data_text(self):
        c = self.connect()
        line = {"line": {"lineId": "L1", "mode": "insert", "Red": 255, "Green": 0, "Blue": 0,
                         "points": [{"x": 1, "y": 2, "z": 0}], "isLastLine": True}}
        cases = [("page", "M00000006", {"mtngId": "101", "attachId": "D1011", "page": "2"}),
                 ("lines", "M00000004", {"mtngId": "101", "attachId": "D1011", "page": "2",
                                         "metaType": "1", "content": json.dumps(line)}),
                 ("zoom", "M00000005", {"mtngId": "101", "attachId": "D1011",
                                        "zoomFactor": "1.5", "originX": "10", "originY": "-20"}),
                 ("pointer", "M00000007", {"mtngId": "101", "userIdnfr": "1001",
                                           "attcFileId": "D1011", "page": "2", "pointerX": "5",
                                           "pointerY": "6", "pointerColor": "255",
                                           "pointerSize": "1", "pointerShape": "0"})]
        for action, msg, data in cases:
            with self.subTest(action=action):
                self.assertEqual(self.call("tds", action=action, data=data)["sent"], 1)
                got = c.recv()
                self.assertEqual((got.app, got.msg, got.version), ("TD01", msg, "PHV106"))
                self.assertEqual(json.loads(got.body["data"]), data)
        self.call("tds", msg="M00000006", data="")
        self.assertEqual(c.recv().body, {"data": ""})

    def test_the_presenters_actions_reach_the_other_user_until_he_hands_over(self):
        # Each user logs in, then opens his synchronisation connection, as the client does.
        users = {}
        for login in ("park", "kim"):
            t = self.client("tas")
            users[login] = (t, self.log_in(t, login), self.connect())
        park_tas, park_session, park_tds = users["park"]
        kim_tas, kim_session, kim_tds = users["kim"]
        line = json.dumps({"line": {"lineId": "L9", "mode": "insert", "points": []}})
        requests = [("M00000015", {"mtngId": "102", "attcFileId": "D1021", "syncYn": True, "page": 3},
                     "M00000006", {"mtngId": "102", "attachId": "D1021", "page": 3}),
                    ("M00000030", {"mtngId": "102", "attcFileId": "D1021", "page": 3,
                                   "content": line, "metaType": 1},
                     "M00000004", {"mtngId": "102", "attachId": "D1021", "page": 3,
                                   "metaType": "1", "content": line}),
                    ("M00000048", {"mtngId": "102", "attcFileId": "D1021", "zoomFactor": "2",
                                   "originX": "5", "originY": "6", "dpi": "160"},
                     "M00000005", {"mtngId": "102", "attcFileId": "D1021", "zoomFactor": "2",
                                   "originX": "5", "originY": "6"})]
        for msg, body, relayed, data in requests:
            with self.subTest(msg=msg):
                self.assertEqual(self.tas_request(park_tas, msg, body, park_session).status, 0)
                got = kim_tds.recv()
                self.assertEqual((got.msg, json.loads(got.body["data"])), (relayed, data))
        # An attendee's own strokes go nowhere; the presenter never gets his own back.
        self.tas_request(kim_tas, "M00000030", requests[1][1], kim_session)
        sent = self.call("log", server="tds", kind="sent", since=self.mark)["records"]
        self.assertEqual([r["msg"] for r in sent if r["msg"] != "M00000001"],
                         ["M00000006", "M00000004", "M00000005"])
        try:
            handed = self.tas_request(park_tas, "M00000018", {"mtngId": "102", "attcFileId": "D1021",
                                                              "userIdnfr": "1001"}, park_session)
            self.assertEqual(handed.status, 0)
            listed = self.tas_request(kim_tas, "M00000004", {"mtngId": "102", "attcFileId": ""},
                                      kim_session).body["list"]
            self.assertEqual([a["userIdnfr"] for a in listed if a["processYn"]], [1001])
            self.tas_request(kim_tas, "M00000030", requests[1][1], kim_session)
            got = park_tds.recv()
            self.assertEqual((got.msg, json.loads(got.body["data"])["attachId"]), ("M00000004", "D1021"))
        finally:
            self.tas_request(kim_tas, "M00000018", {"mtngId": "102", "attcFileId": "D1021",
                                                    "userIdnfr": "1003"}, kim_session)
            self.tas_request(park_tas, "M00000015", dict(requests[0][1], syncYn=False), park_session)


class Voice(ServerTestCase):
    def join(self, account: str) -> dict:
        c = self.client("voice")
        header = {"GROUPID": "101", "ACCOUNTID": account, "AUTHORITY_TYPE": "0", "AUTHKEY": "",
                  "APP_VERSION": "", "APP_UPDATE_URL": "", "ERRORMSG": ""}
        reply = c.request(wire.client_platform("A002", "CON000001", int(time.time()),
                                               service_id=0, os_type="I"),
                          header, {"pushKey": "PPM-0A1B2C3D4E5F-W"})
        self.assertEqual(reply.status, 0)
        self.assertEqual(reply.body["OUT_SENT_PORT"], str(self.ports["voice_udp_send"]))
        self.assertEqual(reply.body["OUT_RECEIVE_PORT"], str(self.ports["voice_udp_receive"]))
        speak = c.request(wire.client_platform("A002", "SAY000001", 1), header,
                          {"IN_REQ_TYPE": 1, "IN_ACCOUNTID": account})
        self.assertEqual(speak.body["OUT_STATUS"], 0)
        return reply.body

    def session(self, port: int, kind: str, account: str) -> socket.socket:
        s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        s.settimeout(3)
        self.addCleanup(s.close)
        reg = {"IN_SES_TYPE": kind, "IN_OS": "I", "IN_IMEI": "0" * 20, "IN_WIFI_MAC": "",
               "IN_MSISDN": "0" * 14, "IN_UUID": "0" * 24, "IN_GROUP_ID": "101",
               "IN_ACCOUNT_ID": account}
        s.sendto(datagram(1, json.dumps(reg, indent=3).encode()), (HOST, port))
        kind_back, payload = parse_datagram(s.recv(2048))
        self.assertEqual((kind_back, json.loads(payload)["OUT_STATUS"]), (1, 0))
        return s

    def test_join_register_keepalive_and_voice_relay(self):
        ports = self.join("1001")
        self.join("1002")
        send_port, receive_port = int(ports["OUT_SENT_PORT"]), int(ports["OUT_RECEIVE_PORT"])
        s_other = self.session(send_port, "S", "1002")
        r_mine = self.session(receive_port, "R", "1001")
        r_mine.sendto(datagram(0), (HOST, receive_port))
        self.assertEqual(parse_datagram(r_mine.recv(64)), (0, b""))
        r_mine.sendto(datagram(2, b"\x01\x02voice"), (HOST, receive_port))
        self.assertEqual(parse_datagram(s_other.recv(2048)), (2, b"\x01\x02voice"))
        self.assertGreaterEqual(self.call("voice", hex="aabb")["sent"], 1)
        self.assertEqual(parse_datagram(s_other.recv(2048)), (2, b"\xaa\xbb"))
        short = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.addCleanup(short.close)
        short.settimeout(3)
        short.sendto(b"\0", (HOST, receive_port))   # too short: read as a keep-alive
        self.assertEqual(parse_datagram(short.recv(64)), (0, b""))

    def test_unanswered_keepalive_and_raw_datagram(self):
        ports = self.join("1001")
        s_mine = self.session(int(ports["OUT_SENT_PORT"]), "S", "1001")
        s_mine.settimeout(0.5)
        self.call("config", answer_udp_keepalive=False)
        s_mine.sendto(datagram(0), (HOST, int(ports["OUT_SENT_PORT"])))
        self.assertRaises(socket.timeout, s_mine.recv, 64)
        s_mine.settimeout(3)
        self.assertGreaterEqual(self.call("voice", hex="00", raw=True)["sent"], 1)
        self.assertEqual(s_mine.recv(64), b"\0")

    def test_keepalive_and_authority(self):
        c = self.client("voice")
        alive = c.request(wire.client_platform("A002", "CON000000", 1), {"GROUPID": "101"})
        self.assertEqual(alive.msg, "CON000000")
        auth = c.request(wire.client_platform("A002", "MEET00009", 2),
                         {"GROUPID": "101", "AUTHORITY_TYPE": "1"})
        self.assertEqual(auth.body["AUTHORITY_TYPE"], "1")
        self.call("send", server="voice", app="A002", msg="CALB00010", body={"OUT_STATUS": 0})
        self.assertEqual(c.recv().msg, "CALB00010")
