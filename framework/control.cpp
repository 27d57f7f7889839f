#include "framework/control.h"

#include "framework/qt/run_state.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

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

const PropertyDecl kControlProperties[] = {
    Declare<&Control::Index, &Control::SetIndex>("Index"),
    DeclareStored<Control>("TabPanelIndex", PropertyType::Integer),
    Declare<&Control::Name, &Control::SetName, &CheckName>("Name"),
};

// Keeps the sender and its window alive while a handler runs, and tells who the sender is.
class EventScope {
public:
    explicit EventScope(Control& sender)
        : sender_(&sender), window_(sender.Window()),
          previous_(std::exchange(detail::State().currentSender, &sender)) {}
    ~EventScope() { detail::State().currentSender = previous_; }
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
    return Ref<Control>(detail::State().currentSender);
}

} // namespace fw
