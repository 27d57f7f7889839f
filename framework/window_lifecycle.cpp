// How a window is built and closed, and the layer's list of the open ones.
#include "framework/window.h"

#include "framework/control.h"
#include "framework/qt/run_state.h"
#include "framework/qt/window_peer.h"

#include <algorithm>

namespace fw {

namespace {

// Open windows, oldest first, kept in the run state: windows must go while the GUI still runs
// (ReleaseWindowRegistry).
std::vector<Ref<Window>>& OpenList() {
    return detail::State().openWindows;
}

void Unregister(const Window& window) {
    auto& list = OpenList();
    auto it =
        std::find_if(list.begin(), list.end(), [&](const Ref<Window>& w) { return w.Get() == &window; });
    if (it != list.end()) {
        Ref<Window> keep = std::move(*it); // released after the list is consistent again
        list.erase(it);
    }
}

// The window closes: its Close event runs while it is still open; then it leaves the lists and hides, also
// when the handler throws.
void CloseWindow(Window& window) {
    detail::WindowPeer& peer = window.Peer();
    if (peer.state == detail::WindowPeer::State::Closed || peer.closing)
        return;
    Ref<Window> keep(&window);
    if (peer.state == detail::WindowPeer::State::New) {
        peer.state = detail::WindowPeer::State::Closed;
        peer.Hide();
        return;
    }
    struct Finish {
        Window& window;
        ~Finish() {
            detail::WindowPeer& p = window.Peer();
            p.closing = false;
            p.state = detail::WindowPeer::State::Closed;
            p.Hide();
            Unregister(window);
        }
    };
    peer.closing = true;
    Finish finish{window};
    window.Event_Close();
}

} // namespace

void Window::Constructor() {
    detail::WindowPeer& p = *peer_;
    if (p.state != detail::WindowPeer::State::New)
        throw InvalidArgumentException(Describe() + " is already constructed");
    Ref<Window> keep(this);
    p.state = detail::WindowPeer::State::Building;
    OpenList().push_back(keep);
    auto building = [&] { return p.state == detail::WindowPeer::State::Building; };
    try {
        Layout();
        CreateControls();
        p.UpdateTabOrder();
        const std::vector<Ref<Control>> created = controls_;
        for (const Ref<Control>& c : created)
            if (building() && FindEvent(c->GetClass(), "Open"))
                c->RaiseEvent("Open");
        if (building())
            Event_Open();
    } catch (...) {
        // A window that failed to build is not left open half-built.
        p.state = detail::WindowPeer::State::Closed;
        p.Hide();
        Unregister(*this);
        throw;
    }
    if (!building())
        return; // closed by one of its own handlers
    p.state = detail::WindowPeer::State::Open;
    if (p.visible)
        Show();
}

void Window::Close() {
    CloseWindow(*this);
}

// Lookups.

Ref<Window> GetImplicitWindow(std::string_view fullClassName) {
    if (fullClassName.empty())
        return nullptr;
    for (const Ref<Window>& w : OpenList())
        if (w->FullClassName() == fullClassName)
            return w;
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
    return OpenList();
}

namespace detail {

void ReleaseWindowRegistry() {
    std::vector<Ref<Window>> list;
    list.swap(OpenList());
    for (const Ref<Window>& w : list) {
        WindowPeer& p = w->Peer();
        p.state = WindowPeer::State::Closed;
        p.Hide();
    }
}

} // namespace detail

} // namespace fw
