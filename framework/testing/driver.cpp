#include "framework/testing/driver.h"

#include "framework/group_box.h"
#include "framework/qt/control_widgets.h"
#include "framework/qt/window_widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QWindow>

namespace fw::testing {

namespace {

QWidget& WidgetOf(RectControl& control) {
    QWidget* w = control.Peer().Widget();
    if (!w)
        throw NilObjectException(control.Describe() + " has no widget: its window is gone");
    return *w;
}

detail::WindowWidget& TopOf(Window& window) {
    detail::WindowWidget* top = window.Peer().Top();
    if (!top)
        throw NilObjectException(window.Describe() + " has no widget");
    return *top;
}

QWindow& HandleOf(QWidget& widget) {
    QWidget* top = widget.window();
    if (!top->isVisible() || !top->windowHandle())
        throw RuntimeException("the window is not shown: clicks and window keys need a shown window");
    return *top->windowHandle();
}

Qt::Key ToQtKey(Key key) {
    static constexpr Qt::Key keys[] = {Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,
                                       Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Home,
                                       Qt::Key_End,       Qt::Key_V};
    return keys[static_cast<int>(key)]; // in the order of Key
}

Qt::KeyboardModifiers ToQtModifiers(unsigned m) {
    return Qt::KeyboardModifiers((m & Shift ? Qt::ShiftModifier : Qt::NoModifier) |
                                 (m & Control ? Qt::ControlModifier : Qt::NoModifier));
}

Color PixelOf(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        throw OutOfBoundsException("pixel " + std::to_string(x) + "," + std::to_string(y) + " lies outside " +
                                   std::to_string(image.width()) + "x" + std::to_string(image.height()));
    return detail::FromQColor(image.pixelColor(x, y));
}

// Clicks through the window handle, as the window system would; x, y in w (-1: its centre).
void MouseClick(QWidget& w, Qt::MouseButton button, int x, int y, unsigned modifiers = NoModifier) {
    QWindow& handle = HandleOf(w);
    const QPoint at = w.mapTo(w.window(), QPoint(x < 0 ? w.width() / 2 : x, y < 0 ? w.height() / 2 : y));
    detail::CallIntoQt([&] { QTest::mouseClick(&handle, button, ToQtModifiers(modifiers), at); });
}

} // namespace

void TypeText(RectControl& control, std::string_view utf8) {
    QWidget& w = WidgetOf(control);
    w.activateWindow();
    w.setFocus(Qt::OtherFocusReason);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    detail::CallIntoQt([&] {
        for (const uint cp : text.toUcs4()) {
            if (detail::HoldsException())
                break; // a handler failed: the user would not type on into the error
            if (cp >= 0x20 && cp < 0x7F) {
                QTest::keyClick(&w, static_cast<char>(cp));
            } else {
                // Qt's key table has no key for it: the event carries the character alone.
                const QString s = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, s);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, s);
                QApplication::sendEvent(&w, &press);
                QApplication::sendEvent(&w, &release);
            }
        }
    });
}

void PressKey(RectControl& control, Key key, unsigned modifiers) {
    QWidget& w = WidgetOf(control);
    w.activateWindow();
    w.setFocus(Qt::OtherFocusReason);
    detail::CallIntoQt([&] { QTest::keyClick(&w, ToQtKey(key), ToQtModifiers(modifiers)); });
}

void PressKey(Window& window, Key key, unsigned modifiers) {
    QWidget& top = TopOf(window);
    detail::CallIntoQt([&] { QTest::keyClick(&HandleOf(top), ToQtKey(key), ToQtModifiers(modifiers)); });
}

bool HasFocus(RectControl& control) {
    return WidgetOf(control).hasFocus();
}

void Click(RectControl& control, int x, int y, unsigned modifiers) {
    MouseClick(WidgetOf(control), Qt::LeftButton, x, y, modifiers);
}

void RightClick(RectControl& control, int x, int y) {
    MouseClick(WidgetOf(control), Qt::RightButton, x, y);
}

void ClickHeading(Listbox& list, int column) {
    auto* tree = qobject_cast<QTreeView*>(&WidgetOf(list));
    if (!tree || tree->header()->isHidden())
        throw RuntimeException(list.Describe() + " shows no heading");
    QHeaderView* header = tree->header();
    MouseClick(*header, Qt::LeftButton,
               header->sectionViewportPosition(column) + header->sectionSize(column) / 2, -1);
}

// Paints: cell handlers run.
QImage Render(QWidget& w) {
    QImage image;
    detail::CallIntoQt([&] {
        QApplication::sendPostedEvents(); // pending layouts first, as a paint on screen would have them
        image = w.grab().toImage();
    });
    return image;
}

Image Grab(RectControl& control) {
    const QImage image = Render(WidgetOf(control));
    Image out{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.pixels.push_back(detail::FromQColor(image.pixelColor(x, y)));
    return out;
}

Color PixelAt(RectControl& control, int x, int y) {
    return PixelOf(Render(WidgetOf(control)), x, y);
}

Color ContentPixelAt(Window& window, int x, int y) {
    QWidget* content = window.Peer().Content();
    if (!content)
        throw NilObjectException(window.Describe() + " has no widget");
    return PixelOf(Render(*content), x, y);
}

Rect ListRowRect(Listbox& list, int row) {
    auto* tree = qobject_cast<QTreeView*>(&WidgetOf(list));
    if (!tree || !tree->model() || row < 0 || row >= tree->model()->rowCount())
        throw OutOfBoundsException(list.Describe() + " has no row " + std::to_string(row));
    const QRect cell = tree->visualRect(tree->model()->index(row, 0));
    const QPoint at = tree->viewport()->mapTo(tree, QPoint(0, cell.y()));
    return Rect{at.x(), at.y(), tree->viewport()->width(), cell.height()};
}

bool WaitForWindowActive(Window& window, int timeoutMs) {
    return QTest::qWaitForWindowActive(&TopOf(window), timeoutMs);
}

void CloseAsUser(Window& window) {
    QWidget& top = TopOf(window);
    detail::CallIntoQt([&] {
        if (QWindow* handle = top.windowHandle(); handle && top.isVisible()) {
            handle->close();
        } else {
            QCloseEvent event;
            QApplication::sendEvent(&top, &event);
        }
    });
}

void CloseAllWindows() {
    detail::ReleaseWindowRegistry();
    detail::CallIntoQt([] {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

bool PopupOpen() {
    return QApplication::activePopupWidget() != nullptr;
}

void ClosePopups() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    ProcessEvents();
}

WindowFacts Inspect(Window& window) {
    QWidget& top = TopOf(window);
    WindowFacts f;
    f.shown = top.isVisible();
    if (QWindow* handle = top.windowHandle()) // the title as the window system gets it
        f.title = detail::FromQString(handle->title());
    if (QWidget* content = window.Peer().Content()) {
        top.ensurePolished();
        if (QLayout* l = top.layout())
            l->activate();
        f.contentWidth = content->width();
        f.contentHeight = content->height();
        f.minContentWidth = content->minimumWidth();
        f.maxContentHeight = content->maximumHeight();
    }
    f.fixedSize = top.minimumSize() == top.maximumSize();
    const Qt::WindowFlags flags = top.windowFlags();
    f.dialog = (flags & Qt::WindowType_Mask) == Qt::Dialog;
    f.closeButton = flags.testFlag(Qt::WindowCloseButtonHint);
    f.minimizeButton = flags.testFlag(Qt::WindowMinimizeButtonHint);
    f.maximizeButton = flags.testFlag(Qt::WindowMaximizeButtonHint);
    return f;
}

ControlFacts Inspect(RectControl& control) {
    QWidget& w = WidgetOf(control);
    ControlFacts f;
    Ref<Window> window = control.Window();
    QWidget* content = window ? window->Peer().Content() : nullptr;
    const QPoint at = content && content->isAncestorOf(&w) ? w.mapTo(content, QPoint(0, 0)) : w.pos();
    f.rect = Rect{at.x(), at.y(), w.width(), w.height()};
    f.shown = w.isVisibleTo(w.window());
    f.enabled = w.isEnabled();
    if (auto* box = qobject_cast<QGroupBox*>(w.parentWidget())) {
        for (const Ref<fw::Control>& c : window ? window->Controls() : std::vector<Ref<fw::Control>>{}) {
            auto* rc = dynamic_cast<RectControl*>(c.Get());
            if (rc && rc->IsConstructed() && rc->Peer().Widget() == box)
                f.groupBoxName = rc->Name();
        }
    }
    f.toolTip = detail::FromQString(w.toolTip());
    const QFont font = w.font();
    f.fontPixelSize = font.pixelSize();
    f.defaultFont = font == QApplication::font(&w);
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    auto alignmentOf = [](Qt::Alignment a) { return a & Qt::AlignHCenter ? 1 : a & Qt::AlignRight ? 2 : 0; };
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        f.text = detail::FromQString(label->text());
        f.alignment = alignmentOf(label->alignment());
        f.textColor = detail::FromQColor(label->palette().color(QPalette::WindowText));
    } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        f.text = detail::FromQString(edit->text());
        f.alignment = alignmentOf(edit->alignment());
        f.readOnly = edit->isReadOnly();
        f.password = edit->echoMode() == QLineEdit::Password;
        f.frame = edit->hasFrame();
        f.maxLength = edit->maxLength();
        f.textColor = detail::FromQColor(edit->palette().color(QPalette::Text));
        f.textColorSet = edit->palette().isBrushSet(QPalette::Active, QPalette::Text);
        f.backColorSet = edit->palette().isBrushSet(QPalette::Active, QPalette::Base);
    } else if (auto* button = qobject_cast<QPushButton*>(&w)) {
        f.text = detail::FromQString(button->text());
        f.defaultButton = button->isDefault();
    } else if (auto* box = qobject_cast<QGroupBox*>(&w)) {
        f.text = detail::FromQString(box->title());
    } else if (auto* tree = qobject_cast<QTreeView*>(&w)) {
        f.headingShown = !tree->isHeaderHidden();
        auto* list = dynamic_cast<Listbox*>(&control);
        f.columns = list ? list->ColumnCount() : tree->model()->columnCount();
        f.multipleSelection = tree->selectionMode() == QAbstractItemView::ExtendedSelection;
        f.frame = tree->frameShape() != QFrame::NoFrame;
    }
    f.textWidth = QFontMetrics(font).horizontalAdvance(detail::ToQString(f.text));
    return f;
}

} // namespace fw::testing
