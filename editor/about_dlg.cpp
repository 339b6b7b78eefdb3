#include "about_dlg.h"

#include "string_ids.h"
#include "string_resource.h"
#include "version_block.h"

#include <windows.h>

#include <optional>
#include <string>

namespace {

// The version resource of the running program, read where the build put it, so that the box
// always states the version of the file it is shown by.
std::optional<version_block::FileVersion> OwnFileVersion() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    if (found == nullptr)
        return std::nullopt;
    const void* block = LockResource(LoadResource(module, found));
    if (block == nullptr)
        return std::nullopt;
    return version_block::FileVersionOf(static_cast<const unsigned char*>(block),
                                        SizeofResource(module, found));
}

} // namespace

void AboutDlg::SetupWindow() {
    TDialog::SetupWindow();
    const std::optional<version_block::FileVersion> version = OwnFileVersion();
    if (version)
        version_.SetText(LoadResourceString(IDS_ABOUT_VERSION) + " " +
                         version_block::FormatVersion(*version));
}
