// Arms a fault of the copy in a program the tests start as a process of their own, the editor
// built with the fault layer: QUILLOT_COPY_WRITE_FAILS_AT=<n> makes the copy's write that
// reaches byte n store the bytes in front of it and fail, as on a full disk.
#include "file_faults.h"

#include <windows.h>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<file_faults::ArmedFault> ArmFromEnvironment() {
    char value[32] = "";
    const DWORD length =
        GetEnvironmentVariableA("QUILLOT_COPY_WRITE_FAILS_AT", value, sizeof value);
    if (length == 0 || length >= sizeof value)
        return nullptr;
    return std::make_unique<file_faults::ArmedFault>(file_faults::Step::kCopyWrite, "",
                                                     std::strtoull(value, nullptr, 10));
}

const std::unique_ptr<file_faults::ArmedFault> armed = ArmFromEnvironment();

} // namespace
