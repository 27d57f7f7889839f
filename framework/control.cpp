#include "framework/control.h"

#include "framework/group_box.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

#include <QApplication>
#include <QTextDocument>

#include <algorithm>
#include <string>

namespace fw {

namespace {

// What the setters refuse.

// A name is the control's alone within its window.
void CheckName(const Control& control, const fw::Text& name) {
    Ref<Window> window = control.Window();
    if (name == control.Name() || !window)
        return;
    for (const Ref<Control>& other : window->Controls()) {
        if (other.Get() != &control && other->Name() == name)
            throw InvalidArgumentException(window->Describe() + " already has a control named '" + name +
                                           "'; " + control.Describe() + " cannot take that name");
    }
}

// The widget that holds a control whose InitialParent is v: a group box of its window, or the window itself.
QWidget* ContainerFor(const RectControl& control, const fw::Text& v) {
    Ref<Window> window = control.Window();
    Require(window, "window of " + control.Describe());
    if (v.empty())
        return window->Peer().Content();
    Ref<GroupBox> box = RefCast<GroupBox>(window->FindControl(v));
    if (!box || box.Get() == &control || !box->IsConstructed())
        throw NilObjectException(control.Describe() + ": InitialParent '" + v + "' names no group box of " +
                                 window->Describe());
    QWidget* container = box->Peer().Widget();
    QWidget* own = control.Peer().Widget();
    if (container && own && own->isAncestorOf(container))
        throw InvalidArgumentException(control.Describe() + ": InitialParent '" + v + "' lies inside " +
                                       control.Describe());
    return container;
}

void CheckInitialParent(const RectControl& control, const fw::Text& v) {
    ContainerFor(control, v);
}

const PropertyDecl kControlProperties[] = {
    Declare<&Control::Index, &Control::SetIndex>("Index"),
    DeclareStored<Control>("TabPanelIndex", PropertyType::Integer),
    Declare<&Control::Name, &Control::SetName, &CheckName>("Name"),
};

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

Control* currentSender = nullptr;

// Keeps the sender and its window alive while a handler runs, and tells who the sender is.
class EventScope {
public:
    explicit EventScope(Control& sender)
        : sender_(&sender), window_(sender.Window()), previous_(std::exchange(currentSender, &sender)) {}
    ~EventScope() { currentSender = previous_; }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    Ref<Control> sender_;
    Ref<Window> window_;
    Control* previous_;
};

bool ShapeFits(const Delegate& handler, std::string_view signature) {
    if (signature == kSignatureNone)
        return std::holds_alternative<Delegate::NoArgs>(handler.Call());
    if (signature == kSignatureInt)
        return std::holds_alternative<Delegate::OneInt>(handler.Call());
    if (signature == kSignatureIntInt)
        return std::holds_alternative<Delegate::TwoInts>(handler.Call());
    return false; // events that a class handles for all its instances (cell painting) take no delegate
}

template <class F>
const F& HandlerOfShape(const Control& control, const Delegate& handler, std::string_view event) {
    const F* f = std::get_if<F>(&handler.Call());
    if (!f)
        throw InvalidArgumentException(control.Describe() + " raised '" + std::string(event) +
                                       "' with arguments its handler does not take");
    return *f;
}

} // namespace

// Control

Control::Control() = default;

Control::~Control() {
    if (window_)
        window_->Peer().Forget(*this);
}

const ClassInfo& Control::Class() {
    static const ClassInfo info{"Control", nullptr, kControlProperties, {}};
    return info;
}

const ClassInfo& Control::GetClass() const {
    return Class();
}

std::string Control::Describe() const {
    std::string d(GetClass().name);
    return name_.empty() ? d + " (unnamed)" : d + " '" + name_ + "'";
}

Ref<Window> Control::Window() const {
    return Ref<fw::Window>(window_);
}

void Control::SetName(const fw::Text& name) {
    CheckName(*this, name);
    name_ = name;
}

void Control::InstallInstanceEventHandler(std::string_view event, Delegate handler) {
    const EventDecl* decl = FindEvent(GetClass(), event);
    if (!decl)
        throw InvalidArgumentException(Describe() + " raises no event '" + std::string(event) + "'");
    if (handler.IsNil())
        throw NilObjectException("nil handler for event '" + std::string(event) + "' of " + Describe());
    if (handler.Signature() != decl->signature)
        throw InvalidArgumentException("handler signature \"" + handler.Signature() +
                                       "\" does not match event '" + std::string(event) + "' of " +
                                       Describe() + ", which is \"" + std::string(decl->signature) + "\"");
    if (!ShapeFits(handler, decl->signature))
        throw InvalidArgumentException("event '" + std::string(event) + "' of " + Describe() +
                                       " takes no instance handler of this shape");
    if (HasHandler(event))
        throw InvalidArgumentException("event '" + std::string(event) + "' of " + Describe() +
                                       " already has a handler");
    handlers_.emplace_back(fw::Text(decl->name), std::move(handler));
}

bool Control::HasHandler(std::string_view event) const noexcept {
    return Handler(event) != nullptr;
}

const Delegate* Control::Handler(std::string_view event) const noexcept {
    if (!window_)
        return nullptr; // the window that the handlers work on is gone
    for (const auto& [name, handler] : handlers_)
        if (name == event)
            return &handler;
    return nullptr;
}

void Control::RaiseEvent(std::string_view event) {
    const Delegate* handler = Handler(event);
    if (!handler)
        return;
    // A copy: the handler may release this control and its handler list.
    Delegate::NoArgs call = HandlerOfShape<Delegate::NoArgs>(*this, *handler, event);
    EventScope scope(*this);
    call();
}

bool Control::RaiseEvent(std::string_view event, std::int32_t a) {
    const Delegate* handler = Handler(event);
    if (!handler)
        return false;
    Delegate::OneInt call = HandlerOfShape<Delegate::OneInt>(*this, *handler, event);
    EventScope scope(*this);
    return call(a);
}

bool Control::RaiseEvent(std::string_view event, std::int32_t a, std::int32_t b) {
    const Delegate* handler = Handler(event);
    if (!handler)
        return false;
    Delegate::TwoInts call = HandlerOfShape<Delegate::TwoInts>(*this, *handler, event);
    EventScope scope(*this);
    return call(a, b);
}

Ref<Control> CurrentEventSender() {
    return Ref<Control>(currentSender);
}

// RectControl

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

namespace {
// Controls placed in a frame move with it: their window coordinates follow the frame's.
void MoveBy(RectControl& control, QPoint delta) {
    detail::ControlPeer& peer = control.Peer();
    peer.geometry.translate(delta);
    peer.ApplyGeometry();
    Ref<Window> window = control.Window();
    QWidget* widget = peer.Widget();
    if (!window || !widget || delta.isNull())
        return;
    for (const Ref<Control>& c : window->Controls()) {
        auto* rc = dynamic_cast<RectControl*>(c.Get());
        if (rc && rc != &control && rc->IsConstructed() && rc->Peer().Container() == widget)
            rc->Peer().geometry.translate(delta);
    }
}
} // namespace

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

// ControlPeer

namespace detail {

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

void ControlPeer::ApplyGeometry() {
    if (!widget_ || !container_)
        return;
    Ref<Window> window = owner_.Window();
    const QPoint origin = window ? window->Peer().ContentOffset(container_) : QPoint();
    widget_->setGeometry(geometry.x() - origin.x(), geometry.y() - origin.y(), std::max(0, geometry.width()),
                         std::max(0, geometry.height()));
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

} // namespace detail

} // namespace fw
