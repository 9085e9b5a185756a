#include "net/protocol/TasMessageCatalogue.h"

#include <cstdio>

namespace TasMessageCatalogue {

namespace {

// The numbers n of the "M" ids whose replies are delivered; "M00000009" has a reply message but no
// request, and the reply to "M00000034" is matched but goes to no window.
const int kDelivered[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 15, 17, 18, 19, 20, 21,
                          22, 23, 24, 30, 31, 32, 35, 36, 37, 38, 39, 43, 44, 45, 46, 47, 48, 49,
                          52, 63, 64, 67, 68, 69, 70, 71, 74, 76, 78, 79, 95, 96, 100};
const int kSentWithoutReply[] = {34};

std::string IdOf(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "M%08d", n);
    return text;
}

}  // namespace

UINT ReplyMessageOf(const std::string& strMessageId)
{
    if (strMessageId == "G00000001") return WM_USER + 99;
    if (strMessageId.size() != 9 || strMessageId[0] != 'M') return 0;
    for (int n : kDelivered)
        if (IdOf(n) == strMessageId) return n <= 64 ? WM_USER + 99 + n : WM_USER + 100 + n;
    return 0;
}

std::vector<std::string> DeliveredIds()
{
    std::vector<std::string> ids{"G00000001"};
    for (int n : kDelivered) ids.push_back(IdOf(n));
    return ids;
}

std::vector<_REQUIRED_MESSAGE> RequiredMessages()
{
    // The texts live as long as the program, so the records can point at them.
    static const std::vector<std::string> s_ids = [] {
        std::vector<std::string> ids{"M00000000"};   // keep-alive replies
        for (int n : kDelivered) ids.push_back(IdOf(n));
        for (int n : kSentWithoutReply) ids.push_back(IdOf(n));
        return ids;
    }();
    std::vector<_REQUIRED_MESSAGE> required{{"GS01", "G00000001"}};
    for (const std::string& id : s_ids) required.push_back({"PP01", id.c_str()});
    return required;
}

}  // namespace TasMessageCatalogue
