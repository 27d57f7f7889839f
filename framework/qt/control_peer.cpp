#include "framework/qt/control_peer.h"

#include "framework/qt/window_peer.h"
#include "framework/window.h"

#include <QApplication>
#include <QTextDocument>

namespace fw::detail {

static_assert(kMaxControlExtent == QWIDGETSIZE_MAX);

ControlPeer::ControlPeer(RectControl& owner, QWidget* widget) : owner_(owner), widget_(widget) {}

ControlPeer::~ControlPeer() {
    // The widget may be inside the event that released its control: it goes once that event is done.
    if (QWidget* w = widget_.data()) {
        w->hide();
        w->setParent(nullptr);
        w->deleteLater();
    }
}

void ControlPeer::SetContainer(QWidget* container) {
    container_ = container;
    if (!widget_ || !container)
        return;
    if (widget_->parentWidget() != container)
        widget_->setParent(container);
    ApplyGeometry();
    widget_->setVisible(visible);
}

QWidget* ControlPeer::ContainerFor(const fw::Text& initialParent) const {
    Ref<Window> window = owner_.Window();
    Require(window, "window of " + owner_.Describe());
    if (initialParent.empty())
        return window->Peer().Content();
    Ref<RectControl> box = RefCast<RectControl>(window->FindControl(initialParent));
    if (!box || box.Get() == &owner_ || !box->IsConstructed() || !box->Peer().holdsControls)
        throw NilObjectException(owner_.Describe() + ": InitialParent '" + initialParent +
                                 "' names no group box of " + window->Describe());
    QWidget* container = box->Peer().Widget();
    if (container && widget_ && widget_->isAncestorOf(container))
        throw InvalidArgumentException(owner_.Describe() + ": InitialParent '" + initialParent +
                                       "' lies inside " + owner_.Describe());
    return container;
}

bool ControlPeer::Holds(const ControlPeer& other) const noexcept {
    return holdsControls && &other != this && widget_ && other.container_ == widget_;
}

void ControlPeer::ApplyGeometry() {
    if (!widget_ || !container_)
        return;
    Ref<Window> window = owner_.Window();
    const QPoint origin = window ? window->Peer().ContentOffset(container_) : QPoint();
    widget_->setGeometry(geometry.left - origin.x(), geometry.top - origin.y(), geometry.width,
                         geometry.height);
}

void ControlPeer::ApplyVisible() {
    if (widget_)
        widget_->setVisible(visible);
}

void ControlPeer::ApplyEnabled() {
    if (widget_)
        widget_->setEnabled(enabled);
}

void ControlPeer::ApplyHelpTag() {
    if (!widget_)
        return;
    // Tool tips guess at rich text; a help tag is plain text.
    const QString tip = ToQString(helpTag);
    widget_->setToolTip(Qt::mightBeRichText(tip) ? "<qt>" + tip.toHtmlEscaped() + "</qt>" : tip);
}

void ControlPeer::ApplyFont() {
    if (!widget_)
        return;
    QFont f = QApplication::font(widget_);
    if (!font.family.empty() && font.family != "System")
        f.setFamilies({ToQString(font.family)});
    // Text sizes are pixels, as the windows were laid out: a size 12 fits its 21-pixel label at any screen
    // resolution, where points would grow with the screen's dots per inch and cut the captions.
    if (font.size > 0)
        f.setPixelSize(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    widget_->setFont(f);
}

void ControlPeer::ApplyFocusPolicy() {
    if (!widget_)
        return;
    if (tabStop)
        widget_->setFocusPolicy(tabFocus);
    else
        widget_->setFocusPolicy(tabFocus == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
}

} // namespace fw::detail
