// Finding and reading the windows of another process, the way a user sees them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// How long a test waits for a window or an exit before it counts as a failure. Generous:
// a loaded machine must not make a test fail, and a hanging program must not hang a test.
constexpr DWORD kWindowTimeoutMs = 20000;

// The first visible top-level window of the process, waiting up to timeoutMs; nullptr if none.
HWND WaitForWindowOf(DWORD processId, DWORD timeoutMs = kWindowTimeoutMs);

// The first visible top-level window of the process for which wanted is true, waiting up to
// timeoutMs; nullptr if none.
HWND WaitForWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted,
                        DWORD timeoutMs = kWindowTimeoutMs);

// The first visible top-level window of the process other than previous (which may still be
// closing), waiting up to timeoutMs; nullptr if none comes.
HWND WaitForWindowAfter(DWORD processId, HWND previous, DWORD timeoutMs = kWindowTimeoutMs);

// The first visible top-level window of any process whose caption contains part, waiting up
// to timeoutMs; nullptr if none. For the programs that another program starts.
HWND WaitForWindowCaptioned(const std::string& part, DWORD timeoutMs = kWindowTimeoutMs);

// Closes window as its close box does and waits up to timeoutMs for it to go; true if it went.
bool CloseWindowAndWait(HWND window, DWORD timeoutMs = kWindowTimeoutMs);

// All visible top-level windows of the process, described for a failure message.
std::string DescribeWindowsOf(DWORD processId);

// Which window has the keyboard: the foreground window with its process, and the active and
// focus windows of processId's thread that owns window, for a failure message.
std::string DescribeKeyboard(HWND window);

std::string WindowText(HWND window);
std::string ClassOf(HWND window);

// What is on the clipboard as text (CF_TEXT), waiting until it is want.
std::string ClipboardTextOnceItIs(const std::string& want);

// The lines of a list box of another process in code page 1252. Read as characters: between
// processes Wine hands a list's text over in UTF-16 whatever the form of the message.
std::vector<std::string> ListBoxLines(HWND list);

// A file's full path under Wine for a path of the Linux side (drive Z: is the Linux root).
std::string WindowsPathOf(const std::string& linuxPath);
