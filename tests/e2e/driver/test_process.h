// A Windows program started by a test: it never outlives the test, even when the test
// program itself is killed, because it runs in a job that dies with the test's handles.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class TestProcess {
public:
    // Starts commandLine in workingDirectory (empty: the test's own). Check started().
    TestProcess(const std::string& commandLine, const std::string& workingDirectory = "");
    ~TestProcess();
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }

    // The exit code, or nothing when the process is still running after timeoutMs.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);

private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};
