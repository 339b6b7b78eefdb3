// The names behind string ids, loaded from a module's string table for the id forms of the
// INI document's operations (ini_access_ids.cpp, ini_access_float.cpp).
#pragma once

#include "platform.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace ini_names {

// The names of Count ids: a section's, and a key's where one is needed.
template <std::size_t Count> class LoadedNames {
public:
    LoadedNames(ini_platform::ModuleInstance module, std::initializer_list<unsigned> ids) {
        std::size_t i = 0;
        for (unsigned id : ids) {
            found_ = ini_platform::LoadText(module, id, texts_[i].data(), kCapacity) && found_;
            ++i;
        }
    }
    LoadedNames(const LoadedNames&) = delete;
    LoadedNames& operator=(const LoadedNames&) = delete;

    // Whether the table has every one of the names.
    explicit operator bool() const { return found_; }
    const char* operator[](std::size_t index) const { return texts_[index].data(); }

private:
    // A name has at most 511 characters.
    static constexpr unsigned kCapacity = 512;
    std::array<std::array<char, kCapacity>, Count> texts_{};
    bool found_ = true;
};

using SectionName = LoadedNames<1>;
using SectionAndKey = LoadedNames<2>;

} // namespace ini_names
