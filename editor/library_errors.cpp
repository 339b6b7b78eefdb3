// How the C++ library reports a misuse (an index past a string's end, a size beyond the
// largest) and a failed allocation, without the library's texts.
//
// What is thrown: a failed allocation, a bad cast or typeid and a too long array throw the
// standard types (std::bad_alloc, std::bad_cast, ...). Every logic and runtime error
// (out_of_range, length_error, invalid_argument, ...) throws one class of this file derived
// directly from std::exception, not the standard class of that name: a handler for
// std::out_of_range or std::logic_error would not see it, one for std::exception does. Nothing
// in the project catches those standard classes; its window procedures catch every exception
// alike.
//
// The library's own versions of these functions live in one object that also brings the
// exception classes holding a second, reference-counted string implementation, and with it a
// random-number device and a formatter: about 40 KB of the program for texts nobody reads.
// Defining all of them here keeps that object out; leaving one out would link it again and
// fail the build with duplicate definitions, so none can be forgotten silently. The in-process
// test programs link this file too, so that they meet the errors the shipped editor throws.
#include <exception>
#include <new>
#include <typeinfo>

// The set of functions and their signatures are those of GCC 12's library (functexcept.cc).
// Another release may add one, which would then be linked from the library's object beside
// these, or change a signature: check the list against that release before raising this.
#if !defined(_GLIBCXX_RELEASE) || _GLIBCXX_RELEASE != 12
#error "library_errors.cpp was written against libstdc++ of GCC 12; check its list of functions"
#endif

namespace {

// A misuse the library detected; what() names its kind, as the library's message would.
class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* what) : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

} // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* what) {
    throw LibraryError(what);
}
void __throw_domain_error(const char* what) {
    throw LibraryError(what);
}
void __throw_invalid_argument(const char* what) {
    throw LibraryError(what);
}
void __throw_length_error(const char* what) {
    throw LibraryError(what);
}
void __throw_out_of_range(const char* what) {
    throw LibraryError(what);
}
void __throw_out_of_range_fmt(const char* format, ...) {
    throw LibraryError(format);
}
void __throw_runtime_error(const char* what) {
    throw LibraryError(what);
}
void __throw_range_error(const char* what) {
    throw LibraryError(what);
}
void __throw_overflow_error(const char* what) {
    throw LibraryError(what);
}
void __throw_underflow_error(const char* what) {
    throw LibraryError(what);
}

} // namespace std
