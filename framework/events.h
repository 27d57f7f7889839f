#pragma once

#include "framework/object.h"
#include "framework/text.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>
#include <variant>

namespace fw {

// The handler of one event, bound to one target object, with the signature text it was made for.
// Handlers take the event's own arguments only; the sender and its window are kept alive while it runs.
class Delegate {
public:
    using NoArgs = std::function<void()>;
    using OneInt = std::function<bool(std::int32_t)>;
    using TwoInts = std::function<bool(std::int32_t, std::int32_t)>;
    using Callable = std::variant<std::monostate, NoArgs, OneInt, TwoInts>;

    Delegate() = default;
    Delegate(Text signature, Callable call) : signature_(std::move(signature)), call_(std::move(call)) {}

    const Text& Signature() const noexcept { return signature_; }
    const Callable& Call() const noexcept { return call_; }
    bool IsNil() const noexcept { return std::holds_alternative<std::monostate>(call_); }

private:
    Text signature_;
    Callable call_;
};

// The signature texts of the handler shapes the layer knows.
inline constexpr std::string_view kSignatureNone = "(  )";
inline constexpr std::string_view kSignatureInt = "( Int32 ) as Boolean";
inline constexpr std::string_view kSignatureIntInt = "( Int32, Int32 ) as Boolean";

[[noreturn]] void ThrowSignatureMismatch(std::string_view given, std::string_view actual);

// Makes a delegate of a window's (or any object's) handler method on that object. The signature text must
// describe the method: "(  )" for void(), "( Int32 ) as Boolean" for bool(int32_t), and
// "( Int32, Int32 ) as Boolean" for bool(int32_t, int32_t); anything else raises InvalidArgumentException.
// The target is held weakly: it owns the controls that hold the delegate.
template <class W, class R, class... A>
Delegate RuntimeCreateDelegate(R (W::*method)(A...), W& target, std::string_view signature) {
    W* self = &target;
    if constexpr (std::is_void_v<R> && sizeof...(A) == 0) {
        if (signature != kSignatureNone)
            ThrowSignatureMismatch(signature, kSignatureNone);
        return Delegate(Text(signature), Delegate::NoArgs([self, method] { (self->*method)(); }));
    } else if constexpr (std::is_same_v<R, bool> && sizeof...(A) == 1 &&
                         (std::is_same_v<std::remove_cvref_t<A>, std::int32_t> && ...)) {
        if (signature != kSignatureInt)
            ThrowSignatureMismatch(signature, kSignatureInt);
        return Delegate(Text(signature),
                        Delegate::OneInt([self, method](std::int32_t a) { return (self->*method)(a); }));
    } else if constexpr (std::is_same_v<R, bool> && sizeof...(A) == 2 &&
                         (std::is_same_v<std::remove_cvref_t<A>, std::int32_t> && ...)) {
        if (signature != kSignatureIntInt)
            ThrowSignatureMismatch(signature, kSignatureIntInt);
        return Delegate(Text(signature), Delegate::TwoInts([self, method](std::int32_t a, std::int32_t b) {
                            return (self->*method)(a, b);
                        }));
    } else {
        static_assert(sizeof(W) == 0, "no event has a handler of this shape");
    }
}

} // namespace fw
