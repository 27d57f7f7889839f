#pragma once

#include "framework/properties.h"
#include "framework/text.h"

#include <QColor>
#include <QString>

#include <exception>
#include <type_traits>
#include <utility>

// The one crossing between our code and Qt: how exceptions cross it, and how texts and colours do.
namespace fw::detail {

// Qt's widget and GUI libraries are built without exception support: an exception unwinding through their
// frames skips their clean-up (a painter left active, a button left pressed). So our code that Qt calls runs
// inside FromQt, which holds an exception instead of letting it into Qt; it is raised again as soon as
// control is back in our code, at the end of the CallIntoQt that led into Qt. An exception from a call that
// came from the event loop goes to the runtime (PassToEventLoop), whose policy decides.
void HoldException(std::exception_ptr e) noexcept;
void RethrowHeldException();
bool HoldsException() noexcept;

class QtCallDepth {
public:
    QtCallDepth() noexcept;
    ~QtCallDepth();
    QtCallDepth(const QtCallDepth&) = delete;
    QtCallDepth& operator=(const QtCallDepth&) = delete;
};

template <class F>
void CallIntoQt(F&& f) {
    {
        QtCallDepth depth;
        try {
            std::forward<F>(f)();
        } catch (...) {
            // The call itself failed: an exception held while it ran goes first, and none stays held.
            RethrowHeldException();
            throw;
        }
    }
    RethrowHeldException();
}

// While an exception is held no further code of ours runs from Qt: it would not have run had the exception
// unwound normally.
template <class F, class R = std::invoke_result_t<F>>
R FromQt(F&& f, R fallback = R()) noexcept {
    if (HoldsException())
        return fallback;
    try {
        return std::forward<F>(f)();
    } catch (...) {
        HoldException(std::current_exception());
        return fallback;
    }
}

template <class F>
requires std::is_void_v<std::invoke_result_t<F>>
void FromQt(F&& f) noexcept {
    if (HoldsException())
        return;
    try {
        std::forward<F>(f)();
    } catch (...) {
        HoldException(std::current_exception());
    }
}

QString ToQString(const fw::Text& text);
fw::Text FromQString(const QString& text);
// Captions of buttons, frames and menu items: '&' shows as itself, not as a shortcut mark.
QString EscapeMnemonics(const fw::Text& text);
QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

} // namespace fw::detail
