"""Replies of the application server for the meeting screen's board: page images and their
addresses, stored drawings and figures, sticky notes, thumbnails, favourites, the presenter's
shared page and zoom, and the whiteboard page commands."""
import json
import random
import string
from typing import Any, Dict, Optional

import png_image
from tas_catalogue import Call, Result, encrypt_url, handles, with_document, with_meeting
from tas_data import now_stamp


def _address(c: Call, text: str) -> Dict[str, Any]:
    """The address itself, or encrypted with a fresh key when the settings ask for it."""
    if not c.config.get("encrypt_image_urls"):
        return {"isEnc": False, "aesKey": "", "url": text}
    key = "".join(random.choice(string.ascii_letters + string.digits) for _ in range(32))
    return {"isEnc": True, "aesKey": key, "url": encrypt_url(text, key)}


@handles("M00000024")
@with_document
def page_info(c: Call, d: Dict[str, Any]) -> Result:
    total = c.ds.page_count(d)
    prefix = "%s/img/%s/" % (c.http_base, d["attcFileId"])
    if c.flag("isPIP"):
        a = _address(c, prefix)
        return Result({"mtngId": c.text("mtngId"), "attcFileId": d["attcFileId"],
                       "totalPage": total, "isEnc": a["isEnc"], "prefixUrl": a["url"],
                       "aesKey": a["aesKey"], "isPIP": True})
    page = c.number("page", 1)
    owner = str(c.body["userIdnfr"]) if "userIdnfr" in c.body else c.user_id
    a = _address(c, "%s%d.png" % (prefix, page))
    body = {"mtngId": c.text("mtngId"), "attcFileId": d["attcFileId"], "page": page,
            "totalPage": total, "isEnc": a["isEnc"], "imageUrl": a["url"], "aesKey": a["aesKey"],
            "meta": c.ds.drawings.get((c.text("mtngId"), d["attcFileId"], page, owner), "")}
    if "userIdnfr" in c.body:
        body["userIdnfr"] = c.number("userIdnfr")
    return Result(body)


@handles("M00000011")
@with_document
def page_with_image(c: Call, d: Dict[str, Any]) -> Result:
    page = max(1, c.number("startIdx", 1))
    return Result({"attcFileId": d["attcFileId"], "totalPage": c.ds.page_count(d),
                   "startIdx": page, "errMsg": ""}, raw=png_image.page_image(d["attcFileId"], page))


@handles("M00000010")
def save_page(c: Call) -> Result:
    key = (c.text("mtngId"), c.text("attcFileId"), c.number("page"), c.user_id)
    c.ds.drawings[key] = c.text("meta")
    return Result({"mtngId": key[0], "attcFileId": key[1], "page": key[2]})


@handles("M00000030")
def drawing_event(c: Call) -> Result:
    doc, page, kind = c.text("attcFileId"), c.number("page"), c.number("metaType", 1)
    if kind == 2:
        c.ds.figures.pop((doc, page), None)
    elif kind == 3:
        for key in [k for k in c.ds.figures if k[0] == doc]:
            del c.ds.figures[key]
    else:
        try:
            line = json.loads(c.text("content")).get("line")
        except (ValueError, AttributeError):
            line = None
        if isinstance(line, dict):
            items = c.ds.figures.setdefault((doc, page), [])
            if line.get("mode") == "delete":
                items[:] = [x for x in items if x.get("lineId") != line.get("lineId")]
            else:
                items.append(line)
    return Result({"mtngId": c.text("mtngId"), "attcFileId": doc, "page": page})


@handles("M00000039")
def page_figures(c: Call) -> Result:
    doc, page = c.text("attcFileId"), c.number("page")
    return Result({"mtngId": c.text("mtngId"), "attcFileId": doc, "page": page,
                   "content": list(c.ds.figures.get((doc, page), []))})


def _notes_reply(c: Call, owner: str, saved: Optional[set] = None) -> Dict[str, Any]:
    notes = c.ds.notes.get((c.text("mtngId"), c.text("attcFileId"), owner), {})
    whole = notes.get(0, {})
    items = []
    for page, n in sorted(notes.items()):
        if page == 0:
            continue
        item = {"page": page, "message": n["message"], "regDate": n["regDate"],
                "meta": n.get("meta", "")}
        if saved is not None:
            item["bResult"] = page in saved
        items.append(item)
    return {"mtngId": c.text("mtngId"), "attcFileId": c.text("attcFileId"),
            "messageAll": whole.get("message", ""), "regDateAll": whole.get("regDate", ""),
            "list": items}


@handles("M00000063")
def sticky_notes(c: Call) -> Result:
    owner = str(c.body["userIdnfr"]) if "userIdnfr" in c.body else c.user_id
    body = _notes_reply(c, owner)
    if "userIdnfr" in c.body:
        body["userIdnfr"] = c.number("userIdnfr")
    return Result(body)


@handles("M00000064")
def save_sticky_notes(c: Call) -> Result:
    notes = c.ds.notes.setdefault((c.text("mtngId"), c.text("attcFileId"), c.user_id), {})
    stamp = now_stamp()
    if c.text("messageAll") or c.number("isAll"):
        notes[0] = {"message": c.text("messageAll"), "regDate": stamp}
    saved = set()
    for text in c.body.get("list") or []:
        try:
            item = json.loads(text) if isinstance(text, str) else dict(text)
            page = int(item.get("page", 0))
        except (ValueError, TypeError, AttributeError):
            continue
        notes[page] = {"message": str(item.get("message", "")), "regDate": stamp,
                       "meta": str(item.get("meta", ""))}
        saved.add(page)
    return Result(_notes_reply(c, c.user_id, saved))


@handles("M00000067")
@with_document
def thumbnails(c: Call, d: Dict[str, Any]) -> Result:
    total = c.ds.page_count(d)
    first = max(1, c.number("startIdx", 1))
    per = max(1, c.number("reqPerCnt", 10))
    favourites = c.ds.page_favourites.get((d["attcFileId"], c.user_id), set())
    items, blob = [], b""
    for page in range(first, min(total, first + per - 1) + 1):
        image = png_image.thumbnail(d["attcFileId"], page)
        items.append({"page": page, "size": len(image),
                      "isFavorite": "Y" if page in favourites else "N"})
        blob += image
    return Result({"attcFileId": d["attcFileId"], "totalPage": total, "startIdx": first,
                   "totalFavoriteCnt": len(favourites), "list": items}, raw=blob)


@handles("M00000078")
def page_favourite(c: Call) -> Result:
    doc, page = c.text("attcFileId"), c.number("page")
    pages = c.ds.page_favourites.setdefault((doc, c.user_id), set())
    if c.text("favoriteYn") == "Y":
        pages.add(page)
    else:
        pages.discard(page)
    return Result({"mtngId": c.text("mtngId"), "attcFileId": doc, "page": page,
                   "favoriteYn": c.text("favoriteYn", "N")})


# -------------------------------------------------------------- presenter's shared view

def _is_presenter(c: Call, meeting: Dict[str, Any]) -> bool:
    return c.ds.presenter_id(meeting) == c.user_id


@handles("M00000015")
@with_meeting
def page_share(c: Call, m: Dict[str, Any]) -> Result:
    share = m.get("share")
    page = c.number("page")
    if _is_presenter(c, m):
        if c.flag("syncYn"):
            m["share"] = dict(share or {}, attcFileId=c.text("attcFileId"), page=page)
        else:
            m["share"] = None
        return Result({"anotherSyncYn": False, "page": page, "status": 0})
    if share:
        return Result({"anotherSyncYn": True, "page": share["page"], "status": 0})
    return Result({"anotherSyncYn": False, "page": page, "status": 0})


@handles("M00000021")
@with_meeting
def presenter_view(c: Call, m: Dict[str, Any]) -> Result:
    share = m.get("share") or {}
    return Result({"mtngId": m["mtngId"], "mtngStatus": m["mtngStatus"],
                   "attcFileId": share.get("attcFileId", ""), "page": share.get("page", 0),
                   "zoomFactor": share.get("zoomFactor", "-1"),
                   "originX": share.get("originX", "0"), "originY": share.get("originY", "0")})


@handles("M00000048")
def zoom_share(c: Call) -> Result:
    m = c.ds.meeting(c.text("mtngId"))
    if m is not None and m.get("share"):
        m["share"].update(zoomFactor=c.text("zoomFactor", "-1"), originX=c.text("originX", "0"),
                          originY=c.text("originY", "0"))
    return Result({"mtngId": c.text("mtngId"), "applyYn": "Y"})


@handles("M00000100")
@with_document
def whiteboard_command(c: Call, d: Dict[str, Any]) -> Result:
    command, requested = c.number("command"), max(1, c.number("page", 1))
    total = c.ds.page_count(d)
    page = requested
    if command == 1 and d.get("wbType"):
        total += 1
        page = requested + 1
    elif command == 2 and d.get("wbType") and total > 1:
        total -= 1
        page = max(1, requested - 1)
    elif command == 3 and d.get("wbType"):
        total, page = 1, 1
    c.ds.extra_pages[d["attcFileId"]] = total
    return Result({"status": 0, "status_message": "", "attcFileId": d["attcFileId"],
                   "command": command, "page": min(page, total), "totalPage": total,
                   "requestPage": requested})
