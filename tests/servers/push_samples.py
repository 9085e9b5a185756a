"""One sample payload per push the client knows (its "messageId" and the keys its handler reads),
so that a test or the demo can send any push, or all of them, by id alone. The meeting and the
document default to the first of the data set."""
from typing import Any, Dict, List, Optional

DEFAULT_MEETING = "101"
DEFAULT_DOCUMENT = "D1011"

# messageId -> keys besides "messageId" (values are samples; "{mtngId}" and "{attachId}" are
# filled in).
SAMPLES: Dict[str, Dict[str, Any]] = {
    "broadcasting:01": {"message": "회의가 시작되었습니다.", "content": "회의 시작", "mtngId": "{mtngId}"},
    "broadcasting:02": {"message": "회의가 종료되었습니다.", "content": "회의 종료", "mtngId": "{mtngId}"},
    "broadcasting:03": {"message": "동기화가 변경되었습니다.", "content": "동기화", "mtngId": "{mtngId}",
                        "syncYn": "N"},
    "broadcasting:04": {},
    "broadcasting:05": {"message": "진행자가 변경되었습니다.", "content": "진행자 변경", "mtngId": "{mtngId}",
                        "syncYn": "Y", "userIdnfr": "1002", "page": "1"},
    "broadcasting:06": {"message": "화면을 공유합니다.", "content": "2026-12-10 14:00진행자 화면을 공유합니다.",
                        "mtngId": "{mtngId}", "mtngType": "10", "page": "1", "attachId": "{attachId}",
                        "mtngDT": "20261210140000", "compulsionYn": "Y"},
    "broadcasting:07": {"message": "공지사항이 있습니다.", "content": "공지", "mtngId": "{mtngId}"},
    "broadcasting:08": {"message": "문서가 변경되었습니다.", "content": "문서 변경", "mtngId": "{mtngId}",
                        "attachId": "{attachId}"},
    "broadcasting:09": {"message": "회의 정보가 변경되었습니다.", "content": "회의 변경", "mtngId": "{mtngId}"},
    "broadcasting:10": {"message": "회의가 다시 시작되었습니다.", "content": "회의 재시작", "mtngId": "{mtngId}"},
    "broadcasting:11": {"attachId": "{attachId}", "page": "2", "mtngId": "{mtngId}"},
    "broadcasting:12": {},
    "broadcasting:13": {},
    "broadcasting:14": {"message": "참석자가 변경되었습니다.", "content": "참석자 변경", "mtngId": "{mtngId}"},
    "broadcasting:15": {"mtngId": "{mtngId}", "message": "회의 문서가 변경되었습니다."},
    "broadcasting:16": {},
    "broadcasting:17": {"mtngId": "{mtngId}", "voicePermitYn": "Y"},
    "broadcasting:18": {"mtngId": "{mtngId}", "chattingYn": "N"},
    "broadcasting:19": {"message": "보고 상태가 변경되었습니다.", "content": "보고", "mtngId": "{mtngId}"},
    "broadcasting:20": {"message": "보고가 완료되었습니다.", "content": "보고 완료", "mtngId": "{mtngId}"},
    "synchronization:01": {"mtngId": "{mtngId}", "attachId": "{attachId}", "page": "3"},
    "synchronization:02": {"mtngId": "{mtngId}", "content": "동기화 종료", "message": "진행자가 동기화를 끝냈습니다.",
                           "attachId": "{attachId}", "page": "3"},
    "synchronization:03": {"mtngId": "{mtngId}", "message": "안녕하세요", "userName": "이영희",
                           "sentDate": "20261210093000", "receiverId": "", "senderId": "lee"},
    "synchronization:04": {},
    "synchronization:06": {},
    "broadcasting:23": {"mtngId": "{mtngId}", "userIdnfr": "1002", "attendanceYn": "Y", "page": "1"},
    "broadcasting:24": {"message": "파일함에 문서가 추가되었습니다."},
    "broadcasting:25": {"mtngId": "{mtngId}", "message": "문서 변환이 끝났습니다.", "attachId": "{attachId}",
                        "mergeDocYn": "N"},
    "broadcasting:26": {"mtngId": "{mtngId}", "title": "보안 회의", "content": "회의 자료가 삭제되었습니다."},
    "broadcasting:27": {"mtngId": "{mtngId}", "confirmYn": "Y", "attcFileId": "{attachId}"},
    "broadcasting:28": {"message": "회의 내용이 변경되었습니다.", "content": "회의 변경", "mtngId": "{mtngId}"},
    "broadcasting:29": {"mtngId": "{mtngId}", "attachId": "{attachId}", "command": 1, "page": 2,
                        "totalPage": 3, "requestPage": 2},
}


def sample(message_id: str, mtng_id: str = DEFAULT_MEETING, attach_id: str = DEFAULT_DOCUMENT,
           fields: Optional[Dict[str, Any]] = None) -> Dict[str, Any]:
    """The payload of one push: its sample keys, the meeting and document filled in, then the
    given fields on top (a field set to None is left out, to send a payload without it)."""
    if message_id not in SAMPLES:
        raise ValueError("no sample push %r" % message_id)
    data: Dict[str, Any] = {"messageId": message_id}
    for key, value in SAMPLES[message_id].items():
        if isinstance(value, str):
            value = value.replace("{mtngId}", mtng_id).replace("{attachId}", attach_id)
        data[key] = value
    for key, value in (fields or {}).items():
        if value is None:
            data.pop(key, None)
        else:
            data[key] = value
    return data


def samples(ids: List[str], mtng_id: str = DEFAULT_MEETING, attach_id: str = DEFAULT_DOCUMENT,
            fields: Optional[Dict[str, Any]] = None) -> List[Dict[str, Any]]:
    """Payloads for the ids in order; "all" stands for every id of the table, in table order."""
    out: List[Dict[str, Any]] = []
    for message_id in ids:
        names = list(SAMPLES) if message_id == "all" else [message_id]
        out.extend(sample(n, mtng_id, attach_id, fields) for n in names)
    return out
