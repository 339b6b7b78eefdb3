// A layer in place of the INI document's platform functions: it passes every call on to the
// build's real implementation, except the one step of a writing pass that a test has armed
// to fail. A program links it instead of the real platform library (see CMakeLists.txt).
#pragma once

#include <cstddef>

namespace ini_faults {

enum class Step {
    kCreate,    // the new file beside the target cannot be made
    kWriteFrom, // from a byte position on, every write fails, as on a full disk
    kWriteAt,   // only the write that reaches a byte position fails; later writes succeed
    kClose,     // closing the new file reports that its content may not have been stored
    kReplace,   // the new file cannot take the place of the target
    kOpen,      // a file that is there cannot be opened for reading
    kReadFrom,  // reading a file stops with a failure once bytesBefore of its bytes were read
};

// Arms one fault while the object lives. For the write steps, bytesBefore of the new file's
// bytes reach it before the failing write reports failure; that write stores the part of its
// bytes in front of the position. For the read step, bytesBefore bytes are read before the
// failure.
class ArmedFault {
public:
    explicit ArmedFault(Step step, std::size_t bytesBefore = 0);
    ~ArmedFault();
    ArmedFault(const ArmedFault&) = delete;
    ArmedFault& operator=(const ArmedFault&) = delete;

    // Whether the armed step was reached and failed: a fault that never fired proves nothing.
    bool Fired() const;
};

} // namespace ini_faults
