#include "framework/qt/window_peer.h"

#include "framework/push_button.h"
#include "framework/qt/control_widgets.h"
#include "framework/qt/menu_peer.h"

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

WindowPeer::WindowPeer(Window& owner) : owner_(owner) {
    top_ = new WindowWidget();
    top_->peer = this;
    layout_ = new QVBoxLayout(top_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    content_ = new QWidget(top_);
    layout_->addWidget(content_);
    ApplySize();
    ApplyFlags();
    ApplyBackground();
}

WindowPeer::~WindowPeer() {
    // The widget may be inside its own event (a close box): it goes once that event is done.
    if (WindowWidget* top = top_.data()) {
        top->peer = nullptr;
        top->hide();
        top->deleteLater();
    }
}

bool WindowPeer::GuiRunning() noexcept {
    return qApp != nullptr;
}

QMenuBar& WindowPeer::EnsureMenuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(top_);
        layout_->setMenuBar(menuBar_);
    }
    return *menuBar_;
}

QPoint WindowPeer::ContentOffset(const QWidget* container) const {
    if (!content_ || !container || container == content_ || !content_->isAncestorOf(container))
        return {};
    return container->mapTo(content_.data(), QPoint(0, 0));
}

void WindowPeer::ApplySize() {
    if (!content_ || !top_)
        return;
    const int w = std::max(0, width);
    const int h = std::max(0, height);
    if (!resizeable) {
        content_->setFixedSize(w, h);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
        top_->setMinimumSize(0, 0); // undo a fixed size from before
        top_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        content_->setMinimumSize(std::clamp(minWidth, 0, QWIDGETSIZE_MAX),
                                 std::clamp(minHeight, 0, QWIDGETSIZE_MAX));
        content_->setMaximumSize(std::clamp(maxWidth, 0, QWIDGETSIZE_MAX),
                                 std::clamp(maxHeight, 0, QWIDGETSIZE_MAX));
        content_->resize(w, h);
        const int bar = menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
        top_->resize(w, h + bar);
    }
    layout_->activate();
}

void WindowPeer::ApplyFlags() {
    if (!top_)
        return;
    Qt::WindowFlags f = frame == 1 ? Qt::Dialog : Qt::Window;
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        f |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        f |= Qt::WindowMaximizeButtonHint;
    if (top_->windowFlags() == f)
        return;
    const bool shown = top_->isVisible();
    top_->setWindowFlags(f); // hides a shown window
    if (shown)
        top_->show();
}

void WindowPeer::ApplyBackground() {
    if (!content_)
        return;
    if (hasBackColor) {
        QPalette pal = content_->palette();
        pal.setColor(QPalette::Window, ToQColor(backColor));
        content_->setPalette(pal);
    } else {
        content_->setPalette(QPalette());
    }
    content_->setAutoFillBackground(hasBackColor);
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
    QMenuBar& mb = EnsureMenuBar();
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
    if (content_)
        visit(content_);
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
