#include "framework/control.h"

#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

namespace {

using Axis = std::int32_t detail::Bounds::*;

std::string Range(std::int64_t low) {
    return std::to_string(low) + ".." + std::to_string(kMaxControlExtent);
}

// The controls placed in a frame, which move with it.
std::vector<RectControl*> Held(const RectControl& frame) {
    std::vector<RectControl*> held;
    Ref<Window> window = frame.Window();
    if (!window)
        return held;
    for (const Ref<Control>& c : window->Controls()) {
        auto* rc = dynamic_cast<RectControl*>(c.Get());
        if (rc && rc->IsConstructed() && frame.Peer().Holds(rc->Peer()))
            held.push_back(rc);
    }
    return held;
}

// A move to v along the axis: v itself and where it carries the frame's controls must be positions.
void CheckMove(const RectControl& control, std::string_view property, Axis axis, std::int32_t v) {
    RequireExtent(control, property, v, -kMaxControlExtent);
    const std::int64_t delta = std::int64_t{v} - control.Peer().geometry.*axis;
    for (const RectControl* rc : Held(control)) {
        const std::int64_t carried = rc->Peer().geometry.*axis + delta;
        if (carried < -kMaxControlExtent || carried > kMaxControlExtent)
            throw OutOfBoundsException(control.Describe() + ": " + std::string(property) + " " +
                                       std::to_string(v) + " would carry " + rc->Describe() + " to " +
                                       std::to_string(carried) + ", outside " + Range(-kMaxControlExtent));
    }
}

void CheckLeft(const RectControl& control, std::int32_t v) {
    CheckMove(control, "Left", &detail::Bounds::left, v);
}
void CheckTop(const RectControl& control, std::int32_t v) {
    CheckMove(control, "Top", &detail::Bounds::top, v);
}
void CheckWidth(const RectControl& control, std::int32_t v) {
    RequireExtent(control, "Width", v, 0);
}
void CheckHeight(const RectControl& control, std::int32_t v) {
    RequireExtent(control, "Height", v, 0);
}

// Controls placed in a frame move with it: their window coordinates follow the frame's.
void MoveTo(RectControl& control, Axis axis, std::int32_t v) {
    detail::ControlPeer& peer = control.Peer();
    const std::int32_t delta = v - peer.geometry.*axis;
    const std::vector<RectControl*> held = Held(control);
    peer.geometry.*axis = v;
    peer.ApplyGeometry();
    if (delta == 0)
        return;
    for (RectControl* rc : held)
        rc->Peer().geometry.*axis += delta;
}

void CheckInitialParent(const RectControl& control, const fw::Text& v) {
    control.Peer().CheckInitialParent(v);
}

const PropertyDecl kRectControlProperties[] = {
    Declare<&RectControl::Left, &RectControl::SetLeft, &CheckLeft>("Left"),
    Declare<&RectControl::Top, &RectControl::SetTop, &CheckTop>("Top"),
    Declare<&RectControl::Width, &RectControl::SetWidth, &CheckWidth>("Width"),
    Declare<&RectControl::Height, &RectControl::SetHeight, &CheckHeight>("Height"),
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

void RequireExtent(const Object& object, std::string_view property, std::int32_t v, std::int32_t low) {
    if (v < low || v > kMaxControlExtent)
        throw OutOfBoundsException(object.Describe() + ": " + std::string(property) + " " +
                                   std::to_string(v) + " is outside " + Range(low));
}

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
    peer_->PlaceIn({});
    peer_->ApplyFont();
    peer_->ApplyFocusPolicy();
}

detail::ControlPeer& RectControl::Peer() const {
    if (!peer_)
        throw NilObjectException(Describe() + " is not constructed");
    return *peer_;
}

std::int32_t RectControl::Left() const {
    return Peer().geometry.left;
}
std::int32_t RectControl::Top() const {
    return Peer().geometry.top;
}
std::int32_t RectControl::Width() const {
    return Peer().geometry.width;
}
std::int32_t RectControl::Height() const {
    return Peer().geometry.height;
}

void RectControl::SetLeft(std::int32_t v) {
    CheckLeft(*this, v);
    MoveTo(*this, &detail::Bounds::left, v);
}
void RectControl::SetTop(std::int32_t v) {
    CheckTop(*this, v);
    MoveTo(*this, &detail::Bounds::top, v);
}

void RectControl::SetWidth(std::int32_t v) {
    CheckWidth(*this, v);
    Peer().geometry.width = v;
    Peer().ApplyGeometry();
}

void RectControl::SetHeight(std::int32_t v) {
    CheckHeight(*this, v);
    Peer().geometry.height = v;
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
    Peer().ApplyVisible();
}

bool RectControl::Enabled() const {
    return Peer().enabled;
}

void RectControl::SetEnabled(bool v) {
    Peer().enabled = v;
    Peer().ApplyEnabled();
}

fw::Text RectControl::HelpTag() const {
    return Peer().helpTag;
}

void RectControl::SetHelpTag(const fw::Text& v) {
    Peer().helpTag = v;
    Peer().ApplyHelpTag();
}

fw::Text RectControl::InitialParent() const {
    return Peer().initialParent;
}

void RectControl::SetInitialParent(const fw::Text& v) {
    detail::ControlPeer& peer = Peer();
    peer.PlaceIn(v);
    peer.initialParent = v;
    Window()->Peer().UpdateTabOrder();
}

} // namespace fw
