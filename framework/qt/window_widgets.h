#pragma once

#include "framework/qt/window_peer.h"

#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

namespace fw::detail {

// The top-level widget: a menu bar above a fixed content area where controls sit at absolute positions.
class WindowWidget : public QWidget {
public:
    WindowPeer* peer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// A window's widgets; they go when the window closes, or with the application.
struct WindowPeer::QtParts {
    QPointer<WindowWidget> top;
    QPointer<QWidget> content;
    QPointer<QMenuBar> menuBar;
    QVBoxLayout* layout = nullptr;

    QMenuBar& EnsureMenuBar();
    // Where a container's top-left corner lies in content coordinates.
    QPoint ContentOffset(const QWidget* container) const;
};

inline auto WindowPeer::Top() const noexcept {
    return parts_->top.data();
}

inline auto WindowPeer::Content() const noexcept {
    return parts_->content.data();
}

inline auto WindowPeer::MenuBarWidget() const noexcept {
    return parts_->menuBar.data();
}

} // namespace fw::detail
