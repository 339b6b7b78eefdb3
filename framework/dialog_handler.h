// What a dialog calls when something happens to it: a lambda that captures the dialog and at
// most a member function, kept in place and called through one plain function per lambda.
// std::function would bring a manager for copying and destroying every lambda's type, and the
// dialogs bind some forty of them.
#pragma once

#include <new>
#include <type_traits>

template <typename Signature> class DialogHandler;

template <typename... Args> class DialogHandler<void(Args...)> {
public:
    DialogHandler() = default;

    template <typename Function,
              typename = std::enable_if_t<!std::is_same_v<std::decay_t<Function>, DialogHandler>>>
    DialogHandler(Function function) : call_(&Call<Function>) {
        // Copied and dropped as bytes: nothing to copy or destroy but them.
        static_assert(std::is_trivially_copyable_v<Function> &&
                          std::is_trivially_destructible_v<Function>,
                      "a handler captures only pointers and member functions");
        static_assert(sizeof(Function) <= sizeof(storage_) && alignof(Function) <= alignof(Storage),
                      "a handler captures at most the dialog and a member function");
        new (&storage_) Function(function);
    }

    explicit operator bool() const { return call_ != nullptr; }
    void operator()(Args... args) const { call_(&storage_, args...); }

private:
    template <typename Function> static void Call(const void* storage, Args... args) {
        (*static_cast<const Function*>(storage))(args...);
    }

    // The dialog's pointer and a member function's pointer and offset.
    struct alignas(void*) Storage {
        unsigned char bytes[3 * sizeof(void*)];
    };

    void (*call_)(const void*, Args...) = nullptr;
    Storage storage_{};
};
