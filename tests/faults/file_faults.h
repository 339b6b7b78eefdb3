// A layer in front of the Windows functions through which the file services write files: the
// classic OpenFile and _lwrite that write the starter, and CreateFileA, ReadFile and WriteFile
// of the copy. Every call goes on to the real function, except the step a test has armed to
// fail.
#pragma once

#include <cstddef>
#include <string>

namespace file_faults {

enum class Step {
    kCreate,     // OpenFile cannot create the watched file
    kWriteError, // the write that reaches a byte position stores the bytes in front of it and
                 // reports an error; every later write fails as well, as on a full disk
    kWriteShort, // that write stores the bytes in front of the position and returns their
                 // number; later writes store nothing
    kCopyRead,   // the copy's reads of its source give the bytes in front of the position,
                 // then fail: they reach the target, and the copy cannot read on
    kCopyWrite,  // the copy's writes store the bytes in front of the position in its target,
                 // and the write that reaches it reports an error
};

// Arms one fault while the object lives. The create and write steps watch the file created
// under the name watched (compared without regard to case); the copy steps watch the next
// copy, whatever its target's name. bytesBefore is the number of bytes that reach the file
// before the failure.
class ArmedFault {
public:
    ArmedFault(Step step, std::string watched, std::size_t bytesBefore = 0);
    ~ArmedFault();
    ArmedFault(const ArmedFault&) = delete;
    ArmedFault& operator=(const ArmedFault&) = delete;

    // Whether the armed step was reached and failed: a fault that never fired proves nothing.
    bool Fired() const;
};

} // namespace file_faults
