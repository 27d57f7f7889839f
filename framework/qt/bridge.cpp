#include "framework/qt/bridge.h"

#include "framework/qt/run_state.h"
#include "framework/qt/runtime_peer.h"

namespace fw::detail {

QtCallDepth::QtCallDepth() noexcept {
    ++State().qtCallDepth;
}
QtCallDepth::~QtCallDepth() {
    --State().qtCallDepth;
}

bool HoldsException() noexcept {
    return State().held != nullptr;
}

void HoldException(std::exception_ptr e) noexcept {
    if (State().qtCallDepth == 0) {
        // The call came from the event loop: the runtime's policy takes it from here.
        PassToEventLoop(std::move(e));
        return;
    }
    State().held = std::move(e);
}

void RethrowHeldException() {
    if (std::exception_ptr& held = State().held)
        std::rethrow_exception(std::exchange(held, nullptr));
}

QString ToQString(const fw::Text& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

fw::Text FromQString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return fw::Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString EscapeMnemonics(const fw::Text& text) {
    return ToQString(text).replace('&', "&&");
}

QColor ToQColor(Color c) {
    return QColor(c.red, c.green, c.blue);
}

Color FromQColor(const QColor& c) {
    return Color{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                 static_cast<std::uint8_t>(c.blue())};
}

} // namespace fw::detail
