#include "framework/qt/window_peer.h"

#include "framework/push_button.h"
#include "framework/qt/control_widgets.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/window_widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>
#include <functional>

namespace fw::detail {

namespace {

Ref<PushButton> FindButton(const Window& window, bool (PushButton::*flag)() const) {
    for (const Ref<Control>& c : window.Controls()) {
        Ref<PushButton> b = RefCast<PushButton>(c);
        if (b && b->IsConstructed() && ((*b).*flag)() && b->Enabled() && b->Visible())
            return b;
    }
    return nullptr;
}

} // namespace

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->accept(); // no window refuses to close
    if (peer) {
        Window& window = peer->Owner();
        FromQt([&] { window.Close(); }); // may release the window and this peer
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (peer && mods == Qt::NoModifier && (enter || escape)) {
        if (Ref<PushButton> b =
                FindButton(peer->Owner(), enter ? &PushButton::Default : &PushButton::Cancel)) {
            event->accept();
            FromQt([&] { b->Push(); });
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window the user may resize reads back the size it has now (the layout has sized the content already).
    if (peer && peer->resizeable && peer->Content() && isVisible()) {
        peer->width = peer->Content()->width();
        peer->height = peer->Content()->height();
    }
}

WindowPeer::WindowPeer(Window& owner) : owner_(owner), parts_(std::make_unique<QtParts>()) {
    parts_->top = new WindowWidget();
    parts_->top->peer = this;
    parts_->layout = new QVBoxLayout(parts_->top);
    parts_->layout->setContentsMargins(0, 0, 0, 0);
    parts_->layout->setSpacing(0);
    parts_->content = new QWidget(parts_->top);
    parts_->layout->addWidget(parts_->content);
    ApplySize();
    ApplyFlags();
    ApplyBackground();
}

WindowPeer::~WindowPeer() {
    // The widget may be inside its own event (a close box): it goes once that event is done.
    if (WindowWidget* top = parts_->top.data()) {
        top->peer = nullptr;
        top->hide();
        top->deleteLater();
    }
}

QMenuBar& WindowPeer::QtParts::EnsureMenuBar() {
    if (!menuBar) {
        menuBar = new QMenuBar(top);
        layout->setMenuBar(menuBar);
    }
    return *menuBar;
}

QPoint WindowPeer::QtParts::ContentOffset(const QWidget* container) const {
    if (!content || !container || container == content || !content->isAncestorOf(container))
        return {};
    return container->mapTo(content.data(), QPoint(0, 0));
}

void WindowPeer::ApplySize() {
    if (!parts_->content || !parts_->top)
        return;
    const int w = std::max(0, width);
    const int h = std::max(0, height);
    if (!resizeable) {
        parts_->content->setFixedSize(w, h);
        parts_->layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        parts_->layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        parts_->top->setMinimumSize(0, 0); // undo a fixed size from before
        parts_->top->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        parts_->content->setMinimumSize(std::clamp(minWidth, 0, QWIDGETSIZE_MAX),
                                        std::clamp(minHeight, 0, QWIDGETSIZE_MAX));
        parts_->content->setMaximumSize(std::clamp(maxWidth, 0, QWIDGETSIZE_MAX),
                                        std::clamp(maxHeight, 0, QWIDGETSIZE_MAX));
        parts_->content->resize(w, h);
        const int bar =
            parts_->menuBar && !parts_->menuBar->isHidden() ? parts_->menuBar->sizeHint().height() : 0;
        parts_->top->resize(w, h + bar);
    }
    parts_->layout->activate();
}

void WindowPeer::ApplyFlags() {
    if (!parts_->top)
        return;
    Qt::WindowFlags f = frame == 1 ? Qt::Dialog : Qt::Window;
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        f |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        f |= Qt::WindowMaximizeButtonHint;
    if (parts_->top->windowFlags() == f)
        return;
    const bool shown = parts_->top->isVisible();
    parts_->top->setWindowFlags(f); // hides a shown window
    if (shown)
        parts_->top->show();
}

void WindowPeer::ApplyBackground() {
    if (!parts_->content)
        return;
    if (hasBackColor) {
        QPalette pal = parts_->content->palette();
        pal.setColor(QPalette::Window, ToQColor(backColor));
        parts_->content->setPalette(pal);
    } else {
        parts_->content->setPalette(QPalette());
    }
    parts_->content->setAutoFillBackground(hasBackColor);
}

void WindowPeer::ApplyTitle() {
    if (QWidget* top = Top())
        // "[*]" is Qt's place for a modified mark; doubled, it shows as written.
        top->setWindowTitle(ToQString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void WindowPeer::ApplyMenuBar(fw::MenuBar* bar) {
    if (!bar) {
        if (QMenuBar* mb = MenuBarWidget()) {
            mb->clear();
            mb->hide();
        }
        return;
    }
    QMenuBar& mb = parts_->EnsureMenuBar();
    mb.clear();
    InstallMenuBar(mb, *bar);
    mb.setVisible(menuBarVisible);
}

void WindowPeer::ShowMenuBar(bool shown) {
    if (QMenuBar* mb = MenuBarWidget())
        mb->setVisible(shown);
}

void WindowPeer::ShowOnTop() {
    if (QWidget* top = Top()) {
        top->show();
        top->raise();
        top->activateWindow();
    }
}

void WindowPeer::Hide() {
    if (QWidget* top = Top())
        top->hide();
}

void WindowPeer::UpdateTabOrder() {
    // Controls in the window by TabIndex; a frame's controls follow the frame, by their own TabIndex.
    std::vector<QWidget*> order;
    std::function<void(QWidget*)> visit = [&](QWidget* container) {
        std::vector<RectControl*> here;
        for (const Ref<Control>& c : owner_.Controls()) {
            auto* rc = dynamic_cast<RectControl*>(c.Get());
            if (rc && rc->IsConstructed() && rc->Peer().Widget() && rc->Peer().Container() == container)
                here.push_back(rc);
        }
        std::stable_sort(here.begin(), here.end(), [](RectControl* a, RectControl* b) {
            return a->Peer().tabIndex < b->Peer().tabIndex;
        });
        for (RectControl* rc : here) {
            order.push_back(rc->Peer().Widget());
            visit(rc->Peer().Widget());
        }
    };
    if (parts_->content)
        visit(parts_->content);
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void WindowPeer::Forget(const Control& control) {
    adopted.erase(std::remove(adopted.begin(), adopted.end(), &control), adopted.end());
}

} // namespace fw::detail
