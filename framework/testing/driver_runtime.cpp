#include "framework/testing/driver.h"

#include "framework/qt/control_widgets.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/window_widgets.h"
#include "framework/runtime.h"
#include "framework/testing/run_control.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace fw::testing {

namespace {

// What a menu shows for the action: its caption, or "-" for a separator line.
std::string Caption(const QAction& action) {
    return action.isSeparator() ? "-" : action.text().toStdString();
}

// A window of the layer with entry fields one below the other; shown only when the test activates it.
struct FieldsWindow : Window {
    explicit FieldsWindow(int count) : fields(count) {}
    void Layout() override {
        SetVisible(false);
        SetWidth(300);
        SetHeight(200);
    }
    void CreateControls() override {
        for (int i = 0; i < fields; ++i) {
            Ref<EditField> field = AddNew<EditField>("Field" + std::to_string(i));
            field->SetLeft(10);
            field->SetTop(10 + 30 * i);
            field->SetWidth(280);
        }
    }
    const int fields;
};

} // namespace

MenuWindow::MenuWindow(MenuBar& bar, int fields) : window_(MakeRef<FieldsWindow>(fields)) {
    window_->Constructor();
    QMenuBar& menuBar = window_->Peer().Parts().EnsureMenuBar();
    menuBar.setNativeMenuBar(false);
    detail::InstallMenuBar(menuBar, bar);
}

MenuWindow::~MenuWindow() {
    if (window_->IsOpen())
        window_->Close();
}

bool MenuWindow::Activate() {
    window_->Show();
    return QTest::qWaitForWindowActive(window_->Peer().Top());
}

void MenuWindow::Press(std::string_view keys) {
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromUtf8(keys.data(), static_cast<qsizetype>(keys.size())));
    if (sequence.count() != 1)
        throw InvalidArgumentException("not one key combination: " + std::string(keys));
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window_->Peer().Top())
        target = window_->Peer().Top();
    QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
}

EditField& MenuWindow::Field(int index) const {
    const std::vector<Ref<fw::Control>>& controls = window_->Controls();
    if (index < 0 || index >= static_cast<int>(controls.size()))
        throw OutOfBoundsException("no entry field " + std::to_string(index));
    return static_cast<EditField&>(*controls[static_cast<std::size_t>(index)]);
}

void MenuWindow::FocusField(int index) {
    Field(index).Peer().Widget()->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void MenuWindow::SelectInField(int index, int start, int length) {
    static_cast<QLineEdit*>(Field(index).Peer().Widget())->setSelection(start, length);
}

std::string ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void SetClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void ProcessEvents() {
    QApplication::processEvents();
}

void After(int ms, std::function<void()> f) {
    QTimer::singleShot(ms, qApp, std::move(f));
}

std::vector<std::string> ShownItems(const MenuItem& menu) {
    std::vector<std::string> shown;
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        const QAction& action = detail::ActionOf(*menu.Item(i));
        const std::string keys = action.shortcut().toString(QKeySequence::PortableText).toStdString();
        shown.push_back(Caption(action) + (keys.empty() ? "" : " " + keys));
        const std::vector<std::string> inner = ShownItems(*menu.Item(i));
        shown.insert(shown.end(), inner.begin(), inner.end());
    }
    return shown;
}

std::vector<std::string> PopUpCaptionsOf(const std::function<void()>& action, std::string_view pick) {
    std::vector<std::string> captions;
    auto readAndClose = [&captions, pick] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !captions.empty())
            return;
        QAction* picked = nullptr;
        for (QAction* a : menu->actions()) {
            captions.push_back(Caption(*a));
            if (!pick.empty() && captions.back() == pick && a->isEnabled())
                picked = a;
        }
        if (picked) {
            menu->setActiveAction(picked);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    };
    // A menu shown with exec() blocks the action: this timer reads it from the menu's own loop.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, readAndClose);
    poll.start(10);
    action();
    poll.stop();
    // A menu that does not block is open by now, or opens once the click's events are through.
    ProcessEvents();
    readAndClose();
    ProcessEvents();
    return captions;
}

std::int32_t RunAndCloseAsUser(Window& window, int timeoutMs) {
    ResetRunState();
    Ref<Window> keep(&window);
    After(0, [keep] { CloseAsUser(*keep); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Quit(-1); });
    guard.start(timeoutMs);
    RuntimeRun();
    guard.stop();
    const std::int32_t status = RuntimeExit();
    // RuntimeExit let the system object go: start it again for the tests that follow.
    RuntimeInit();
    ResetRunState();
    ProcessEvents();
    return status;
}

std::vector<std::string> MenuBarCaptions(Window& window) {
    std::vector<std::string> captions;
    const QMenuBar* bar = window.Peer().MenuBarWidget();
    if (!bar || bar->isHidden())
        return captions;
    for (const QAction* title : bar->actions()) {
        captions.push_back(Caption(*title));
        if (const QMenu* menu = title->menu())
            for (const QAction* item : menu->actions())
                captions.push_back(Caption(*item));
    }
    return captions;
}

} // namespace fw::testing
