#include "framework/qt/control_peer.h"

#include "framework/qt/control_widgets.h"
#include "framework/qt/window_widgets.h"
#include "framework/window.h"

#include <QApplication>
#include <QTextDocument>

namespace fw::detail {

static_assert(kMaxControlExtent == QWIDGETSIZE_MAX);

namespace {

// The widget that holds the control when its InitialParent is initialParent: a group box of its window or,
// for an empty name, the window's content.
QWidget* ContainerFor(const ControlPeer& peer, const fw::Text& initialParent) {
    const RectControl& owner = peer.Owner();
    Ref<Window> window = owner.Window();
    Require(window, "window of " + owner.Describe());
    if (initialParent.empty())
        return window->Peer().Content();
    Ref<RectControl> box = RefCast<RectControl>(window->FindControl(initialParent));
    if (!box || box.Get() == &owner || !box->IsConstructed() || !box->Peer().holdsControls)
        throw NilObjectException(owner.Describe() + ": InitialParent '" + initialParent +
                                 "' names no group box of " + window->Describe());
    QWidget* container = box->Peer().Widget();
    QWidget* widget = peer.Widget();
    if (container && widget && widget->isAncestorOf(container))
        throw InvalidArgumentException(owner.Describe() + ": InitialParent '" + initialParent +
                                       "' lies inside " + owner.Describe());
    return container;
}

} // namespace

ControlPeer::ControlPeer(RectControl& owner, std::unique_ptr<QtParts> parts)
    : owner_(owner), parts_(std::move(parts)) {}

ControlPeer::~ControlPeer() {
    // The widget may be inside the event that released its control: it goes once that event is done.
    if (QWidget* w = Widget()) {
        w->hide();
        w->setParent(nullptr);
        w->deleteLater();
    }
}

void ControlPeer::CheckInitialParent(const fw::Text& initialParent) const {
    ContainerFor(*this, initialParent);
}

void ControlPeer::PlaceIn(const fw::Text& initialParent) {
    QWidget* container = ContainerFor(*this, initialParent);
    QWidget* widget = Widget();
    parts_->container = container;
    if (!widget || !container)
        return;
    if (widget->parentWidget() != container)
        widget->setParent(container);
    ApplyGeometry();
    widget->setVisible(visible);
}

bool ControlPeer::Holds(const ControlPeer& other) const noexcept {
    return holdsControls && &other != this && parts_->widget && other.parts_->container == parts_->widget;
}

void ControlPeer::ApplyGeometry() {
    QWidget* widget = Widget();
    QWidget* container = Container();
    if (!widget || !container)
        return;
    Ref<Window> window = owner_.Window();
    const QPoint origin = window ? window->Peer().Parts().ContentOffset(container) : QPoint();
    widget->setGeometry(geometry.left - origin.x(), geometry.top - origin.y(), geometry.width,
                        geometry.height);
}

void ControlPeer::ApplyVisible() {
    if (QWidget* w = Widget())
        w->setVisible(visible);
}

void ControlPeer::ApplyEnabled() {
    if (QWidget* w = Widget())
        w->setEnabled(enabled);
}

void ControlPeer::ApplyHelpTag() {
    QWidget* w = Widget();
    if (!w)
        return;
    // Tool tips guess at rich text; a help tag is plain text.
    const QString tip = ToQString(helpTag);
    w->setToolTip(Qt::mightBeRichText(tip) ? "<qt>" + tip.toHtmlEscaped() + "</qt>" : tip);
}

void ControlPeer::ApplyFont() {
    QWidget* w = Widget();
    if (!w)
        return;
    QFont f = QApplication::font(w);
    if (!font.family.empty() && font.family != "System")
        f.setFamilies({ToQString(font.family)});
    // Text sizes are pixels, as the windows were laid out: a size 12 fits its 21-pixel label at any screen
    // resolution, where points would grow with the screen's dots per inch and cut the captions.
    if (font.size > 0)
        f.setPixelSize(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    w->setFont(f);
}

void ControlPeer::ApplyFocusPolicy() {
    QWidget* w = Widget();
    if (!w)
        return;
    const Qt::FocusPolicy tabFocus = parts_->tabFocus;
    if (tabStop)
        w->setFocusPolicy(tabFocus);
    else
        w->setFocusPolicy(tabFocus == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
}

} // namespace fw::detail
