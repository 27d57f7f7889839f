#pragma once

#include "framework/window.h"

#include <memory>
#include <vector>

namespace fw::detail {

// What a Window is on this platform: its widgets (on the Qt side, in window_widgets.h) and the values of its
// declared properties.
class WindowPeer {
public:
    struct QtParts;
    explicit WindowPeer(Window& owner);
    ~WindowPeer();
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    enum class State { New, Building, Open, Closed };

    Window& Owner() const noexcept { return owner_; }
    QtParts& Parts() const noexcept { return *parts_; }
    // The top-level widget, its content area and its menu bar (nil until needed); typed where
    // window_widgets.h is included.
    auto Top() const noexcept;
    auto Content() const noexcept;
    auto MenuBarWidget() const noexcept;

    void ApplySize();
    void ApplyFlags();
    void ApplyBackground();
    void ApplyTitle();
    // Shows the bar's menus, or empties and hides the menu bar for nil.
    void ApplyMenuBar(fw::MenuBar* bar);
    // Shows or hides the menu bar widget, if there is one.
    void ShowMenuBar(bool shown);
    void UpdateTabOrder();

    // The top-level widget shown, raised and activated; or hidden.
    void ShowOnTop();
    void Hide();

    // Controls made by Window::New that are still alive (registered or not).
    void Adopt(Control& control) { adopted.push_back(&control); }
    void Forget(const Control& control);

    State state = State::New;
    bool closing = false;
    fw::Text title;
    std::int32_t placement = 0;
    std::int32_t width = 300;
    std::int32_t height = 300;
    std::int32_t minWidth = 64;
    std::int32_t minHeight = 64;
    std::int32_t maxWidth = 32000;
    std::int32_t maxHeight = 32000;
    std::int32_t frame = 0;
    bool hasBackColor = false;
    Color backColor{255, 255, 255};
    bool visible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool maximizeButton = true;
    bool minimizeButton = true;
    bool menuBarVisible = true;
    std::vector<Control*> adopted;

private:
    Window& owner_;
    std::unique_ptr<QtParts> parts_;
};

// Closes every open window and empties the layer's window lists (for shut-down and for tests).
void ReleaseWindowRegistry();

} // namespace fw::detail
