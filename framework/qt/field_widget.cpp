#include "framework/qt/field_widget.h"

#include "framework/qt/run_state.h"
#include "framework/qt/whole_paste.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <utility>

namespace fw::detail {

namespace {

// IsContextualClick answers from the run state while a press's MouseDown event is raised.
class ContextualScope {
public:
    explicit ContextualScope(bool contextual)
        : previous_(std::exchange(State().contextualClick, contextual)) {}
    ~ContextualScope() { State().contextualClick = previous_; }
    ContextualScope(const ContextualScope&) = delete;
    ContextualScope& operator=(const ContextualScope&) = delete;

private:
    bool previous_;
};

} // namespace

void FieldWidget::mousePressEvent(QMouseEvent* event) {
    if (!peer) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    bool contextual = event->button() == Qt::RightButton;
#ifdef Q_OS_MACOS
    // The Control key reads as Meta on macOS: Ctrl-click is the one-button contextual click.
    contextual = contextual || (event->button() == Qt::LeftButton && (event->modifiers() & Qt::MetaModifier));
#endif
    const QPoint at = event->position().toPoint();
    ControlPeer* p = peer;
    const bool handled = FromQt([&] {
        ContextualScope scope(contextual);
        return p->Owner().RaiseEvent("MouseDown", at.x(), at.y()); // may release the control
    });
    if (handled) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void FieldWidget::contextMenuEvent(QContextMenuEvent* event) {
    // A field whose presses go to a handler shows no menu of its own: the handler decides.
    if (peer && peer->Owner().HasHandler("MouseDown")) {
        event->accept();
        return;
    }
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The menu's Paste item, wired one way or the other depending on the Qt version.
        if (QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
            QObject::connect(action, &QAction::triggered, this, [this] { PasteWhole(*this); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the X11 selection.
        const bool selection =
            event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        if (!TakesPaste(*this, selection ? QClipboard::Selection : QClipboard::Clipboard)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection at the cursor where the window system has one.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!isReadOnly() && event->button() == Qt::MiddleButton && clipboard->supportsSelection() &&
        !TakesWhole(*this, cursorPosition(), cursorPosition(), clipboard->text(QClipboard::Selection))) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FieldWidget::dropEvent(QDropEvent* event) {
    const QString text = event->mimeData()->text();
    const int at = cursorPositionAt(event->position().toPoint());
    if (!isReadOnly() && !text.isNull() && !TakesWhole(*this, at, at, text)) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

} // namespace fw::detail
