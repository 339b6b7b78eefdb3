// A layer in front of the Windows functions that move files: it can play a system without
// MoveFileEx (Windows 95, 98 and Me, where the call fails as not implemented) and fail a move
// of a chosen file. Every other call goes on to the real function.
#pragma once

#include <string>

namespace move_faults {

enum class Step {
    kNone,     // every move moves
    kMoveFrom, // the first move that would move the watched file elsewhere fails
    kMoveOnto, // the first move that would put another file in the watched file's place
               // fails, as when the other file is held open; a later one succeeds
};

// Arms the fault while the object lives. withoutMoveFileEx plays the older systems.
class ArmedFault {
public:
    ArmedFault(bool withoutMoveFileEx, Step step, std::string watched);
    ~ArmedFault();
    ArmedFault(const ArmedFault&) = delete;
    ArmedFault& operator=(const ArmedFault&) = delete;

    // Whether the armed move was reached and failed.
    bool Fired() const;
};

} // namespace move_faults
