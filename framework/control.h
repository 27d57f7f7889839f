#pragma once

#include "framework/events.h"
#include "framework/object.h"
#include "framework/properties.h"
#include "framework/text.h"

#include <memory>
#include <string_view>
#include <vector>

namespace fw {

class Window;

namespace detail {
class ControlPeer;
}

// A control of a window. Made by Window::New, built by its Constructor, registered by Window::AddControl.
class Control : public Object {
public:
    Control();
    ~Control() override;

    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;
    std::string Describe() const override;

    // The window the control was made for; nil once that window is gone.
    Ref<fw::Window> Window() const;

    // Binds a handler to this control instance's event. An event the control's class does not raise, or a
    // delegate whose signature text differs from the event's, raises InvalidArgumentException.
    void InstallInstanceEventHandler(std::string_view event, Delegate handler);
    bool HasHandler(std::string_view event) const noexcept;

    // Raise an event: the bound handler runs with this control and its window kept alive, and with this
    // control as CurrentEventSender(). Without a handler a Boolean event answers False.
    void RaiseEvent(std::string_view event);
    bool RaiseEvent(std::string_view event, std::int32_t a);
    bool RaiseEvent(std::string_view event, std::int32_t a, std::int32_t b);

    // Declared properties.
    const fw::Text& Name() const noexcept { return name_; }
    void SetName(const fw::Text& name);
    std::int32_t Index() const noexcept { return index_; }
    void SetIndex(std::int32_t v) { index_ = v; }
    // TabPanelIndex: declared and stored only.

    PropertyStore& StoredProperties() noexcept { return stored_; }
    const PropertyStore& StoredProperties() const noexcept { return stored_; }

protected:
    const Delegate* Handler(std::string_view event) const noexcept;

private:
    friend class fw::Window;
    fw::Window* window_ = nullptr; // weak: the window owns its controls
    fw::Text name_;
    std::int32_t index_ = 0;
    std::vector<std::pair<fw::Text, Delegate>> handlers_;
    PropertyStore stored_;
};

// The farthest a control's position and the largest its size may be, in pixels: as far as a widget goes.
inline constexpr std::int32_t kMaxControlExtent = 16777215;
// Refuses, with OutOfBoundsException naming object, property and value, a v outside low..kMaxControlExtent:
// Qt would wrap such a value or overflow on it.
void RequireExtent(const Object& object, std::string_view property, std::int32_t v, std::int32_t low);

// A control with a rectangle on its window: a live widget from Constructor on.
class RectControl : public Control {
public:
    RectControl();
    ~RectControl() override;

    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    // Makes the widget on the control's window. Raises NilObjectException when the control was not made
    // by a window's New.
    void Constructor();
    bool IsConstructed() const noexcept { return peer_ != nullptr; }

    // Position and size in the window's content coordinates, also for controls inside a group box. Left and
    // Top take -kMaxControlExtent..kMaxControlExtent, Width and Height 0..kMaxControlExtent; other values,
    // and a move of a group box that would carry a control it holds outside that range, raise
    // OutOfBoundsException and change nothing.
    std::int32_t Left() const;
    void SetLeft(std::int32_t v);
    std::int32_t Top() const;
    void SetTop(std::int32_t v);
    std::int32_t Width() const;
    void SetWidth(std::int32_t v);
    std::int32_t Height() const;
    void SetHeight(std::int32_t v);
    std::int32_t TabIndex() const;
    void SetTabIndex(std::int32_t v);
    bool TabStop() const;
    void SetTabStop(bool v);
    bool Visible() const;
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool v);
    fw::Text HelpTag() const;
    void SetHelpTag(const fw::Text& v);
    // The name of a group box of the same window that holds this control; empty: the window itself.
    // A name that no group box of the window carries raises NilObjectException.
    fw::Text InitialParent() const;
    void SetInitialParent(const fw::Text& v);
    // LockLeft, LockTop, LockRight, LockBottom, AutoDeactivate: declared and stored only.

    detail::ControlPeer& Peer() const;

protected:
    // Creates the peer (the Qt widget) for this control's class; called by Constructor.
    virtual std::unique_ptr<detail::ControlPeer> CreatePeer() = 0;

private:
    std::unique_ptr<detail::ControlPeer> peer_;
};

// The control whose event handler is running (the innermost one), or nil outside control events.
Ref<Control> CurrentEventSender();

} // namespace fw
