// The real editor under Wine, driven through its windows: the open-file dialog it starts
// with, the main window and its dialog.
#pragma once

#include "test_process.h"

#include <windows.h>
#include <dlgs.h>

#include <initializer_list>
#include <memory>
#include <string>

// The control ids of the open-file dialog that a test reads and sets.
constexpr int kFileNameEdit = cmb13; // the file name field (inside a combo box on newer Windows)
constexpr int kLookInCombo = cmb2;   // the folder the dialog shows

class EditorSession {
public:
    // Starts the editor at exePath (a copy placed where the test wants its own directory).
    explicit EditorSession(const std::string& exePath);

    TestProcess& Process() { return *process_; }

    // The open-file dialog the editor starts with; nullptr (and a failure) if another window
    // or none comes.
    HWND WaitForFileDialog();
    // Types name into the file dialog's name field and confirms it.
    static void ChooseFile(HWND fileDialog, const std::string& name);
    static void CancelFileDialog(HWND fileDialog);
    static std::string FileDialogName(HWND fileDialog);
    static std::string FileDialogFolder(HWND fileDialog);

    // The main window "Marlisk V1.0" and the dialog it holds; nullptr if they do not come.
    HWND WaitForMainWindow();
    HWND MainDialog() const { return mainDialog_; }
    HWND MainWindow() const { return mainWindow_; }
    HWND Item(int id) const { return GetDlgItem(mainDialog_, id); }

    // Clicks a button of the main dialog, without waiting for what it opens.
    void Click(int id) const;
    // Sets a field's text as typing would (gives EN_CHANGE).
    void SetField(int id, const std::string& text) const;
    std::string FieldText(int id) const;
    // Puts the input focus into the control, as a click or the tab key would; the control
    // that had it gets its lost-focus notification. False when the focus did not arrive (a
    // message box the lost-focus handler opened holds it).
    bool Focus(int id) const;
    // The control of the main dialog that has the focus, waiting until it is want.
    HWND FocusOnceItIs(HWND want) const;
    // The same move of the focus, without waiting for it: for a move that opens a message box.
    void MoveFocus(int id) const;
    // Presses key (a virtual-key code) in the control that has the focus, as the keyboard
    // would: posted, so that what the key opens does not block the driver.
    void PressKey(WORD key) const;
    // Opens a menu of the main window with the keyboard, as a user does: Alt, then the menu's
    // letter. The open menu's window, or nullptr when it did not open.
    HWND OpenMenu(char menuLetter) const;
    // Opens a menu and chooses an item with its letter. Returns once the item is chosen,
    // without waiting for what it opens; false when the menu did not open.
    bool ChooseMenuItem(char menuLetter, char itemLetter) const;
    // Selects item index of the entry list as a click would (with its notification).
    void SelectListItem(int index) const;
    // Waits until the field shows text; false after the time-out.
    bool WaitForFieldText(int id, const std::string& text) const;

    // Waits for the editor to end; its exit code, or nothing after the time-out.
    bool Ended(DWORD& exitCode);

private:
    std::unique_ptr<TestProcess> process_;
    HWND mainWindow_ = nullptr;
    HWND mainDialog_ = nullptr;
};

// Key events as the keyboard gives them, to whatever window has the keyboard: an open menu reads
// them from its thread's input.
void SendKeys(std::initializer_list<WORD> keys);

// Presses keys as the keyboard would, in window, which becomes the active window first: held
// down in the order given and let go in reverse (VK_MENU first for an Alt combination).
void PressKeysIn(HWND window, std::initializer_list<WORD> keys);

// The child window with the given id anywhere below parent (the file dialog nests its
// controls), or nullptr.
HWND FindDescendant(HWND parent, int id);
