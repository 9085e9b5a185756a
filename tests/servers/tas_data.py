"""The application server's data: users and meetings from the JSON data set, and what the
clients change while the servers run (status, presence, shared page, drawings, notes, chat,
favourites, settings). Dates in the data set are days from today, so the list always has
meetings today."""
import copy
import datetime
import json
import os
from typing import Any, Dict, List, Optional


def ymd(day: datetime.date) -> str:
    return day.strftime("%Y%m%d")


def now_stamp(moment: Optional[datetime.datetime] = None) -> str:
    return (moment or datetime.datetime.now()).strftime("%Y%m%d%H%M%S")


class DataSet:
    def __init__(self, folder: str) -> None:
        with open(os.path.join(folder, "users.json"), encoding="utf-8") as f:
            self.users: List[Dict[str, Any]] = json.load(f)["users"]
        with open(os.path.join(folder, "meetings.json"), encoding="utf-8") as f:
            self.meetings: List[Dict[str, Any]] = copy.deepcopy(json.load(f)["meetings"])
        self.today = datetime.date.today()
        self.login_failures: Dict[str, int] = {}
        self.push_keys: Dict[str, str] = {}          # user id -> registered push key
        self.schedules: Dict[str, Dict[str, Any]] = {}
        self.drawings: Dict[tuple, str] = {}         # (meeting, doc, page, user) -> SVG
        self.figures: Dict[tuple, List[dict]] = {}   # (doc, page) -> line objects
        self.notes: Dict[tuple, Dict[int, dict]] = {}  # (meeting, doc, user) -> page -> note
        self.page_favourites: Dict[tuple, set] = {}  # (doc, user) -> pages
        self.doc_favourites: set = set()             # (doc, user)
        self.extra_pages: Dict[str, int] = {}        # whiteboard doc -> page count
        self.chat_seq = 1000
        self.meetings.extend(list_screen_meetings())
        for m in self.meetings:
            m.setdefault("share", None)
            m.setdefault("chattingYn", "Y")
            m.setdefault("voicePermitYn", "N")
            start = datetime.datetime.combine(self.today, datetime.time(9, 0))
            for c in m.get("chat", []):
                self.chat_seq += 1
                c["messageId"] = str(self.chat_seq)
                c["created"] = now_stamp(start - datetime.timedelta(
                    minutes=int(c.pop("minutesAgo", 0))) + datetime.timedelta(hours=3))
                c.setdefault("receiverId", "")

    # -------------------------------------------------------------------------- lookups

    def user_by_login(self, sawon_no: str) -> Optional[Dict[str, Any]]:
        return next((u for u in self.users if u["sawonNo"] == sawon_no), None)

    def user_by_id(self, user_id: Any) -> Optional[Dict[str, Any]]:
        return next((u for u in self.users if u["userId"] == str(user_id)), None)

    def meeting(self, mtng_id: Any) -> Optional[Dict[str, Any]]:
        return next((m for m in self.meetings if m["mtngId"] == str(mtng_id)), None)

    def document(self, doc_id: Any) -> Optional[Dict[str, Any]]:
        for m in self.meetings:
            for d in m["documents"]:
                if d["attcFileId"] == str(doc_id):
                    return d
        return None

    def meeting_of_document(self, doc_id: Any) -> Optional[Dict[str, Any]]:
        return next((m for m in self.meetings
                     if any(d["attcFileId"] == str(doc_id) for d in m["documents"])), None)

    def page_count(self, doc: Dict[str, Any]) -> int:
        return self.extra_pages.get(doc["attcFileId"], int(doc.get("pages", 1)))

    def attendee(self, meeting: Dict[str, Any], user_id: Any) -> Optional[Dict[str, Any]]:
        return next((a for a in meeting["attendees"] if a["userId"] == str(user_id)), None)

    def presenter_id(self, meeting: Dict[str, Any]) -> str:
        """The attendee who presents: the one marked so, else the host."""
        for key in ("processYn", "mainYn"):
            a = next((a for a in meeting["attendees"] if a.get(key)), None)
            if a is not None:
                return a["userId"]
        return ""

    def date_of(self, meeting: Dict[str, Any]) -> str:
        return ymd(self.today + datetime.timedelta(days=int(meeting.get("day", 0))))

    def visible_meetings(self, user_id: str) -> List[Dict[str, Any]]:
        """Meetings the user attends, and open meetings."""
        return [m for m in self.meetings
                if m.get("open") or self.attendee(m, user_id) is not None]

    # ----------------------------------------------------------------------- JSON entries

    def meeting_entry(self, m: Dict[str, Any], user_id: str) -> Dict[str, Any]:
        me = self.attendee(m, user_id) or {}
        date = self.date_of(m)
        sh, sm = m.get("start", "09:00").split(":")
        eh, em = m.get("end", "10:00").split(":")
        entry = {key: m[key] for key in (
            "mtngId", "mtngTitl", "mtngRoomTilt", "mtngSmmrCntn", "mtngOpinion", "mtngStatus",
            "mtngType", "mtngMeetingType", "isPaper", "isDelay", "isUrgent", "isUpdate",
            "noteYn", "feedbackYn", "organizersInfo", "reporterInfo") if key in m}
        entry.update({
            "mtngStrtYmd": date, "mtngStrtAmPmCd": "AM" if int(sh) < 12 else "PM",
            "mtngStrtHour": sh, "mtngStrtMin": sm,
            "mtngEndYmd": date, "mtngEndAmPmCd": "AM" if int(eh) < 12 else "PM",
            "mtngEndHour": eh, "mtngEndMin": em,
            "mainYn": bool(me.get("mainYn")), "presenceYn": bool(me.get("presenceYn")),
            "hiddenUserYn": bool(me.get("hiddenUserYn")),
            "attchYn": any(not d.get("wbType") for d in m["documents"]),
        })
        if m.get("mtngType") != "10":
            entry["reportUserType"] = int(m.get("reportUserType", 1))
        return entry

    def attendee_entry(self, a: Dict[str, Any]) -> Dict[str, Any]:
        u = self.user_by_id(a["userId"]) or {}
        return {
            "userIdnfr": int(a["userId"]), "sawonNo": u.get("sawonNo", ""),
            "name": u.get("userName", ""), "email": u.get("email", ""),
            "position": u.get("positionName", ""), "deptName": u.get("deptName", ""),
            "phoneNumber": u.get("phoneNumber", ""), "officeTel": u.get("officeTel", ""),
            "processYn": bool(a.get("processYn")), "mainYn": bool(a.get("mainYn")),
            "ncryPtptYn": bool(a.get("ncryPtptYn")), "presenceYn": bool(a.get("presenceYn")),
            "hiddenUserYn": bool(a.get("hiddenUserYn")),
            "meetingModifyYn": bool(a.get("meetingModifyYn")),
            "secretaryYn": bool(a.get("secretaryYn")),
            "remarkTurn": int(a.get("remarkTurn", -1)),
            "confirmYn": a.get("confirmYn", ""), "confirmDate": a.get("confirmDate", ""),
        }

    def document_entry(self, d: Dict[str, Any], user_id: str) -> Dict[str, Any]:
        yn = lambda flag: "Y" if flag else "N"  # noqa: E731
        return {
            "attcFileId": d["attcFileId"], "attcFileName": d["attcFileName"],
            "attcFileTotalPage": str(self.page_count(d)), "attcFileURL": d.get("attcFileURL", ""),
            "attcFileAbstPath": d.get("attcFileAbstPath", ""),
            "attcFileConvCompYn": d.get("attcFileConvCompYn", "Y"),
            "attcFileConvSuccYn": d.get("attcFileConvSuccYn", "Y"),
            "attcFileViewPeriod": "", "attcFileDownPeriod": "",
            "favoriteYn": yn((d["attcFileId"], user_id) in self.doc_favourites),
            "feedbackYn": "N", "openYn": "Y", "pdfDownloadYn": "Y",
            "refDocYn": d.get("refDocYn", "N"), "wbType": int(d.get("wbType", 0)),
        }

    def user_entry(self, u: Dict[str, Any]) -> Dict[str, Any]:
        return {"userIdnfr": int(u["userId"]), "sawonNo": u["sawonNo"], "name": u["userName"],
                "email": u["email"], "position": u["positionName"], "deptName": u["deptName"],
                "phoneNumber": u["phoneNumber"], "officeTel": u["officeTel"]}

    def chat_entry(self, c: Dict[str, Any]) -> Dict[str, Any]:
        sender = self.user_by_id(c["senderId"]) or {}
        receiver = self.user_by_id(c.get("receiverId")) if c.get("receiverId") else None
        return {"messageId": c["messageId"], "message": c["message"],
                "senderId": str(c["senderId"]), "senderName": sender.get("userName", ""),
                "senderDept": sender.get("deptName", ""),
                "senderPosition": sender.get("positionName", ""),
                "messageCreatedTime": c["created"],
                "receiverId": str(c.get("receiverId") or ""),
                "receiverName": receiver["userName"] if receiver else ""}

    def add_chat(self, meeting: Dict[str, Any], sender_id: str, message: str,
                 receiver_id: str = "") -> Dict[str, Any]:
        self.chat_seq += 1
        c = {"messageId": str(self.chat_seq), "senderId": str(sender_id), "message": message,
             "receiverId": str(receiver_id or ""), "created": now_stamp()}
        meeting.setdefault("chat", []).append(c)
        return c


# ---- Meeting list screen: months of meetings and reports, long titles, a crowded day ----
# Days are from today, like the JSON data set. Only user 1001 ("kim") attends them, and none is
# on today, so the lists of today stay as the JSON data set has them.
LIST_CROWDED_DAY = 3          # a day with 200 meetings, for paging and the benchmark
LIST_CROWDED_COUNT = 200
LIST_REPORT_DAY = 2           # reports only: every report status, urgent, delayed, paper
LIST_MIXED_DAYS = (-65, -35, 35)   # earlier and later months


def _list_entry(mtng_id: int, title: str, day: int, start: str, end: str, **extra: Any) -> Dict[str, Any]:
    m = {"mtngId": str(mtng_id), "mtngTitl": title, "mtngRoomTilt": "본관 회의실", "mtngSmmrCntn": "",
         "mtngOpinion": "", "mtngStatus": "01", "mtngType": "10", "mtngMeetingType": "01", "day": day,
         "start": start, "end": end, "isPaper": False, "isDelay": False, "isUrgent": False,
         "isUpdate": False, "noteYn": "N", "feedbackYn": "N", "organizersInfo": "기획조정실",
         "reporterInfo": "", "attendees": [{"userId": "1001", "remarkTurn": 0}], "documents": [],
         "chat": []}
    m.update(extra)
    return m


def list_screen_meetings() -> List[Dict[str, Any]]:
    out: List[Dict[str, Any]] = []
    for i in range(LIST_CROWDED_COUNT):
        hour, minute = 8 + (i // 20), (i % 20) * 3
        out.append(_list_entry(50000 + i, "정례 점검 회의 %03d" % (i + 1), LIST_CROWDED_DAY,
                               "%02d:%02d" % (hour, minute), "%02d:%02d" % (hour + 1, minute),
                               mtngStatus="04" if i % 3 == 0 else "01"))
    reports = [
        (11, {}, "분기 예산 집행 현황 보고"),
        (12, {"isUrgent": True}, "긴급 재난 대응 상황 보고"),
        (13, {"isDelay": True}, "지연된 감사 결과 후속 조치 보고"),
        (14, {"isPaper": True, "noteYn": "Y"}, "서면 보고: 연간 사업 계획 최종본"),
    ]
    for n, (status, flags, title) in enumerate(reports):
        out.append(_list_entry(51000 + n, title, LIST_REPORT_DAY, "%02d:00" % (9 + n), "%02d:30" % (9 + n),
                               mtngType="30", mtngStatus=str(status), reportUserType=2 if n == 0 else 1,
                               reporterInfo="기획조정실 김민준", **flags))
    long_title = ("차세대 전자정부 통합 플랫폼 구축 사업의 단계별 추진 현황과 향후 과제에 관한 관계 부서 합동 "
                  "검토 회의 (제3차)")
    for n, day in enumerate(LIST_MIXED_DAYS):
        out.append(_list_entry(52000 + 2 * n, long_title if n == 0 else "월간 부서장 협의회", day,
                               "10:00", "11:00", mtngStatus="04" if day < 0 else "01", feedbackYn="Y"))
        out.append(_list_entry(52001 + 2 * n, "월간 실적 보고", day, "15:00", "15:30", mtngType="30",
                               mtngStatus="14" if day < 0 else "11"))
    return out
