#include "framework/testing/driver_runtime.h"

#include "framework/edit_field.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

namespace fw::testing {

namespace {

QKeyCombination Combination(std::string_view keys) {
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromUtf8(keys.data(), static_cast<qsizetype>(keys.size())));
    if (sequence.count() != 1)
        throw std::invalid_argument("not one key combination: " + std::string(keys));
    return sequence[0];
}

int popUpsSeen = 0;
QPoint lastPopUp(-1, -1);

void HandlePopUp(const std::string& itemName, int triesLeft) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        if (triesLeft > 0)
            QTimer::singleShot(5, [itemName, triesLeft] { HandlePopUp(itemName, triesLeft - 1); });
        return;
    }
    ++popUpsSeen;
    lastPopUp = menu->pos();
    if (itemName.empty()) {
        menu->close();
        return;
    }
    for (QAction* action : menu->actions()) {
        const MenuItem* item = detail::ItemOfAction(action);
        if (item && item->Name() == itemName) {
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    }
    menu->close(); // not there: the test sees nil picked
}

} // namespace

namespace {

// A window of the layer with entry fields one below the other; shown only when the test activates it.
class FieldsWindow : public Window {
public:
    explicit FieldsWindow(int fields) : fields_(fields) {}

    void Layout() override {
        SetVisible(false);
        SetWidth(300);
        SetHeight(200);
    }
    void CreateControls() override {
        for (int i = 0; i < fields_; ++i) {
            Ref<EditField> field = New<EditField>();
            field->Constructor();
            field->SetLeft(10);
            field->SetTop(10 + 30 * i);
            field->SetWidth(280);
            AddControl("Field" + std::to_string(i), field);
        }
    }

private:
    int fields_;
};

} // namespace

struct MenuWindow::Impl {
    Ref<FieldsWindow> window;

    QWidget& Top() const { return *window->Peer().Top(); }
    QMenuBar& Bar() const { return *window->Peer().MenuBarWidget(); }
    EditField& Field(int index) const {
        if (index < 0 || index >= static_cast<int>(window->Controls().size()))
            throw std::out_of_range("no entry field " + std::to_string(index));
        return static_cast<EditField&>(*window->Controls()[static_cast<std::size_t>(index)]);
    }
    QLineEdit& FieldWidget(int index) const { return *static_cast<QLineEdit*>(Field(index).Peer().Widget()); }
};

MenuWindow::MenuWindow(MenuBar& bar, int fields) : impl_(std::make_unique<Impl>()) {
    impl_->window = MakeRef<FieldsWindow>(fields);
    impl_->window->Constructor();
    QMenuBar& menuBar = impl_->window->Peer().EnsureMenuBar();
    menuBar.setNativeMenuBar(false);
    detail::InstallMenuBar(menuBar, bar);
}

MenuWindow::~MenuWindow() {
    if (impl_->window->IsOpen())
        impl_->window->Close();
}

bool MenuWindow::Activate() {
    impl_->window->Show();
    return QTest::qWaitForWindowActive(&impl_->Top());
}

void MenuWindow::Press(std::string_view keys) {
    const QKeyCombination combination = Combination(keys);
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &impl_->Top())
        target = &impl_->Top();
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

std::vector<std::string> MenuWindow::MenuTitles() const {
    std::vector<std::string> titles;
    for (QAction* action : impl_->Bar().actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

void MenuWindow::Reinstall(MenuBar& bar) {
    detail::InstallMenuBar(impl_->Bar(), bar);
}

void MenuWindow::FocusField(int index) {
    impl_->FieldWidget(index).setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

std::string MenuWindow::FieldText(int index) const {
    return impl_->Field(index).Text();
}

void MenuWindow::SetFieldText(int index, std::string_view text) {
    impl_->Field(index).SetText(fw::Text(text));
}

void MenuWindow::SelectInField(int index, int start, int length) {
    impl_->FieldWidget(index).setSelection(start, length);
}

void MenuWindow::SetFieldReadOnly(int index, bool readOnly) {
    impl_->Field(index).SetReadOnly(readOnly);
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

void RunEventsFor(int ms) {
    QTest::qWait(ms);
}

void After(int ms, std::function<void()> f) {
    QTimer::singleShot(ms, qApp, std::move(f));
}

void CloseActivePopUpSoon(std::string itemName) {
    QTimer::singleShot(0, qApp, [itemName = std::move(itemName)] { HandlePopUp(itemName, 400); });
}

int PopUpsSeen() {
    return popUpsSeen;
}

void SetMousePosition(int x, int y) {
    QCursor::setPos(x, y);
}

std::pair<int, int> LastPopUpPosition() {
    return {lastPopUp.x(), lastPopUp.y()};
}

std::string ShortcutKeys(const MenuItem& item) {
    return item.Peer().Action().shortcut().toString(QKeySequence::PortableText).toStdString();
}

bool ShowsAsSeparator(const MenuItem& item) {
    return item.Peer().Action().isSeparator();
}

std::string ShownText(const MenuItem& item) {
    return item.Peer().Action().text().toStdString();
}

bool WritePicture(const std::string& path, const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    return image.save(QString::fromStdString(path), format);
}

} // namespace fw::testing
