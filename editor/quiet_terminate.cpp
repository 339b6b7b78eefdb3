// What the C++ runtime does when an exception finds no handler: end the program at once.
//
// The runtime's own handler first prints the exception's type, which it demangles, to the
// standard error; a windowed program has none, so the text goes nowhere, while the demangler
// makes up about 45 KB of the program. Defining the handler here keeps the runtime's from
// being linked; it ends the program as the runtime's does, without the text. The window
// procedures catch what their handlers throw, so only a failure outside them gets here.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
