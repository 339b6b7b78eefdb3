// Control objects of a dialog: handles through which the program reads and sets a control's
// text, enables it, checks it and fills it. A control object names its control by id and
// finds the window when it is used, so it can be made before the dialog window exists.
#pragma once

#include <windows.h>

#include <string>

class TDialog;

class TControl {
public:
    TControl(TDialog& parent, int id) : parent_(parent), id_(id) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    int Id() const { return id_; }
    HWND Handle() const;

    // Copies at most capacity - 1 characters of the text and terminates; returns the length.
    int GetText(char* buffer, int capacity) const;
    std::string GetText() const;
    void SetText(const std::string& text) const;
    void EnableWindow(bool enable) const;
    bool IsWindowEnabled() const;
    void Show(bool visible) const;
    // The control's rectangle in the client coordinates of its dialog.
    RECT ClientRectInParent() const;

protected:
    TDialog& Parent() const { return parent_; }

private:
    TDialog& parent_;
    int id_;
};

class TStatic : public TControl {
public:
    using TControl::TControl;
};

class TEdit : public TControl {
public:
    using TControl::TControl;
    // Sets the text without marking the field as changed for its leave check.
    void SetTextQuietly(const std::string& text) const;
};

class TButton : public TControl {
public:
    using TControl::TControl;
};

class TGroupBox : public TControl {
public:
    using TControl::TControl;
};

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    bool IsChecked() const;
    void SetCheck(bool checked) const;
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE: the third state of a three-state box.
    unsigned GetCheckState() const;
    void SetCheckState(unsigned state) const;
};

class TListBox : public TControl {
public:
    using TControl::TControl;
    void ClearList() const;
    // Appends text; returns its index.
    int AddString(const std::string& text) const;
    // The selected index, or -1.
    int GetSelIndex() const;
    void SetSelIndex(int index) const;
    // The caret index: where the focus rectangle is.
    int GetCaretIndex() const;
};

// A drop-down list: the user chooses one of its lines and types nothing.
class TComboBox : public TControl {
public:
    using TControl::TControl;
    // Appends text; returns its index.
    int AddString(const std::string& text) const;
    // The selected index, or -1.
    int GetSelIndex() const;
    void SetSelIndex(int index) const;
};
