#include "tools/browser/MessagePrompt.h"

namespace {

MessagePrompt& Prompt()
{
    static MessagePrompt prompt;
    return prompt;
}

}  // namespace

int ShowMessage(HWND hOwner, LPCWSTR lpszText, UINT nType)
{
    const wchar_t* kCaption = L"Vistrel";
    if (Prompt()) return Prompt()(hOwner, lpszText, kCaption, nType);
    return ::MessageBoxW(hOwner, lpszText, kCaption, nType);
}

MessagePrompt SetMessagePrompt(MessagePrompt prompt)
{
    MessagePrompt previous = std::move(Prompt());
    Prompt() = std::move(prompt);
    return previous;
}
