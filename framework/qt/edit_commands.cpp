#include "framework/qt/edit_commands.h"

#include "framework/edit_field.h"
#include "framework/qt/bridge.h"
#include "framework/qt/control_widgets.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/run_state.h"
#include "framework/runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMetaObject>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace fw::detail {

namespace {

std::vector<MenuItemPeer*>& Peers() {
    return State().menuItemPeers;
}

// The entry field whose widget has the focus, or nullptr.
EditField* FocusedField() {
    auto* widget = dynamic_cast<PeerWidget<QLineEdit>*>(QApplication::focusWidget());
    ControlPeer* peer = widget && widget->isEnabled() ? widget->peer : nullptr;
    return peer ? dynamic_cast<EditField*>(&peer->Owner()) : nullptr;
}

// Watches focus, the focused field and the clipboard, and refreshes the Edit items on every change.
class EditWatcher : public QObject {
public:
    explicit EditWatcher(QApplication& app) : QObject(&app) {
        connect(&app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                [] { FromQt([] { RefreshEditItems(); }); });
    }

    void Follow(QWidget* now) {
        for (const auto& c : fieldConnections_)
            disconnect(c);
        fieldConnections_.clear();
        if (auto* field = qobject_cast<QLineEdit*>(now)) {
            fieldConnections_.push_back(connect(field, &QLineEdit::selectionChanged, this,
                                                [] { FromQt([] { RefreshEditItems(); }); }));
            fieldConnections_.push_back(
                connect(field, &QLineEdit::textChanged, this, [] { FromQt([] { RefreshEditItems(); }); }));
        }
        RefreshEditItems();
    }

private:
    std::vector<QMetaObject::Connection> fieldConnections_;
};

void EnsureWatching() {
    static QPointer<QObject> watcher;
    if (watcher)
        return;
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        auto* made = new EditWatcher(*app); // owned by the application
        watcher = made;
        made->Follow(QApplication::focusWidget());
    }
}

bool HasApplicationHandler(std::string_view name) {
    Ref<Application> app = GetAppObject();
    return app && app->MenuHandler(name) != nullptr;
}

} // namespace

EditCommand EditCommandNamed(std::string_view itemName) noexcept {
    if (itemName == "EditUndo")
        return EditCommand::Undo;
    if (itemName == "EditCut")
        return EditCommand::Cut;
    if (itemName == "EditCopy")
        return EditCommand::Copy;
    if (itemName == "EditPaste")
        return EditCommand::Paste;
    if (itemName == "EditClear")
        return EditCommand::Clear;
    return EditCommand::None;
}

bool CanPerform(EditCommand command) {
    const EditField* field = FocusedField();
    if (!field)
        return false;
    // A password field never hands its text out.
    const bool readable = !field->Password();
    const bool writable = !field->ReadOnly();
    switch (command) {
    case EditCommand::None:
        return false;
    case EditCommand::Undo:
        return writable && field->CanUndo();
    case EditCommand::Cut:
        return writable && readable && field->HasSelection();
    case EditCommand::Copy:
        return readable && field->HasSelection();
    case EditCommand::Paste:
        return writable && !QGuiApplication::clipboard()->text().isEmpty();
    case EditCommand::Clear:
        return writable && field->HasSelection();
    }
    return false;
}

bool Perform(EditCommand command) {
    if (!CanPerform(command))
        return false;
    EditField& field = *FocusedField();
    switch (command) {
    case EditCommand::None:
        return false;
    case EditCommand::Undo:
        field.Undo();
        break;
    case EditCommand::Cut:
        field.Cut();
        break;
    case EditCommand::Copy:
        field.Copy();
        break;
    case EditCommand::Paste:
        field.Paste();
        break;
    case EditCommand::Clear:
        field.Clear();
        break;
    }
    RefreshEditItems();
    return true;
}

void TrackPeer(MenuItemPeer& peer) {
    Peers().push_back(&peer);
    EnsureWatching();
}

void UntrackPeer(MenuItemPeer& peer) noexcept {
    auto& peers = Peers();
    peers.erase(std::remove(peers.begin(), peers.end(), &peer), peers.end());
}

void RefreshEditItems() {
    EnsureWatching();
    for (MenuItemPeer* peer : Peers()) {
        const std::string_view name = peer->Owner().Name();
        const EditCommand command = EditCommandNamed(name);
        if (command == EditCommand::None || HasApplicationHandler(name))
            continue;
        peer->SetEnabled(CanPerform(command));
    }
}

} // namespace fw::detail
