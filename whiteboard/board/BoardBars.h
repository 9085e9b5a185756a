#pragma once
// The bars and small windows around the board: what the board layer asks of them, and the makers
// the program sets so that the board can create them without knowing their classes (they live in
// a library above the board). A maker that is not set means: no such bar.
//
// Every call is made on the user-interface thread. The board owns what a maker returns.
#include <windows.h>

#include <functional>
#include <memory>

#include <json/json.h>

#include "platform/CString.h"
#include "whiteboard/canvas/CanvasBars.h"

class CWnd;
class CBoardDrawCtrl;
class IBoardInfoCtrlEventListener;
class IBoardOptCtrlEventListener;
class IMemoLayerView;
class IBoardMeetingContext;

// The drawing tool bar in the canvas' bottom-right corner (the canvas shows, hides and lays it
// out).
class IBoardDrawToolBar : public ICanvasToolBar {
public:
    virtual void EnableUndoRedo(BOOL undo, BOOL redo) = 0;
    virtual void EnableClearButtons(BOOL page, BOOL all) = 0;
};

// The information bar above the canvas.
class IBoardInfoBar {
public:
    virtual ~IBoardInfoBar() = default;
    virtual CWnd* GetBarWnd() = 0;
    virtual void SetDocumentInfo(const CString& name, const CString& pageText) = 0;
    virtual void SetZoom(float zoom) = 0;
    // The synchronisation check follows the argument, except after the meeting's end.
    virtual void EnableSync(BOOL enable) = 0;
    // The page's favourite check: clickable or not, and what it shows.
    virtual void EnableFavorite(BOOL enable) = 0;
    virtual void SetFavoriteCheck(BOOL check) = 0;
    // The board was reset: the zoom choice and the approval selection start again.
    virtual void ResetZoomCombo() = 0;
    virtual void ResetSelection() = 0;
    // The zoom goes back to fitting the page (and the canvas is told).
    virtual void ResetZoom() = 0;
    // What decides whether the approval selector is offered, each followed by that decision:
    // the user's own approval still pending (1) or given (0), and the meeting's type number, its
    // hidden-user flag and the open document's reference flag. ResetSelection forgets all four.
    virtual void SetApprovalPending(int pending) = 0;
    virtual void SetApprovalContext(int typeNumber, int hiddenUser, int referenceDocument) = 0;
    // The approval selector back on "none" (the confirmation was cancelled).
    virtual void SetApprovalSelection(int selection) = 0;
};

// The option bar below the canvas.
class IBoardOptBar {
public:
    virtual ~IBoardOptBar() = default;
    virtual CWnd* GetBarWnd() = 0;
    virtual void SetPageCounter(int current, int total) = 0;
    // The page number the bar shows.
    virtual int GetCurrentPage() = 0;
    virtual void SetDocumentIndex(int index) = 0;
    virtual void SetDocumentCount(int count) = 0;
    virtual void CheckToolButton(int tool) = 0;
    virtual void HideToolPopups(int tool, int flag) = 0;
    virtual void SetStickyNoteButton(BOOL hasNote) = 0;
    virtual int GetMode() = 0;
    virtual void SetMode(int mode) = 0;
    // Sharing started or ended, or the board opened a document: the bar's mode and what it lets
    // the user do follow the meeting's state.
    virtual void ApplyShareState(int sharing) = 0;
    // The page's favourite check: clickable or not, and what it shows.
    virtual void EnableFavorite(BOOL enable) = 0;
    virtual void SetFavoriteCheck(BOOL check) = 0;
    // The mode buttons (whose drawing the board shows) usable or not.
    virtual void EnableTabButtons(BOOL enable) = 0;
    // The floating drawing palette usable or not.
    virtual void EnablePalette(BOOL enable) = 0;
    // On the meeting's whiteboard: the close and add-page buttons; off it: the open button and
    // the favourite check.
    virtual void ShowWhiteboardButtons(BOOL on) = 0;
    // The chairman's status button of a status type (1 start, 2 end, 4 restart, 12 and 13 a
    // report's decisions), or none.
    virtual void ShowTypeButtons(int type, BOOL show) = 0;
    // The meeting's detail (its start day and end time): the status buttons and the minutes left.
    virtual void SetMeetingTime(const Json::Value& detail) = 0;
    // The minutes left until the meeting's end, as text ("%d").
    virtual CString GetRemainMinutes() = 0;
    // The page the slider's thumb points at while it is dragged, shown without moving there.
    virtual void ShowPagePreview(int page, int total) = 0;
    // A click anywhere (screen point): the bar's page pop-up closes when the click misses it.
    virtual void HidePopupOutside(POINT ptScreen) = 0;
};

// The mini-map shown while the canvas is panned (the canvas shows and hides it).
class IBoardNavigator : public ICanvasNavigator {
};

// The sticky-note window of the open document.
class IStickyNoteView {
public:
    virtual ~IStickyNoteView() = default;
    virtual BOOL IsShown() = 0;
    virtual void ShowPageNote(int page) = 0;
    virtual BOOL HasNoteForPage() = 0;
    virtual void HideKeepState(BOOL keep) = 0;
    virtual void ShowWindowAt() = 0;
    // The server's note lists (the M00000063 load reply and the M00000064 save reply).
    virtual void OnNotesLoaded(const Json::Value& body) = 0;
    virtual void OnNotesSaved(const Json::Value& body) = 0;
    virtual void SaveNotes() = 0;
    virtual BOOL IsModified() = 0;
    // A whiteboard page was added at n / page n was removed: the notes follow their pages; the
    // window then shows the note of page 'current'.
    virtual void InsertPageNote(int current, int n) = 0;
    virtual void DeletePageNote(int current, int n) = 0;
    // The meeting or the document is left: every note (own and the receiver's) goes, unsaved
    // changes included, and the window hides and takes its first look again.
    virtual void DropAllNotes() = 0;
    // While the board is shared the notes cannot be changed.
    virtual void SetLocked(BOOL locked) = 0;
    // The main window hid (0) or showed (1) itself: a note it hid comes back with it.
    virtual void ShowIfWanted(BOOL show) = 0;
    // The user chose not to keep the unsaved notes: they go back to what was saved.
    virtual void DiscardChanges() = 0;
};

// What a bar needs to know of the board besides its listener.
struct S_BOARD_BAR_CONTEXT {
    CWnd* pBoard = nullptr;              // the board layer window (parent of the info and option bars)
    CBoardDrawCtrl* pCanvas = nullptr;   // the canvas (parent of the tool bar, mini-map and memos)
    // The tool bar chose tool t (0 pen, 1 highlighter, 2 pointer, 3 clear): the board tells the
    // option bar.
    std::function<void(int tool)> onToolChosen;
    // The board's meeting and open document.
    std::function<CString()> getMeetingId;
    std::function<CString()> getDocumentId;
    std::function<int()> getCurrentPage;
    std::function<int()> getBoardMode;
    // The user presents with page synchronisation on (his clears go to the others).
    std::function<BOOL()> isPresentingSynced;
    // The meeting around the board, null while there is none.
    std::function<IBoardMeetingContext*()> getMeeting;
};

struct S_BOARD_BAR_MAKERS {
    std::function<IBoardInfoBar*(const S_BOARD_BAR_CONTEXT&, IBoardInfoCtrlEventListener*)> makeInfoBar;
    std::function<IBoardOptBar*(const S_BOARD_BAR_CONTEXT&, IBoardOptCtrlEventListener*)> makeOptBar;
    std::function<IBoardDrawToolBar*(const S_BOARD_BAR_CONTEXT&)> makeDrawToolBar;
    std::function<IMemoLayerView*(const S_BOARD_BAR_CONTEXT&)> makeMemoLayer;
    std::function<IBoardNavigator*(const S_BOARD_BAR_CONTEXT&)> makeNavigator;
    std::function<IStickyNoteView*(const S_BOARD_BAR_CONTEXT&)> makeStickyNote;
    // The presenter's banner and toolbar over the canvas (full view); they report to the board as
    // the information and option bars do.
    std::function<IPresenterBars*(const S_BOARD_BAR_CONTEXT&, IBoardInfoCtrlEventListener*,
                                  IBoardOptCtrlEventListener*)>
        makePresenterBars;
    // The laser pointer was chosen on a bar: the main window's floating palette shows it too.
    std::function<void()> selectPalettePointer;
    // The approval's confirmation (signer, signature picture, approve or reject), modal over the
    // owner; IDOK goes on. One at a time: asked while one is open, it answers IDCANCEL.
    std::function<INT_PTR(CWnd* pOwner, const CString& signer, const CString& imagePath, BOOL approve)>
        confirmApproval;
};

// Set once by the program before the first board is created (tests set their own).
void SetBoardBarMakers(const S_BOARD_BAR_MAKERS& makers);
const S_BOARD_BAR_MAKERS& GetBoardBarMakers();
