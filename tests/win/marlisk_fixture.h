// The editor's dialog in-process under Wine, on a CD directory of the test's own: built from
// the real template with real controls, driven through window messages as a user's actions
// arrive, with message boxes and file dialogs answered by the test's script.
#pragma once

#include "marlisk_dlg.h"
#include "modal_boxes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class MarliskFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh CD directory (ending in a backslash), empty.
    const std::string& CdDir() const { return cdDir_; }
    // Writes a file below the CD directory (or at a full path when it holds ':').
    void WriteFile(const std::string& path, const std::string& content);
    std::string ReadFile(const std::string& path) const;
    bool FileExists(const std::string& path) const;

    // Opens the dialog on the INF at infPath (below the CD directory unless it holds ':'),
    // after writing content to it when content is given.
    void OpenDialog(const std::string& infPath = "AutoRun.INF", const char* content = nullptr);
    MarliskDlg& Dialog() { return *dialog_; }
    // Destroys the dialog object, as the editor does when its main window goes.
    void DestroyDialog() { dialog_.reset(); }
    HWND Item(int id) const { return GetDlgItem(dialog_->Handle(), id); }

    // User actions, delivered the Win32 way.
    void SetField(int id, const std::string& text); // WM_SETTEXT: gives EN_CHANGE
    void Type(int id, const std::string& text);     // focus, select all, WM_CHAR per character
    void LeaveField(int id); // focus in, then focus to the list: EN_KILLFOCUS
    void Click(int id);      // BM_CLICK
    std::string FieldText(int id) const;
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::vector<std::string> ListItems() const;
    int ListSelection() const;

    // Message boxes: each expected box is answered in order; an unexpected one fails the test.
    // whileShown runs while the box is up, as the user's doing then (a focus change).
    void ExpectBox(int answer, std::function<void()> whileShown = nullptr) {
        answers_.push_back({answer, std::move(whileShown)});
    }
    const std::vector<MessageBoxRequest>& Boxes() const { return boxes_; }
    // The file dialog: the next one is answered with this full path (empty: cancelled).
    void ExpectFileChoice(const std::string& path) { fileChoices_.push_back(path); }
    const std::vector<OPENFILENAMEA>& FileDialogs() const { return fileDialogs_; }

private:
    std::string cdDir_;
    std::unique_ptr<MarliskDlg> dialog_;
    struct Answer {
        int answer;
        std::function<void()> whileShown;
    };
    std::deque<Answer> answers_;
    std::vector<MessageBoxRequest> boxes_;
    std::deque<std::string> fileChoices_;
    std::vector<OPENFILENAMEA> fileDialogs_;
};
