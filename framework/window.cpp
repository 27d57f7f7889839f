#include "framework/window.h"

#include "framework/control.h"
#include "framework/menu_item.h"
#include "framework/qt/event_loop.h"
#include "framework/qt/window_peer.h"

#include <algorithm>
#include <string>

namespace fw {

namespace {

// The content area is a widget: a size it cannot take is refused, where Qt would overflow adding the menu
// bar.
void CheckWidth(const Window& window, std::int32_t v) {
    RequireExtent(window, "Width", v, 0);
}
void CheckHeight(const Window& window, std::int32_t v) {
    RequireExtent(window, "Height", v, 0);
}

const PropertyDecl kWindowProperties[] = {
    Declare<&Window::Placement, &Window::SetPlacement>("Placement"),
    Declare<&Window::Width, &Window::SetWidth, &CheckWidth>("Width"),
    Declare<&Window::Height, &Window::SetHeight, &CheckHeight>("Height"),
    Declare<&Window::MinWidth, &Window::SetMinWidth>("MinWidth"),
    Declare<&Window::MinHeight, &Window::SetMinHeight>("MinHeight"),
    Declare<&Window::MaxWidth, &Window::SetMaxWidth>("MaxWidth"),
    Declare<&Window::MaxHeight, &Window::SetMaxHeight>("MaxHeight"),
    Declare<&Window::Frame, &Window::SetFrame>("Frame"),
    DeclareStored<Window>("MacProcId", PropertyType::Integer),
    DeclareStored<Window>("Composite", PropertyType::Boolean),
    Declare<&Window::HasBackColor, &Window::SetHasBackColor>("HasBackColor"),
    Declare<&Window::Visible, &Window::SetVisible>("Visible"),
    DeclareStored<Window>("FullScreen", PropertyType::Boolean),
    Declare<&Window::MenuBarVisible, &Window::SetMenuBarVisible>("MenuBarVisible"),
    Declare<&Window::CloseButton, &Window::SetCloseButton>("CloseButton"),
    Declare<&Window::Resizeable, &Window::SetResizeable>("Resizeable"),
    DeclareStored<Window>("LiveResize", PropertyType::Boolean),
    Declare<&Window::MaximizeButton, &Window::SetMaximizeButton>("MaximizeButton"),
    Declare<&Window::MinimizeButton, &Window::SetMinimizeButton>("MinimizeButton"),
    Declare<&Window::BackColor, &Window::SetBackColor>("BackColor"),
};

} // namespace

Window::Window(std::string_view fullClassName) : fullClassName_(fullClassName) {
    if (!detail::ApplicationStarted())
        throw RuntimeException("a window cannot be made before the runtime has started");
    peer_ = std::make_unique<detail::WindowPeer>(*this);
}

Window::~Window() {
    // Controls that outlive their window see it as gone, and raise nothing: their handlers were the window's.
    for (Control* c : peer_->adopted) {
        c->window_ = nullptr;
        c->handlers_.clear();
    }
    peer_->adopted.clear();
    controls_.clear();
    menuBar_ = nullptr;
    peer_.reset();
}

const ClassInfo& Window::Class() {
    static const ClassInfo info{"Window", nullptr, kWindowProperties, {}};
    return info;
}

const ClassInfo& Window::GetClass() const {
    return Class();
}

std::string Window::Describe() const {
    std::string d(GetClass().name);
    if (!fullClassName_.empty())
        return d + " '" + fullClassName_ + "'";
    return peer_->title.empty() ? d + " (untitled)" : d + " titled '" + peer_->title + "'";
}

detail::WindowPeer& Window::Peer() const {
    return *peer_;
}

fw::Text Window::Title() const {
    return peer_->title;
}

void Window::SetTitle(const fw::Text& title) {
    peer_->title = title;
    peer_->ApplyTitle();
}

Ref<MenuBar> Window::MenuBar() const {
    return menuBar_;
}

void Window::SetMenuBar(const Ref<fw::MenuBar>& bar) {
    menuBar_ = bar;
    peer_->ApplyMenuBar(bar.Get());
}

void Window::Show() {
    detail::WindowPeer& p = *peer_;
    if (p.state == detail::WindowPeer::State::Closed)
        throw InvalidArgumentException(Describe() + " is closed and cannot be shown");
    p.visible = true;
    p.ShowOnTop();
}

bool Window::IsOpen() const noexcept {
    return peer_->state == detail::WindowPeer::State::Open ||
           peer_->state == detail::WindowPeer::State::Building;
}

void Window::Adopt(Control& control) {
    control.window_ = this;
    peer_->Adopt(control);
}

void Window::AddControl(std::string_view name, const Ref<Control>& control) {
    Control& c = Require(control, "control to add to " + Describe());
    if (c.window_ != this)
        throw InvalidArgumentException(c.Describe() + " was not made by " + Describe());
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end())
        throw InvalidArgumentException(c.Describe() + " is already registered with " + Describe());
    if (name.empty())
        throw InvalidArgumentException("a control of " + Describe() + " needs a name");
    if (FindControl(name))
        throw InvalidArgumentException(Describe() + " already has a control named '" + std::string(name) +
                                       "'");
    c.name_ = fw::Text(name);
    controls_.push_back(control);
    if (peer_->state == detail::WindowPeer::State::Open)
        peer_->UpdateTabOrder();
}

Ref<Control> Window::FindControl(std::string_view name) const {
    for (const Ref<Control>& c : controls_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

void Window::ThrowNoControl(std::string_view name, const std::type_info& wanted) const {
    Ref<Control> c = FindControl(name);
    if (c)
        throw NilObjectException(Describe() + ": control '" + std::string(name) + "' is a " +
                                 std::string(c->GetClass().name) + ", not the class wanted (" +
                                 TypeName(wanted) + ")");
    throw NilObjectException(Describe() + " has no control named '" + std::string(name) + "'");
}

// Declared properties.

std::int32_t Window::Placement() const {
    return peer_->placement;
}
void Window::SetPlacement(std::int32_t v) {
    peer_->placement = v;
}

std::int32_t Window::Width() const {
    return peer_->width;
}
void Window::SetWidth(std::int32_t v) {
    CheckWidth(*this, v);
    peer_->width = v;
    peer_->ApplySize();
}
std::int32_t Window::Height() const {
    return peer_->height;
}
void Window::SetHeight(std::int32_t v) {
    CheckHeight(*this, v);
    peer_->height = v;
    peer_->ApplySize();
}
std::int32_t Window::MinWidth() const {
    return peer_->minWidth;
}
void Window::SetMinWidth(std::int32_t v) {
    peer_->minWidth = v;
    peer_->ApplySize();
}
std::int32_t Window::MinHeight() const {
    return peer_->minHeight;
}
void Window::SetMinHeight(std::int32_t v) {
    peer_->minHeight = v;
    peer_->ApplySize();
}
std::int32_t Window::MaxWidth() const {
    return peer_->maxWidth;
}
void Window::SetMaxWidth(std::int32_t v) {
    peer_->maxWidth = v;
    peer_->ApplySize();
}
std::int32_t Window::MaxHeight() const {
    return peer_->maxHeight;
}
void Window::SetMaxHeight(std::int32_t v) {
    peer_->maxHeight = v;
    peer_->ApplySize();
}
std::int32_t Window::Frame() const {
    return peer_->frame;
}
void Window::SetFrame(std::int32_t v) {
    peer_->frame = v;
    peer_->ApplyFlags();
}
bool Window::HasBackColor() const {
    return peer_->hasBackColor;
}
void Window::SetHasBackColor(bool v) {
    peer_->hasBackColor = v;
    peer_->ApplyBackground();
}
Color Window::BackColor() const {
    return peer_->backColor;
}
void Window::SetBackColor(Color v) {
    peer_->backColor = v;
    peer_->ApplyBackground();
}
bool Window::Visible() const {
    return peer_->visible;
}
void Window::SetVisible(bool v) {
    detail::WindowPeer& p = *peer_;
    p.visible = v;
    // While the window is being built it shows once built.
    if (p.state != detail::WindowPeer::State::Open)
        return;
    if (v)
        Show();
    else
        p.Hide();
}
bool Window::CloseButton() const {
    return peer_->closeButton;
}
void Window::SetCloseButton(bool v) {
    peer_->closeButton = v;
    peer_->ApplyFlags();
}
bool Window::Resizeable() const {
    return peer_->resizeable;
}
void Window::SetResizeable(bool v) {
    peer_->resizeable = v;
    peer_->ApplySize();
}
bool Window::MaximizeButton() const {
    return peer_->maximizeButton;
}
void Window::SetMaximizeButton(bool v) {
    peer_->maximizeButton = v;
    peer_->ApplyFlags();
}
bool Window::MinimizeButton() const {
    return peer_->minimizeButton;
}
void Window::SetMinimizeButton(bool v) {
    peer_->minimizeButton = v;
    peer_->ApplyFlags();
}
bool Window::MenuBarVisible() const {
    return peer_->menuBarVisible;
}
void Window::SetMenuBarVisible(bool v) {
    peer_->menuBarVisible = v;
    peer_->ShowMenuBar(v && menuBar_);
}

Ref<Control> RuntimeWindowControlByName(const Window& window, std::string_view name) {
    return window.FindControl(name);
}

} // namespace fw
