#pragma once

#include "framework/qt/bridge.h" // every peer's widget calls back through FromQt
#include "framework/qt/control_peer.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace fw::detail {

// A control's widget side: the widget, its parent, and the receiver of its signals (connections end with the
// peer).
struct ControlPeer::QtParts {
    explicit QtParts(QWidget* w) : widget(w) {}

    QPointer<QWidget> widget;
    QPointer<QWidget> container;
    QObject context;
    // Focus the class's widget takes when TabStop is True (labels and frames take none).
    Qt::FocusPolicy tabFocus = Qt::StrongFocus;
};

inline auto ControlPeer::Widget() const noexcept {
    return parts_->widget.data();
}

inline auto ControlPeer::Context() noexcept {
    return &parts_->context;
}

inline auto ControlPeer::Container() const noexcept {
    return parts_->container.data();
}

// A widget class that calls back into its peer; the peer unhooks itself when it goes.
template <class W>
class PeerWidget : public W {
public:
    using W::W;
    ControlPeer* peer = nullptr;
};

} // namespace fw::detail
