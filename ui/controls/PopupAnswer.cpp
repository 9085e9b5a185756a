#include "ui/controls/PopupAnswer.h"

#include "core/ClientMessages.h"

#include <mutex>

namespace {

std::mutex g_lock;
PopupAnswerHook g_hook;

}  // namespace

void SetPopupAnswerHook(PopupAnswerHook hook)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_hook = std::move(hook);
}

int AskPopupAnswer(const POPUP_QUESTION& question)
{
    PopupAnswerHook hook;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        hook = g_hook;
    }
    return hook ? hook(question) : 0;
}

void ApplyPopupAnswer(HWND hPopup, int nAnswer, UINT nCloseId)
{
    UINT id = 0;
    switch (nAnswer) {
    case 1: id = IDOK; break;
    case 2: id = IDCANCEL; break;
    case 3: id = nCloseId; break;
    default: return;
    }
    if (::IsWindow(hPopup))
        ::SendMessageW(hPopup, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(hPopup, id));
}

int AskPopupAnswerLater(HWND hPopup, const POPUP_QUESTION& question)
{
    const int answer = AskPopupAnswer(question);
    if (answer >= 1 && answer <= 3)
        ::PostMessageW(hPopup, WM_POPUP_ANSWER, answer, 0);
    return answer;
}
