#include "framework/control.h"

#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

#include <QTextDocument>

namespace fw {

namespace {

// The widget that holds a control whose InitialParent is v: a control of its window that holds controls (a
// group box), or the window itself.
QWidget* ContainerFor(const RectControl& control, const fw::Text& v) {
    Ref<Window> window = control.Window();
    Require(window, "window of " + control.Describe());
    if (v.empty())
        return window->Peer().Content();
    Ref<RectControl> box = RefCast<RectControl>(window->FindControl(v));
    if (!box || box.Get() == &control || !box->IsConstructed() || !box->Peer().holdsControls)
        throw NilObjectException(control.Describe() + ": InitialParent '" + v + "' names no group box of " +
                                 window->Describe());
    QWidget* container = box->Peer().Widget();
    QWidget* own = control.Peer().Widget();
    if (container && own && own->isAncestorOf(container))
        throw InvalidArgumentException(control.Describe() + ": InitialParent '" + v + "' lies inside " +
                                       control.Describe());
    return container;
}

// Controls placed in a frame move with it: their window coordinates follow the frame's.
void MoveBy(RectControl& control, QPoint delta) {
    detail::ControlPeer& peer = control.Peer();
    peer.geometry.translate(delta);
    peer.ApplyGeometry();
    Ref<Window> window = control.Window();
    QWidget* widget = peer.Widget();
    if (!window || !widget || delta.isNull() || !peer.holdsControls)
        return;
    for (const Ref<Control>& c : window->Controls()) {
        auto* rc = dynamic_cast<RectControl*>(c.Get());
        if (rc && rc != &control && rc->IsConstructed() && rc->Peer().Container() == widget)
            rc->Peer().geometry.translate(delta);
    }
}

void CheckInitialParent(const RectControl& control, const fw::Text& v) {
    ContainerFor(control, v);
}

const PropertyDecl kRectControlProperties[] = {
    Declare<&RectControl::Left, &RectControl::SetLeft>("Left"),
    Declare<&RectControl::Top, &RectControl::SetTop>("Top"),
    Declare<&RectControl::Width, &RectControl::SetWidth>("Width"),
    Declare<&RectControl::Height, &RectControl::SetHeight>("Height"),
    Declare<&RectControl::TabIndex, &RectControl::SetTabIndex>("TabIndex"),
    DeclareStored<RectControl>("LockLeft", PropertyType::Boolean),
    DeclareStored<RectControl>("LockTop", PropertyType::Boolean),
    DeclareStored<RectControl>("LockRight", PropertyType::Boolean),
    DeclareStored<RectControl>("LockBottom", PropertyType::Boolean),
    Declare<&RectControl::Visible, &RectControl::SetVisible>("Visible"),
    Declare<&RectControl::Enabled, &RectControl::SetEnabled>("Enabled"),
    DeclareStored<RectControl>("AutoDeactivate", PropertyType::Boolean),
    Declare<&RectControl::TabStop, &RectControl::SetTabStop>("TabStop"),
    Declare<&RectControl::HelpTag, &RectControl::SetHelpTag>("HelpTag"),
    Declare<&RectControl::InitialParent, &RectControl::SetInitialParent, &CheckInitialParent>(
        "InitialParent"),
};

const EventDecl kRectControlEvents[] = {{"Open", kSignatureNone}};

} // namespace

RectControl::RectControl() = default;

RectControl::~RectControl() = default;

const ClassInfo& RectControl::Class() {
    static const ClassInfo info{"RectControl", &Control::Class(), kRectControlProperties, kRectControlEvents};
    return info;
}

const ClassInfo& RectControl::GetClass() const {
    return Class();
}

void RectControl::Constructor() {
    if (peer_)
        throw InvalidArgumentException(Describe() + " is already constructed");
    Ref<fw::Window> window = Window();
    if (!window)
        throw NilObjectException(Describe() + " has no window: controls are made by Window::New");
    peer_ = CreatePeer();
    peer_->SetContainer(window->Peer().Content());
    peer_->ApplyFont();
    peer_->ApplyFocusPolicy();
}

detail::ControlPeer& RectControl::Peer() const {
    if (!peer_)
        throw NilObjectException(Describe() + " is not constructed");
    return *peer_;
}

std::int32_t RectControl::Left() const {
    return Peer().geometry.x();
}
std::int32_t RectControl::Top() const {
    return Peer().geometry.y();
}
std::int32_t RectControl::Width() const {
    return Peer().geometry.width();
}
std::int32_t RectControl::Height() const {
    return Peer().geometry.height();
}

void RectControl::SetLeft(std::int32_t v) {
    MoveBy(*this, QPoint(v - Peer().geometry.x(), 0));
}
void RectControl::SetTop(std::int32_t v) {
    MoveBy(*this, QPoint(0, v - Peer().geometry.y()));
}

void RectControl::SetWidth(std::int32_t v) {
    Peer().geometry.setWidth(v);
    Peer().ApplyGeometry();
}

void RectControl::SetHeight(std::int32_t v) {
    Peer().geometry.setHeight(v);
    Peer().ApplyGeometry();
}

std::int32_t RectControl::TabIndex() const {
    return Peer().tabIndex;
}

void RectControl::SetTabIndex(std::int32_t v) {
    Peer().tabIndex = v;
    if (Ref<fw::Window> w = Window())
        w->Peer().UpdateTabOrder();
}

bool RectControl::TabStop() const {
    return Peer().tabStop;
}

void RectControl::SetTabStop(bool v) {
    Peer().tabStop = v;
    Peer().ApplyFocusPolicy();
    if (Ref<fw::Window> w = Window())
        w->Peer().UpdateTabOrder();
}

bool RectControl::Visible() const {
    return Peer().visible;
}

void RectControl::SetVisible(bool v) {
    Peer().visible = v;
    if (QWidget* w = Peer().Widget())
        w->setVisible(v);
}

bool RectControl::Enabled() const {
    return Peer().enabled;
}

void RectControl::SetEnabled(bool v) {
    Peer().enabled = v;
    if (QWidget* w = Peer().Widget())
        w->setEnabled(v);
}

fw::Text RectControl::HelpTag() const {
    return Peer().helpTag;
}

void RectControl::SetHelpTag(const fw::Text& v) {
    Peer().helpTag = v;
    if (QWidget* w = Peer().Widget()) {
        // Tool tips guess at rich text; a help tag is plain text.
        QString tip = detail::ToQString(v);
        w->setToolTip(Qt::mightBeRichText(tip) ? "<qt>" + tip.toHtmlEscaped() + "</qt>" : tip);
    }
}

fw::Text RectControl::InitialParent() const {
    return Peer().initialParent;
}

void RectControl::SetInitialParent(const fw::Text& v) {
    detail::ControlPeer& peer = Peer();
    QWidget* container = ContainerFor(*this, v);
    peer.initialParent = v;
    peer.SetContainer(container);
    Window()->Peer().UpdateTabOrder();
}

} // namespace fw
