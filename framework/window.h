#pragma once

#include "framework/object.h"
#include "framework/properties.h"
#include "framework/text.h"

#include <memory>
#include <string_view>
#include <vector>

namespace fw {

class Control;
class MenuBar;

namespace detail {
class WindowPeer;
}

// A top-level window. Subclasses supply Layout and CreateControls and handle Event_Open / Event_Close.
// Width x Height is the content area (below a menu bar shown inside the window); controls are placed in
// content coordinates. The layer holds every open window; a closed window leaves its lists.
class Window : public Object {
public:
    // fullClassName ("Finestra1.Finestra1") is the key of the one open window of the class; empty: not kept
    // as a single-instance window.
    explicit Window(std::string_view fullClassName = {});
    ~Window() override;

    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;
    std::string Describe() const override;

    // Builds the window: Layout, then CreateControls, then each control's Open event in creation order,
    // then the window's Open event. Registers the window as open (and as its class's single instance)
    // before Layout runs, and shows it if Visible is True once built.
    void Constructor();

    // Hooks and events of the subclass.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}

    const Text& FullClassName() const noexcept { return fullClassName_; }

    fw::Text Title() const;
    void SetTitle(const fw::Text& title);
    Ref<fw::MenuBar> MenuBar() const;
    void SetMenuBar(const Ref<fw::MenuBar>& bar);

    void Show();
    void Close();
    bool IsOpen() const noexcept;

    // A new control of class C made for this window, not yet constructed or registered.
    template <class C>
    Ref<C> New() {
        Ref<C> control = MakeRef<C>();
        Adopt(*control);
        return control;
    }
    // A new control of class C, constructed and registered under name, as AddControl does.
    template <class C>
    Ref<C> AddNew(std::string_view name) {
        Ref<C> control = New<C>();
        control->Constructor();
        AddControl(name, control);
        return control;
    }
    // Registers a constructed control under its name; the window holds it from now on. A second control of
    // the same name raises InvalidArgumentException.
    void AddControl(std::string_view name, const Ref<Control>& control);
    // The control registered under name, or nil.
    Ref<Control> FindControl(std::string_view name) const;
    // The control registered under name as class C; raises NilObjectException naming the window and the
    // name when there is none or it is not a C.
    template <class C>
    Ref<C> ControlNamed(std::string_view name) const {
        Ref<C> c = RefCast<C>(FindControl(name));
        if (!c)
            ThrowNoControl(name, typeid(C));
        return c;
    }
    // Registered controls in creation order.
    const std::vector<Ref<Control>>& Controls() const noexcept { return controls_; }

    // Declared properties.
    std::int32_t Placement() const;
    void SetPlacement(std::int32_t v);
    std::int32_t Width() const;
    void SetWidth(std::int32_t v);
    std::int32_t Height() const;
    void SetHeight(std::int32_t v);
    std::int32_t MinWidth() const;
    void SetMinWidth(std::int32_t v);
    std::int32_t MinHeight() const;
    void SetMinHeight(std::int32_t v);
    std::int32_t MaxWidth() const;
    void SetMaxWidth(std::int32_t v);
    std::int32_t MaxHeight() const;
    void SetMaxHeight(std::int32_t v);
    std::int32_t Frame() const;
    void SetFrame(std::int32_t v);
    bool HasBackColor() const;
    void SetHasBackColor(bool v);
    Color BackColor() const;
    void SetBackColor(Color v);
    bool Visible() const;
    void SetVisible(bool v);
    bool CloseButton() const;
    void SetCloseButton(bool v);
    bool Resizeable() const;
    void SetResizeable(bool v);
    bool MaximizeButton() const;
    void SetMaximizeButton(bool v);
    bool MinimizeButton() const;
    void SetMinimizeButton(bool v);
    bool MenuBarVisible() const;
    void SetMenuBarVisible(bool v);
    // Composite, FullScreen, LiveResize, MacProcId: declared and stored only.

    PropertyStore& StoredProperties() noexcept { return stored_; }
    const PropertyStore& StoredProperties() const noexcept { return stored_; }

    detail::WindowPeer& Peer() const;

private:
    void Adopt(Control& control);
    [[noreturn]] void ThrowNoControl(std::string_view name, const std::type_info& wanted) const;

    Text fullClassName_;
    std::vector<Ref<Control>> controls_;
    Ref<fw::MenuBar> menuBar_;
    PropertyStore stored_;
    std::unique_ptr<detail::WindowPeer> peer_;
};

// The open window registered under fullClassName, or nil.
Ref<Window> GetImplicitWindow(std::string_view fullClassName);
// The control of that name on the window, or nil.
Ref<Control> RuntimeWindowControlByName(const Window& window, std::string_view name);
// Every open window, oldest first.
std::vector<Ref<Window>> OpenWindows();

} // namespace fw
