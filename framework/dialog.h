// A dialog made from a template of the program's resources, with a response table that binds
// (control id, notification) to a handler. It runs modeless, either as a window of its own or
// as the client of a frame window, or modal, as a box that its owner waits for.
#pragma once

#include "dialog_handler.h"
#include "leave_checks.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

enum class TNotification {
    Click,            // BN_CLICKED of a button or check box
    Changed,          // EN_CHANGE of an edit field: typed or set by the program
    LostFocus,        // EN_KILLFOCUS of an edit field
    SelectionChanged, // LBN_SELCHANGE of a list box
    DoubleClick,      // LBN_DBLCLK of a list box
};

class TDialog {
public:
    TDialog(HWND parent, int templateId);
    virtual ~TDialog();
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    HWND Handle() const { return window_; }

    // Creates the dialog window from its template, owned by the parent it was made with.
    // False on failure.
    bool Create();
    // Creates it as a child of frame, its client: without caption and frame of its own, at
    // the frame's top-left corner. False on failure.
    bool CreateAsChild(HWND frame);
    // Shows the dialog as a modal box of owner's window (its top-level window, which stays
    // disabled meanwhile) and returns when it is closed: the result it was closed with, or -1
    // when it could not be made.
    int Execute(HWND owner);

    // Runs once the window and its controls exist, before it is shown to the user.
    virtual void SetupWindow() {}

    // Draws an item of an owner-drawn control; false when the dialog draws none.
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

    // The close request with a result code (OK); the framework's own closes the window.
    virtual void RequestClose(int result);

    // Destroys the window without the close request (cancel and the close box). A dialog
    // that binds a handler to IDCANCEL's click gets that handler for its close box instead.
    void Destroy(int result);

    // The result the dialog was closed with; 0 while it is open.
    int Result() const { return result_; }

    // Sets a control's text as the program's own doing: a field with a leave check does not
    // count it as a change to be checked.
    void SetTextQuietly(int controlId, const std::string& text);

protected:
    using Handler = DialogHandler<void()>;
    using PaintHandler = DialogHandler<void(HDC)>;
    // Receives the id of the control the user asked help for (F1 on the focused control), or
    // 0 when the request names no control.
    using HelpHandler = DialogHandler<void(int)>;

    void Bind(int controlId, TNotification notification, Handler handler);
    void BindPaint(PaintHandler handler);
    void BindHelp(HelpHandler handler);
    // check runs when the user leaves one of fields after a change of one of them: typed, or
    // set by the program with SetText. Never inside another check (see LeaveChecks).
    void BindLeaveCheck(std::initializer_list<int> fields, Handler check);
    // Forgets the change of the fields that field shares its check with.
    void ClearChangeMark(int field) { leaveChecks_.ClearMark(field); }
    // Runs the check of the field that has the focus, as leaving it would, when it has one
    // pending: before something of the program's own takes the focus from it (a dialog of the
    // menu), so that the check's questions come first and outside that. field 0: whichever
    // field of the dialog has the focus.
    void RunPendingCheck(int field = 0);
    // Whether a leave check is under way.
    bool LeaveCheckRunning() const { return leaveChecks_.Running(); }

private:
    struct Response {
        int controlId;
        TNotification notification;
        Handler handler;
    };

    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(int controlId, int code);
    bool Paint();
    bool Help(const HELPINFO& request);

    HWND parent_;
    int templateId_;
    HWND window_ = nullptr;
    int result_ = 0;
    bool modal_ = false;
    std::vector<Response> responses_;
    PaintHandler paint_;
    HelpHandler help_;
    LeaveChecks leaveChecks_;
};
