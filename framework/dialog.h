// A dialog made from a template of the program's resources, with a response table that binds
// (control id, notification) to a handler. It runs modeless: either as a window of its own or
// as the client of a frame window.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

enum class TNotification {
    Click,            // BN_CLICKED of a button or check box
    Changed,          // EN_CHANGE of an edit field: typed or set by the program
    LostFocus,        // EN_KILLFOCUS of an edit field
    SelectionChanged, // LBN_SELCHANGE of a list box
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

    // Runs once the window and its controls exist, before it is shown to the user.
    virtual void SetupWindow() {}

    // The close request with a result code (OK); the framework's own closes the window.
    virtual void RequestClose(int result);

    // Destroys the window without the close request (cancel and the close box).
    void Destroy(int result);

    // The result the dialog was closed with; 0 while it is open.
    int Result() const { return result_; }

protected:
    using Handler = std::function<void()>;
    using PaintHandler = std::function<void(HDC)>;

    void Bind(int controlId, TNotification notification, Handler handler);
    void BindPaint(PaintHandler handler);

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

    HWND parent_;
    int templateId_;
    HWND window_ = nullptr;
    int result_ = 0;
    std::vector<Response> responses_;
    PaintHandler paint_;
};
