"""Replies of the application server, one function per message id (registered with @handles).
A function gets the call (data set, settings, the logged-in user, the request body) and returns
a Result; the lists, details and screens' keys follow what the client reads."""
import base64
import datetime
import math
import subprocess
from dataclasses import dataclass, field
from typing import Any, Callable, Dict, List

from tas_data import DataSet, now_stamp, ymd

STATUS_NOT_FOUND = 1   # the meeting, document or user named in the request does not exist

HANDLERS: Dict[str, Callable[["Call"], "Result"]] = {}


@dataclass
class Result:
    body: Any = None
    status: int = 0
    raw: bytes = b""
    pushes: List[Dict[str, Any]] = field(default_factory=list)  # push payloads to send
    push_to_sender: bool = True


@dataclass
class Call:
    ds: DataSet
    config: Dict[str, Any]
    user: Dict[str, Any]
    body: Dict[str, Any]
    http_base: str
    msg: str = ""

    @property
    def user_id(self) -> str:
        return self.user["userId"]

    def text(self, key: str, default: str = "") -> str:
        v = self.body.get(key, default)
        return default if v is None else str(v)

    def number(self, key: str, default: int = 0) -> int:
        try:
            return int(self.body.get(key, default))
        except (TypeError, ValueError):
            return default

    def flag(self, key: str) -> bool:
        v = self.body.get(key)
        return v in (True, "Y", "y", "true", 1) or (isinstance(v, str) and v.isdigit() and v != "0")


def handles(*message_ids: str):
    def register(fn):
        for m in message_ids:
            HANDLERS[m] = fn
        return fn
    return register


def with_meeting(fn):
    """Looks up the request's "mtngId"; an unknown meeting is answered with STATUS_NOT_FOUND."""
    def run(c: Call) -> Result:
        m = c.ds.meeting(c.text("mtngId"))
        if m is None:
            return Result({"mtngId": c.text("mtngId")}, STATUS_NOT_FOUND)
        return fn(c, m)
    run.__name__ = fn.__name__
    return run


def with_document(fn):
    """Looks up the request's "attcFileId"; an unknown document gets STATUS_NOT_FOUND."""
    def run(c: Call) -> Result:
        d = c.ds.document(c.text("attcFileId"))
        if d is None:
            return Result({"mtngId": c.text("mtngId"), "attcFileId": c.text("attcFileId")},
                          STATUS_NOT_FOUND)
        return fn(c, d)
    run.__name__ = fn.__name__
    return run


def encrypt_url(text: str, key: str) -> str:
    """AES-256-CBC with a zero IV and PKCS#7 padding, as Base64 text (openssl command)."""
    key_hex = key.encode("utf-8")[:32].ljust(32, b"\0").hex()
    out = subprocess.run(["openssl", "enc", "-aes-256-cbc", "-K", key_hex, "-iv", "0" * 32,
                          "-nosalt"], input=text.encode("utf-8"), capture_output=True, check=True)
    return base64.b64encode(out.stdout).decode("ascii")


# ------------------------------------------------------------------ list and calendar

@handles("M00000002")
def meeting_counts(c: Call) -> Result:
    date = c.text("date") or ymd(datetime.date.today())
    kind = c.text("mtngType", "10")
    n = sum(1 for m in c.ds.visible_meetings(c.user_id)
            if m["mtngType"] == kind and c.ds.date_of(m) == date)
    return Result({"mtngType": kind, "mtngcnt": n})


@handles("M00000003")
def meeting_page(c: Call) -> Result:
    start, end = c.text("startDate"), c.text("endDate")
    kind, search = c.text("mtngType", "10"), c.text("searchString")
    size = max(1, c.number("pageNum", 30))
    page = max(1, c.number("startPage", 1))
    found = [m for m in c.ds.visible_meetings(c.user_id)
             if m["mtngType"] == kind
             and (not start or c.ds.date_of(m) >= start) and (not end or c.ds.date_of(m) <= end)
             and (not search or search in m["mtngTitl"])
             and matches_list_filter(m, kind, c.number("main"))]
    found.sort(key=lambda m: (c.ds.date_of(m), m.get("start", "")))
    total = math.ceil(len(found) / size)
    entries = [c.ds.meeting_entry(m, c.user_id) for m in found[(page - 1) * size:page * size]]
    for e in entries:
        e.update(curPage=page, totalPage=total)
    return Result({"curPage": page, "totalPage": total, "list": entries})


# ---- Meeting list screen: the filter tabs ("main") ----
# Meetings: 1 not ended (01, 02), 2 ended; reports: 1 in progress (11-13), 2 ended (14); 0 all.
def matches_list_filter(m: Dict[str, Any], kind: str, main: int) -> bool:
    if main not in (1, 2):
        return True
    status = int(m.get("mtngStatus", "1") or 1)
    done = status == 14 if kind == "30" else status not in (1, 2)
    return done if main == 2 else not done


@handles("M00000013")
def month_marks(c: Call) -> Result:
    month = c.text("month") or datetime.date.today().strftime("%Y%m")
    marks = [{"mtngId": int(m["mtngId"]), "mtngType": m["mtngType"], "date": c.ds.date_of(m)}
             for m in c.ds.visible_meetings(c.user_id) if c.ds.date_of(m).startswith(month)]
    return Result({"month": month, "list": marks})


# ---------------------------------------------------------------------- one meeting

@handles("M00000004")
@with_meeting
def attendees(c: Call, m: Dict[str, Any]) -> Result:
    return Result({"mtngId": m["mtngId"], "mtngStatus": m["mtngStatus"],
                   "list": [c.ds.attendee_entry(a) for a in m["attendees"]]})


@handles("M00000005", "M00000007")
@with_meeting
def meeting_detail(c: Call, m: Dict[str, Any]) -> Result:
    body = c.ds.meeting_entry(m, c.user_id)
    body.update(list=[c.ds.document_entry(d, c.user_id) for d in m["documents"]],
                minutesId="0", myFilelist=[], voicePermitYn=m["voicePermitYn"],
                chattingYn=m["chattingYn"])
    return Result(body)


@handles("M00000006")
def user_details(c: Call) -> Result:
    import png_image
    u = c.ds.user_by_id(c.number("userIdnfr"))
    if u is None:
        return Result({"userIdnfr": c.number("userIdnfr")}, STATUS_NOT_FOUND)
    return Result(c.ds.user_entry(u), raw=png_image.photo(u["userId"]))


@handles("M00000008")
@with_meeting
def documents(c: Call, m: Dict[str, Any]) -> Result:
    kind = c.text("fileType", "10")
    docs = [c.ds.document_entry(d, c.user_id) for d in m["documents"]] if kind == "10" else []
    return Result({"mtngId": m["mtngId"], "fileType": kind, "list": docs})


@handles("M00000017")
@with_meeting
def status_change(c: Call, m: Dict[str, Any]) -> Result:
    status = c.text("mtngStatus", m["mtngStatus"])
    m["mtngStatus"] = status
    push_ids = {"02": "broadcasting:01", "04": "broadcasting:02", "12": "broadcasting:19",
                "13": "broadcasting:19", "14": "broadcasting:20"}
    pushes = []
    if status in push_ids:
        pushes.append({"messageId": push_ids[status], "mtngId": m["mtngId"],
                       "message": m["mtngTitl"], "content": "회의 상태가 변경되었습니다."})
    return Result({"mtngId": m["mtngId"], "mtngStatus": status}, pushes=pushes)


@handles("M00000018", "M00000076")
@with_meeting
def confirmation(c: Call, m: Dict[str, Any]) -> Result:
    a = c.ds.attendee(m, c.text("userIdnfr") or c.user_id)
    if a is not None:
        a["confirmYn"] = c.text("confirmYn", "Y")
        a["confirmDate"] = c.text("confirmDate") or now_stamp()
    pushes = []
    if c.msg == "M00000018" and a is not None and c.ds.presenter_id(m) == c.user_id \
            and a["userId"] != c.user_id:
        # The presenter hands the presentation over: everyone in the meeting learns who presents.
        for x in m["attendees"]:
            x["processYn"] = x is a
        share = m.get("share") or {}
        pushes.append({"messageId": "broadcasting:05", "mtngId": m["mtngId"],
                       "message": "진행자가 변경되었습니다.", "content": "진행자 변경",
                       "syncYn": "Y" if share else "N", "userIdnfr": a["userId"],
                       "page": str(share.get("page", 1))})
    return Result({"status": 0, "mtngId": m["mtngId"]}, pushes=pushes)


@handles("M00000038", "M00000047")
@with_meeting
def presence(c: Call, m: Dict[str, Any]) -> Result:
    uid = c.text("userIdnfr") or c.user_id
    a = c.ds.attendee(m, uid)
    if a is None:
        a = {"userId": uid, "remarkTurn": len(m["attendees"])}
        m["attendees"].append(a)
    a["presenceYn"] = c.text("attendanceYn", "Y") == "Y"
    return Result({"mtngId": m["mtngId"], "userIdnfr": int(uid) if uid.isdigit() else 0})


@handles("M00000074")
@with_meeting
def chat_switch(c: Call, m: Dict[str, Any]) -> Result:
    m["chattingYn"] = c.text("chattingYn", "Y")
    return Result({"mtngId": m["mtngId"], "chattingYn": m["chattingYn"]},
                  pushes=[{"messageId": "broadcasting:18", "mtngId": m["mtngId"],
                           "chattingYn": m["chattingYn"]}])


@handles("M00000068")
@with_meeting
def voice_permission(c: Call, m: Dict[str, Any]) -> Result:
    m["voicePermitYn"] = c.text("voicePermitYn", "N")
    return Result({"mtngId": m["mtngId"], "attcFileId": c.text("attcFileId"),
                   "voicePermitYn": m["voicePermitYn"]})


# ----------------------------------------------------------------------------- chat

@handles("M00000031")
@with_meeting
def chat_send(c: Call, m: Dict[str, Any]) -> Result:
    msg = c.ds.add_chat(m, c.text("senderId") or c.user_id, c.text("message"),
                        c.text("receiverId"))
    return Result({"mtngId": m["mtngId"], "messageId": msg["messageId"]},
                  pushes=[{"messageId": "synchronization:03", "mtngId": m["mtngId"],
                           "message": msg["message"], "userName": c.user["userName"],
                           "sentDate": msg["created"], "receiverId": msg["receiverId"],
                           "senderId": msg["senderId"]}], push_to_sender=False)


@handles("M00000032")
@with_meeting
def chat_page(c: Call, m: Dict[str, Any]) -> Result:
    size = max(1, c.number("pageNum", 10))
    cursor = c.text("messageId")
    older = [x for x in m.get("chat", []) if not cursor or int(x["messageId"]) < int(cursor)]
    newest_first = list(reversed(older))
    return Result({"mtngId": m["mtngId"], "totalPage": math.ceil(len(newest_first) / size),
                   "list": [c.ds.chat_entry(x) for x in newest_first[:size]]})


# ------------------------------------------------------------------------- settings

@handles("M00000019")
def schedule_save(c: Call) -> Result:
    keys = ("applyYn", "sunYn", "monYn", "tueYn", "wedYn", "thurYn", "friYn", "satYn")
    s = {k: bool(c.body.get(k)) for k in keys}
    s.update(starttime=c.text("starttime", "0900"), endtime=c.text("endtime", "1800"))
    c.ds.schedules[c.user_id] = s
    return Result({"status": 0})


@handles("M00000020", "M00000022")
def schedule_read(c: Call) -> Result:
    default = {"applyYn": True, "sunYn": False, "monYn": True, "tueYn": True, "wedYn": True,
               "thurYn": True, "friYn": True, "satYn": False, "starttime": "0900",
               "endtime": "1800"}
    s = dict(c.ds.schedules.get(str(c.number("userIdnfr")) or c.user_id, default))
    s["userIdnfr"] = c.number("userIdnfr")
    return Result(s)


@handles("M00000044")
def password_change(c: Call) -> Result:
    if c.text("passwordOld") != c.user["password"]:
        return Result({"returnCode": 1, "returnMsg": "현재 비밀번호가 일치하지 않습니다."})
    if not c.text("passwordNew"):
        return Result({"returnCode": 2, "returnMsg": "새 비밀번호를 입력해 주십시오."})
    c.user["password"] = c.text("passwordNew")
    return Result({"returnCode": 0, "returnMsg": ""})


# ------------------------------------------------------------ documents and minutes

@handles("M00000046")
def conversion(c: Call) -> Result:
    return Result({"statusCode": 1, "attcFileId": c.text("attcFileId"), "errMsg": ""})


@handles("M00000052")
def download_to_box(c: Call) -> Result:
    if c.ds.document(c.text("attcFileId")) is None:
        return Result({"status_message": "문서를 찾을 수 없습니다."}, STATUS_NOT_FOUND)
    return Result({"status_message": ""})


@handles("M00000096")
def document_favourite(c: Call) -> Result:
    key = (c.text("attcFileId"), c.user_id)
    if c.text("favoriteYn") == "Y":
        c.ds.doc_favourites.add(key)
    else:
        c.ds.doc_favourites.discard(key)
    return Result({"attcFileId": key[0], "favoriteYn": c.text("favoriteYn", "N")})


@handles("M00000069")
@with_meeting
def minutes(c: Call, m: Dict[str, Any]) -> Result:
    date = c.ds.date_of(m)
    start = date + m.get("start", "09:00").replace(":", "") + "00"
    end = date + m.get("end", "10:00").replace(":", "") + "00"
    main = next((a for a in m["attendees"] if a.get("mainYn")), {})
    author = (c.ds.user_by_id(main.get("userId")) or {}).get("userName", "")
    return Result({"mtngId": m["mtngId"], "regDate": start, "regUserName": author,
                   "mtngStartDate": start, "mtngEndDate": end,
                   "mtngContent": m.get("mtngSmmrCntn", ""), "list": []})


@handles("M00000070")
def document_validity(c: Call) -> Result:
    return Result({"mtngId": c.text("mtngId"), "attcFileId": c.text("attcFileId"),
                   "minutesId": c.text("minutesId"), "result": True})


@handles("M00000071")
@with_meeting
def meeting_times(c: Call, m: Dict[str, Any]) -> Result:
    date = c.ds.date_of(m)
    start = date + m.get("start", "09:00").replace(":", "") + "00"
    return Result({"mtngId": m["mtngId"], "serverNowDate": now_stamp(),
                   "mtngStartDate": start, "mtngRestartDate": "",
                   "mtngEndDate": date + m.get("end", "10:00").replace(":", "") + "00",
                   "startLapsePeriod": "0", "restartLapsePeriod": "0"})


@handles("M00000009", "M00000035", "M00000036", "M00000037", "M00000043",
         "M00000045", "M00000049", "M00000079")
def echo_meeting(c: Call) -> Result:
    """Requests whose answer the client does not read beyond the status."""
    return Result({"mtngId": c.text("mtngId"), "status": 0})
