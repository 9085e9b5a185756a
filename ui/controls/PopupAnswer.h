#pragma once
// The test seam of the client's pop-ups. Every message pop-up (confirm, yes/no, OK/Cancel,
// bitmap notice) asks the hook, once its window is laid out, whether someone other than the user
// answers it; toasts and tray notices tell the hook what they show. A test sets the hook, runs
// the screen, and the pop-up behaves exactly as if the user had pressed the button:
//   1  OK or Yes (Enter)      2  No, Cancel or Esc      3  the pop-up's close button
//   0  no answer: the pop-up waits for the user as usual (also the answer for toasts and tray
//      notices, which need none).
// Modal pop-ups then end with the answer (DoModal returns it); modeless ones act on it as their
// buttons do (a yes/no notice posts its answer to its parent) and hide.
#include <windows.h>

#include <functional>

#include "platform/CString.h"

class CWnd;

enum POPUP_KIND {
    POPUP_CONFIRM = 1,      // one OK button
    POPUP_YES_NO = 2,       // Yes, and No when two buttons show
    POPUP_OK_CANCEL = 3,    // OK, and Cancel when two buttons show
    POPUP_COMMON = 4,       // bitmap notice dialog
    POPUP_TOAST = 5,        // told only
    POPUP_TRAY_NOTICE = 6,  // told only
};

struct POPUP_QUESTION {
    POPUP_KIND kind = POPUP_CONFIRM;
    CString strTitle;
    CString strText;        // the text as shown (line feeds between lines)
    int nButtons = 1;
    BOOL bModal = TRUE;
    BOOL bNotice = FALSE;   // a yes/no notice that reports to its parent
    CWnd* pPopup = nullptr; // the pop-up's window object, for reading more of it
};

using PopupAnswerHook = std::function<int(const POPUP_QUESTION& question)>;

// Process-wide; an empty function removes it.
void SetPopupAnswerHook(PopupAnswerHook hook);
// The hook's answer, or 0 without a hook.
int AskPopupAnswer(const POPUP_QUESTION& question);

// Acts on an answer as the pop-up's buttons would: 1 sends WM_COMMAND IDOK, 2 IDCANCEL, 3 the
// close button's command (nCloseId). Other answers do nothing.
void ApplyPopupAnswer(HWND hPopup, int nAnswer, UINT nCloseId);
// Asks the hook and, when it answers, posts the pop-up WM_POPUP_ANSWER so that the answer is
// applied once the pop-up runs (after a modeless owner has shown it). Returns the answer.
int AskPopupAnswerLater(HWND hPopup, const POPUP_QUESTION& question);
