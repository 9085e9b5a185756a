"""Frames, sections, the JSON layout and the protocol definition files."""
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import protodef  # noqa: E402
import wire  # noqa: E402
from server_set import PROTOCOLS_DIR  # noqa: E402
from styled_json import styled  # noqa: E402


def load(name: str) -> protodef.ProtocolDef:
    return protodef.ProtocolDef.from_file(os.path.join(PROTOCOLS_DIR, name))


def definition(xml: str) -> protodef.ProtocolDef:
    with tempfile.NamedTemporaryFile("w", suffix=".xml", delete=False) as f:
        f.write(xml)
    try:
        return protodef.ProtocolDef.from_file(f.name)
    finally:
        os.unlink(f.name)


CATALOGUE_IDS = ["G00000001"] + ["M%08d" % n for n in (
    list(range(1, 12)) + [13, 15] + list(range(17, 25)) + [30, 31, 32] + list(range(34, 40))
    + list(range(43, 50)) + [52, 63, 64] + list(range(67, 72)) + [74, 76, 78, 79, 95, 96, 100])]


class ShippedDefinitions(unittest.TestCase):
    def test_application_server_defines_every_catalogue_message_as_one_json_body(self):
        d = load("protocol.xml")
        self.assertEqual(len(CATALOGUE_IDS), 53)
        for mid in CATALOGUE_IDS:
            p = d.get("GS01" if mid.startswith("G") else "PP01")
            with self.subTest(mid=mid):
                self.assertIn(mid, p.messages)
                self.assertEqual([(f.name, f.type) for f in p.request_fields(mid)],
                                 [("body", protodef.TYPE_STRING)])
                self.assertEqual(p.response_fields(mid)[0].type, protodef.TYPE_STRING)
        self.assertEqual(d.get("PP01").header.type, protodef.TYPE_STRING)

    def test_replies_that_carry_pictures_have_a_byte_field_after_the_json(self):
        p = load("protocol.xml").get("PP01")
        for mid in ("M00000006", "M00000011", "M00000067"):
            self.assertEqual([f.type for f in p.response_fields(mid)],
                             [protodef.TYPE_STRING, protodef.TYPE_BYTE], mid)
        self.assertEqual(len(p.response_fields("M00000024")), 1)

    def test_push_messages_are_laid_out_field_by_field(self):
        d = load("pps_protocol.xml")
        fields = lambda fs: [(f.name, f.type) for f in fs]  # noqa: E731
        self.assertEqual(fields(d.get("PPSE").request_fields("M00000005")),
                         [("serviceId", 1), ("auth", 1), ("deviceUuid", 1), ("locale", 4)])
        self.assertEqual(fields(d.get("PPSE").request_fields("M00000001")),
                         [("serviceId", 1), ("auth", 1), ("pushKey", 1), ("locale", 4)])
        self.assertEqual(fields(d.get("PPSE").response_fields("M00000005")), [("pushKey", 1)])
        self.assertEqual(fields(d.get("PPSE").response_fields("M00000001")),
                         [("keepAliveInterval", 4)])
        items = d.get("PFAP").response_fields("M00000001")[0]
        self.assertEqual((items.name, items.type), ("pushItemList", protodef.TYPE_STRUCTURE))
        self.assertEqual(fields(items.sub_fields),
                         [("applicationName", 1), ("applicationPackageName", 1),
                          ("broadcastAction", 1), ("data", 1), ("deviceMessageUuid", 1),
                          ("summaryYn", 1), ("summaryCnt", 4)])
        results = d.get("PFAP").request_fields("M00000002")[0]
        self.assertEqual(fields(results.sub_fields),
                         [("deviceMessageUuid", 1), ("type", 1), ("status", 4)])
        # Structures stand before the bodies, so none of them became a message.
        self.assertEqual(sorted(d.get("PFAP").messages), ["M00000000", "M00000001", "M00000002"])

    def test_synchronisation_and_voice_messages(self):
        tds = load("tds_protocol.xml")
        self.assertEqual(tds.get("TD01").header.type, protodef.TYPE_NONE)
        for mid in ("M00000001", "M00000002", "M00000004", "M00000005", "M00000006",
                    "M00000007"):
            self.assertEqual([f.type for f in tds.get("TD01").response_fields(mid)], [1], mid)
        self.assertIn("M00000000", tds.get("PFAP").messages)
        tvt = load("tvt_protocol.xml").get("A002")
        self.assertEqual(tvt.header.type, protodef.TYPE_STRING)
        self.assertEqual(sorted(tvt.messages), ["CALB00010", "CON000000", "CON000001",
                                                "MEET00009", "SAY000001", "SAY000011"])


class LoaderRules(unittest.TestCase):
    XML = """<protocol-definition><protocols>
      <p name="X001">
        <header><field name="h1" type="string"/><field name="h2" type="integer"/></header>
        <structure name="Inner"><field name="n" type="short"/></structure>
        <structure name="Outer"><field name="s" type="String"/>
          <field name="inner" type="structure" ref="Inner"/></structure>
        <body name="M1"><request><field name="a" type="string"/></request></body>
        <body name="M1"><request><field name="b" type="integer"/></request></body>
        <body name="M2"><response><field name="o" type="structure" ref="Outer"/>
          <field name="z" type="structure" ref="Nowhere"/></response></body>
        <structure name="Late"><field name="x" type="byte"/></structure>
      </p></protocols></protocol-definition>"""

    def test_rules_of_the_loader(self):
        p = definition(self.XML).get("X001")
        self.assertEqual((p.header.name, p.header.type), ("h1", protodef.TYPE_STRING))
        self.assertEqual([(f.name, f.type) for f in p.request_fields("M1")], [("b", 4)])
        outer, nowhere = p.response_fields("M2")
        self.assertEqual([(f.name, f.type) for f in outer.sub_fields], [("s", 0), ("inner", 5)])
        self.assertEqual(outer.sub_fields[1].sub_fields, [])
        self.assertEqual(nowhere.sub_fields, [])
        self.assertIn("Late", p.messages)
        self.assertEqual(definition(self.XML).get("NONE").messages, {})
        self.assertEqual(p.request_fields("M9"), [])


class Frames(unittest.TestCase):
    def setUp(self):
        self.tas = load("protocol.xml")
        self.push = load("pps_protocol.xml")

    def test_empty_json_body_is_three_bytes_of_text(self):
        frame = wire.build_frame(self.tas, wire.client_platform("PP01", "M00000013", 1), None, {})
        self.assertEqual(frame[196:], b"\x00\x00\x00\x03{}\n")
        self.assertEqual(struct.unpack(">II", frame[188:196]), (0, 7))

    def test_platform_header_bytes(self):
        h = wire.encode_platform_header(wire.client_platform("PP01", "M00000001", 258))
        self.assertEqual(len(h), 196)
        self.assertEqual(h[0:6] + h[6:10] + h[10:19], b"PHV102PP01M00000001")
        self.assertEqual(h[27:35], b"\0" * 6 + b"\x01\x02")
        self.assertEqual(h[35:39], b"\0\0\0\x05")
        self.assertEqual(h[79:93], b" " * 14)
        self.assertEqual(h[93:99], b"\0" * 6)
        self.assertEqual(h[139:140], b"W")
        self.assertEqual(h[184:186], b"\0\x01")
        # A header read back and written again keeps its size, whatever its fields hold.
        for os_type in ("", "I"):
            values = dict(wire.client_platform("PP01", "M1", 1), osType=os_type, modelNo="")
            again = wire.decode_platform_header(wire.encode_platform_header(values))[1]
            self.assertEqual(len(wire.encode_platform_header(again)), 196)
            self.assertEqual(again["osType"], os_type)
        # A text longer than its field is cut at the field's end; the next field is untouched.
        long = wire.encode_platform_header(dict(wire.client_platform("PP01", "M1", 1),
                                                modelNo="m" * 40, ispName="isp"))
        self.assertEqual(long[99:129], b"m" * 30)
        self.assertEqual(long[129:139], b"isp" + b"\0" * 7)
        self.assertEqual(wire.decode_platform_header(long)[1]["modelNo"], "m" * 30)
        short = wire.encode_platform_header({"applicationId": "PFAP", "messageId": "M00000000",
                                             "statusCode": -2}, "PHV106")
        self.assertEqual(len(short), 39)
        self.assertEqual(wire.decode_platform_header(short)[1]["statusCode"], -2)

    def test_push_body_carries_members_field_by_field(self):
        body = {"pushItemResultList": [{"deviceMessageUuid": "u1", "type": "PPC", "status": 0}]}
        frame = wire.build_frame(self.push, wire.client_platform("PFAP", "M00000002", 1),
                                 {"status": 0}, body)
        hl, bl = struct.unpack(">II", frame[188:196])
        sections = frame[196:]
        self.assertEqual(sections[:4], struct.pack(">I", hl - 4))
        self.assertEqual(sections[hl:], b"\0\0\0\x01" + b"\0\0\0\x02u1" + b"\0\0\0\x03PPC"
                         + b"\0\0\0\0")
        self.assertEqual(bl, len(sections) - hl)
        empty = wire.build_frame(self.push, wire.client_platform("PFAP", "M00000002", 1),
                                 None, {"pushItemResultList": []})
        self.assertEqual(empty[196:], b"\0\0\0\0")

    def test_round_trip_and_truncated_body(self):
        platform = wire.client_platform("PPSE", "M00000005", 7)
        body = {"serviceId": "TPS", "auth": "k", "deviceUuid": "PPM-AB-W", "locale": 1}
        frame = wire.build_frame(self.push, platform, {"status": 0}, body)
        version, fields = wire.decode_platform_header(frame)
        sections = frame[196:]
        got = wire.parse_sections(self.push, version, fields, sections, False, "request")
        self.assertEqual(got.body, body)
        self.assertEqual(got.header, {"status": 0})
        # A body cut after its first field: the others are absent, nothing fails.
        cut = dict(fields, bodyLength=4 + 3)
        got = wire.parse_sections(self.push, version, cut,
                                  sections[:fields["headerLength"] + 7], False, "request")
        self.assertEqual(got.body, {"serviceId": "TPS"})
        self.assertEqual(got.errors, [])

    def test_phv101_and_status(self):
        frame = wire.build_frame(self.tas, dict(wire.client_platform("PP01", "M00000004", 9),
                                                statusCode=2), {"a": 1}, {"b": 2},
                                 version="PHV101", direction="response")
        version, fields = wire.decode_platform_header(frame)
        self.assertEqual((version, fields["statusCode"], fields["transactionId"]),
                         ("PHV101", 2, 9))
        got = wire.parse_sections(self.tas, version, fields, frame[82:], True)
        self.assertEqual((got.header, got.body), ({"a": 1}, {"b": 2}))

    def test_cutter_keeps_partial_input_and_drops_garbage(self):
        frame = wire.build_frame(self.tas, wire.client_platform("PP01", "M00000013", 1), None, {})
        cutter = wire.FrameCutter()
        self.assertEqual(cutter.feed(frame[:3]), [])
        self.assertEqual(cutter.feed(frame[3:100]), [])
        got = cutter.feed(frame[100:] + frame)
        self.assertEqual(len(got), 2)
        # Garbage is dropped up to the next header, in one piece or over several reads.
        self.assertEqual(len(cutter.feed(b"XXXXXXXX" + frame)), 1)
        self.assertEqual(cutter.feed(b"GARBAGE-PH"), [])
        self.assertEqual(len(cutter.feed(b"V" + frame[7:] + frame)), 0 + 1)
        self.assertEqual(b"".join(cutter.dropped), b"XXXXXXXXGARBAGE-PHV" + frame[7:196 + 7])
        huge = wire.encode_platform_header(dict(wire.client_platform("PP01", "M1", 1),
                                                bodyLength=wire.MAX_SECTION_BYTES + 1))
        with self.assertRaises(wire.WireError):
            wire.FrameCutter().feed(huge)

    def test_counts_past_the_section_end_are_errors(self):
        cases = {"string count": b"\0\0\0\x09abc",
                 "structure count": b"\0\0\0\x09\0\0\0\x01a"}
        for name, body in cases.items():
            with self.subTest(name):
                proto = self.push if name.startswith("structure") else self.tas
                app, msg = ("PFAP", "M00000001") if proto is self.push else ("PP01", "M00000004")
                fields = dict(wire.client_platform(app, msg, 1), headerLength=0,
                              bodyLength=len(body))
                got = wire.parse_sections(proto, "PHV102", fields, body, proto is self.tas)
                self.assertTrue(got.errors, name)


class StyledLayout(unittest.TestCase):
    def test_layout_table(self):
        cases = [
            ({}, "{}\n"),
            ([], "[]\n"),
            ({"b": 1, "a": "x"}, '{\n   "a" : "x",\n   "b" : 1\n}\n'),
            ({"l": [1, 2, 3]}, '{\n   "l" : [ 1, 2, 3 ]\n}\n'),
            ({"l": [{"x": True}]}, '{\n   "l" : [\n      {\n         "x" : true\n      }\n   ]\n}\n'),
            ({"k": "회의"}, '{\n   "k" : "회의"\n}\n'),
            ({"e": {}, "n": None}, '{\n   "e" : {},\n   "n" : null\n}\n'),
        ]
        for value, text in cases:
            with self.subTest(value=value):
                self.assertEqual(styled(value), text)

    def test_long_arrays_go_on_several_lines(self):
        self.assertIn("[ ", styled({"l": ["x" * 31, "y" * 31]}))
        text = styled({"l": ["x" * 32, "y" * 32]})
        self.assertIn('[\n      "' + "x" * 32 + '",\n', text)


if __name__ == "__main__":
    unittest.main()
