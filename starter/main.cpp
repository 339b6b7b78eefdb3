// Orbilan: started by AutoPlay from the CD, it asks the question configured in the CD's
// AutoRun.INF and on Yes starts the configured program from the CD's root.
//
// Built without the C runtime: the entry point below is the process's first code, and
// everything it calls comes from kernel32 and user32.

#include <windows.h>

#include "heap_buffer.h"
#include "launch.h"
#include "launch_failure.h"
#include "path_limits.h"
#include "starter_rules.h"
#include "string_ids.h"

// The image base is the module's instance handle; the linker defines it.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr unsigned kPathSize = filehelp::kPathBufferSize;

HINSTANCE Instance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

void LoadText(unsigned id, const Buffer& buffer) {
    LoadStringA(Instance(), id, buffer.get(), buffer.capacity());
}

void RunStarter() {
    Buffer infPath(kPathSize);
    Buffer section(kTextCapacity);
    Buffer key(kTextCapacity);
    Buffer headline(kTextCapacity);
    Buffer text(kTextCapacity);
    Buffer command(kPathSize);
    if (!infPath.ok() || !section.ok() || !key.ok() || !headline.ok() || !text.ok() ||
        !command.ok())
        return;

    GetModuleFileNameA(nullptr, infPath.get(), kPathSize);
    const unsigned rootLength = CdRootOf(infPath.get(), infPath.get(), kPathSize);
    LoadStringA(Instance(), IDS_AUTORUN_INF, infPath.get() + rootLength,
                static_cast<int>(kPathSize - rootLength));

    LoadText(IDS_ORBILAN, section);
    const struct {
        unsigned keyId;
        const Buffer& value;
    } values[] = {{IDS_HEADLINE, headline}, {IDS_TEXT, text}, {IDS_EXEC, command}};
    for (const auto& value : values) {
        LoadText(value.keyId, key);
        GetPrivateProfileStringA(section.get(), key.get(), "", value.value.get(),
                                 static_cast<DWORD>(value.value.capacity()), infPath.get());
    }

    // Relative command lines name files on the CD: run them from its root.
    infPath.get()[rootLength] = '\0';
    SetCurrentDirectoryA(infPath.get());

    if (MessageBoxA(nullptr, text.get(), headline.get(), MB_ICONQUESTION | MB_YESNO) != IDYES)
        return;

    const unsigned reason = LaunchFailureReason(LaunchCommand(command.get()));
    if (reason == 0)
        return;
    LoadText(IDS_LAUNCH_FAILED, headline);
    LoadText(reason, text);
    MessageBoxA(nullptr, headline.get(), text.get(), MB_ICONHAND | MB_OK);
}

} // namespace

extern "C" void WinMainCRTStartup() {
    RunStarter();
    ExitProcess(0);
}
