#include "framework/window.h"

#include "framework/control.h"
#include "framework/group_box.h"
#include "framework/menu_item.h"
#include "framework/push_button.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/run_state.h"
#include "framework/qt/window_peer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>

#include <algorithm>
#include <functional>
#include <string>

namespace fw {

namespace {

const PropertyDecl kWindowProperties[] = {
    Declare<&Window::Placement, &Window::SetPlacement>("Placement"),
    Declare<&Window::Width, &Window::SetWidth>("Width"),
    Declare<&Window::Height, &Window::SetHeight>("Height"),
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
        if (QWidget* top = peer.Top())
            top->hide();
        return;
    }
    struct Finish {
        Window& window;
        ~Finish() {
            detail::WindowPeer& p = window.Peer();
            p.closing = false;
            p.state = detail::WindowPeer::State::Closed;
            if (QWidget* top = p.Top())
                top->hide();
            Unregister(window);
        }
    };
    peer.closing = true;
    Finish finish{window};
    window.Event_Close();
}

Ref<PushButton> FindButton(const Window& window, bool (PushButton::*flag)() const) {
    for (const Ref<Control>& c : window.Controls()) {
        Ref<PushButton> b = RefCast<PushButton>(c);
        if (b && b->IsConstructed() && ((*b).*flag)() && b->Enabled() && b->Visible())
            return b;
    }
    return nullptr;
}

} // namespace

Window::Window(std::string_view fullClassName) : fullClassName_(fullClassName) {
    if (!qApp)
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
        if (QWidget* top = p.Top())
            top->hide();
        Unregister(*this);
        throw;
    }
    if (!building())
        return; // closed by one of its own handlers
    p.state = detail::WindowPeer::State::Open;
    if (p.visible)
        Show();
}

fw::Text Window::Title() const {
    return peer_->title;
}

void Window::SetTitle(const fw::Text& title) {
    peer_->title = title;
    if (QWidget* top = peer_->Top())
        // "[*]" is Qt's place for a modified mark; doubled, it shows as written.
        top->setWindowTitle(
            detail::ToQString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

Ref<MenuBar> Window::MenuBar() const {
    return menuBar_;
}

void Window::SetMenuBar(const Ref<fw::MenuBar>& bar) {
    menuBar_ = bar;
    if (!bar) {
        if (QMenuBar* mb = peer_->MenuBarWidget()) {
            mb->clear();
            mb->hide();
        }
        return;
    }
    QMenuBar& mb = peer_->EnsureMenuBar();
    mb.clear();
    detail::InstallMenuBar(mb, *bar);
    mb.setVisible(peer_->menuBarVisible);
}

void Window::Show() {
    detail::WindowPeer& p = *peer_;
    if (p.state == detail::WindowPeer::State::Closed)
        throw InvalidArgumentException(Describe() + " is closed and cannot be shown");
    p.visible = true;
    if (QWidget* top = p.Top()) {
        top->show();
        top->raise();
        top->activateWindow();
    }
}

void Window::Close() {
    CloseWindow(*this);
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
                                 wanted.name() + ")");
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
    peer_->width = v;
    peer_->ApplySize();
}
std::int32_t Window::Height() const {
    return peer_->height;
}
void Window::SetHeight(std::int32_t v) {
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
    else if (QWidget* top = p.Top())
        top->hide();
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
    if (QMenuBar* mb = peer_->MenuBarWidget())
        mb->setVisible(v && menuBar_);
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

Ref<Control> RuntimeWindowControlByName(const Window& window, std::string_view name) {
    return window.FindControl(name);
}

std::vector<Ref<Window>> OpenWindows() {
    return OpenList();
}

namespace detail {

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->accept(); // no window refuses to close
    if (peer) {
        Window& window = peer->Owner();
        FromQt([&] { CloseWindow(window); }); // may release the window and this peer
    }
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (peer && mods == Qt::NoModifier && (enter || escape)) {
        if (Ref<PushButton> b =
                FindButton(peer->Owner(), enter ? &PushButton::Default : &PushButton::Cancel)) {
            event->accept();
            FromQt([&] { b->Push(); });
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window the user may resize reads back the size it has now (the layout has sized the content already).
    if (peer && peer->resizeable && peer->Content() && isVisible()) {
        peer->width = peer->Content()->width();
        peer->height = peer->Content()->height();
    }
}

WindowPeer::WindowPeer(Window& owner) : owner_(owner) {
    top_ = new WindowWidget();
    top_->peer = this;
    layout_ = new QVBoxLayout(top_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    content_ = new QWidget(top_);
    layout_->addWidget(content_);
    ApplySize();
    ApplyFlags();
    ApplyBackground();
}

WindowPeer::~WindowPeer() {
    // The widget may be inside its own event (a close box): it goes once that event is done.
    if (WindowWidget* top = top_.data()) {
        top->peer = nullptr;
        top->hide();
        top->deleteLater();
    }
}

QMenuBar& WindowPeer::EnsureMenuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(top_);
        layout_->setMenuBar(menuBar_);
    }
    return *menuBar_;
}

QPoint WindowPeer::ContentOffset(const QWidget* container) const {
    if (!content_ || !container || container == content_ || !content_->isAncestorOf(container))
        return {};
    return container->mapTo(content_.data(), QPoint(0, 0));
}

void WindowPeer::ApplySize() {
    if (!content_ || !top_)
        return;
    const int w = std::max(0, width);
    const int h = std::max(0, height);
    if (!resizeable) {
        content_->setFixedSize(w, h);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
        top_->setMinimumSize(0, 0); // undo a fixed size from before
        top_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        content_->setMinimumSize(std::clamp(minWidth, 0, QWIDGETSIZE_MAX),
                                 std::clamp(minHeight, 0, QWIDGETSIZE_MAX));
        content_->setMaximumSize(std::clamp(maxWidth, 0, QWIDGETSIZE_MAX),
                                 std::clamp(maxHeight, 0, QWIDGETSIZE_MAX));
        content_->resize(w, h);
        const int bar = menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
        top_->resize(w, h + bar);
    }
    layout_->activate();
}

void WindowPeer::ApplyFlags() {
    if (!top_)
        return;
    Qt::WindowFlags f = frame == 1 ? Qt::Dialog : Qt::Window;
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        f |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        f |= Qt::WindowMaximizeButtonHint;
    if (top_->windowFlags() == f)
        return;
    const bool shown = top_->isVisible();
    top_->setWindowFlags(f); // hides a shown window
    if (shown)
        top_->show();
}

void WindowPeer::ApplyBackground() {
    if (!content_)
        return;
    if (hasBackColor) {
        QPalette pal = content_->palette();
        pal.setColor(QPalette::Window, ToQColor(backColor));
        content_->setPalette(pal);
    } else {
        content_->setPalette(QPalette());
    }
    content_->setAutoFillBackground(hasBackColor);
}

void WindowPeer::UpdateTabOrder() {
    // Controls in the window by TabIndex; a frame's controls follow the frame, by their own TabIndex.
    std::vector<QWidget*> order;
    std::function<void(QWidget*)> visit = [&](QWidget* container) {
        std::vector<RectControl*> here;
        for (const Ref<Control>& c : owner_.Controls()) {
            auto* rc = dynamic_cast<RectControl*>(c.Get());
            if (rc && rc->IsConstructed() && rc->Peer().Widget() && rc->Peer().Container() == container)
                here.push_back(rc);
        }
        std::stable_sort(here.begin(), here.end(), [](RectControl* a, RectControl* b) {
            return a->Peer().tabIndex < b->Peer().tabIndex;
        });
        for (RectControl* rc : here) {
            order.push_back(rc->Peer().Widget());
            visit(rc->Peer().Widget());
        }
    };
    if (content_)
        visit(content_);
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void WindowPeer::Forget(const Control& control) {
    adopted.erase(std::remove(adopted.begin(), adopted.end(), &control), adopted.end());
}

void ReleaseWindowRegistry() {
    std::vector<Ref<Window>> list;
    list.swap(OpenList());
    for (const Ref<Window>& w : list) {
        WindowPeer& p = w->Peer();
        p.state = WindowPeer::State::Closed;
        if (QWidget* top = p.Top())
            top->hide();
    }
}

} // namespace detail

} // namespace fw
