#include "framework/qt/menu_peer.h"

#include "framework/qt/bridge.h"
#include "framework/qt/edit_commands.h"
#include "framework/qt/runtime_peer.h"

#include <QApplication>
#include <QCursor>
#include <QStringList>

#include <string>

namespace fw::detail {

namespace {

const char* const kItemProperty = "fwMenuItem";

QMenu& MenuOf(MenuItemPeer& peer) {
    peer.EnsureMenu();
    return *peer.Parts().menu;
}

// The child's action, with its menu made first when it has children to show.
QAction& ShownAction(MenuItem& child) {
    MenuItemPeer& peer = child.Peer();
    if (child.Count() > 0)
        peer.EnsureMenu();
    return *peer.Parts().action;
}

} // namespace

MenuItemPeer::MenuItemPeer(MenuItem& owner) : owner_(owner), parts_(std::make_unique<QtParts>()) {
    QAction& action = *parts_->action;
    action.setProperty(kItemProperty, QVariant::fromValue(static_cast<void*>(&owner_)));
    // Placement by text guesses (moving an item called "Preferences" on macOS) is left to the item classes.
    action.setMenuRole(QAction::NoRole);
    QObject::connect(&action, &QAction::triggered, [this] { FromQt([this] { owner_.Choose(); }); });
    TrackPeer(*this);
}

MenuItemPeer::~MenuItemPeer() {
    UntrackPeer(*this);
    parts_->action->setMenu(static_cast<QMenu*>(nullptr));
    parts_->menu.reset();
    parts_->action.reset();
}

void MenuItemPeer::SetText(const fw::Text& v) {
    text = v;
    QAction& action = *parts_->action;
    const bool separator = v == "-";
    action.setSeparator(separator);
    // A separator with text is drawn as a labelled section by some styles: the line alone is wanted.
    action.setText(separator ? QString() : EscapeMnemonics(v));
    if (HasMenu())
        parts_->menu->setTitle(EscapeMnemonics(v));
}

void MenuItemPeer::SetShortcut(const fw::Text& v) {
    const QKeySequence sequence = ShortcutFromText(v); // raises before anything changes
    shortcut = v;
    parts_->action->setShortcut(sequence);
}

bool MenuItemPeer::Enabled() const {
    return parts_->action->isEnabled();
}

void MenuItemPeer::SetEnabled(bool v) {
    parts_->action->setEnabled(v);
}

void MenuItemPeer::SetRole(Role role) {
    parts_->action->setMenuRole(role == Role::About ? QAction::AboutRole : QAction::QuitRole);
}

void MenuItemPeer::SetShortcutApplicationWide() {
    parts_->action->setShortcutContext(Qt::ApplicationShortcut);
}

void MenuItemPeer::EnsureMenu() {
    if (parts_->menu)
        return;
    RequireApplication("showing menu " + owner_.Describe());
    parts_->menu = std::make_unique<QMenu>();
    QMenu& menu = *parts_->menu;
    menu.setTitle(EscapeMnemonics(text));
    QObject::connect(&menu, &QMenu::aboutToShow, [] { FromQt([] { RefreshEditItems(); }); });
    for (std::int32_t i = 0; i < owner_.Count(); ++i)
        menu.addAction(&ShownAction(*owner_.Item(i)));
    parts_->action->setMenu(&menu);
}

bool MenuItemPeer::HasMenu() const noexcept {
    return parts_->menu != nullptr;
}

void MenuItemPeer::ChildAppended(MenuItem& child) {
    if (parts_->menu)
        parts_->menu->addAction(&ShownAction(child));
    else if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        EnsureMenu(); // the parent shows as a menu from its first child on
    for (const QPointer<QMenuBar>& bar : parts_->installedIn) {
        if (bar)
            bar->addAction(child.Peer().Parts().action.get());
    }
    RefreshEditItems();
}

MenuItem* MenuItemPeer::PopUpAtMouse() {
    return ItemOfAction(MenuOf(*this).exec(QCursor::pos()));
}

MenuItem* ItemOfAction(const QAction* action) noexcept {
    if (!action)
        return nullptr;
    return static_cast<MenuItem*>(action->property(kItemProperty).value<void*>());
}

void InstallMenuBar(QMenuBar& target, fw::MenuBar& bar) {
    QList<QPointer<QMenuBar>>& installedIn = bar.Peer().Parts().installedIn;
    installedIn.removeAll(QPointer<QMenuBar>());
    if (!installedIn.contains(&target))
        installedIn.push_back(&target);
    target.clear(); // removes the actions from the widget; the actions stay ours
    for (std::int32_t i = 0; i < bar.Count(); ++i)
        target.addAction(&ShownAction(*bar.Item(i)));
}

QKeySequence ShortcutFromText(std::string_view text) {
    if (text.empty())
        return {};
    const auto invalid = [text] {
        return InvalidArgumentException("keyboard shortcut \"" + std::string(text) +
                                        "\" is not of the form [Cmd+][Shift+][Option+]Key");
    };
    const QStringList parts = ToQString(fw::Text(text)).split(u'+');
    QStringList portable;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        if (part.compare(u"Cmd", Qt::CaseInsensitive) == 0 ||
            part.compare(u"Command", Qt::CaseInsensitive) == 0)
            portable << QStringLiteral("Ctrl"); // Qt maps Ctrl to the Command key on macOS
        else if (part.compare(u"Shift", Qt::CaseInsensitive) == 0)
            portable << QStringLiteral("Shift");
        else if (part.compare(u"Option", Qt::CaseInsensitive) == 0 ||
                 part.compare(u"Alt", Qt::CaseInsensitive) == 0)
            portable << QStringLiteral("Alt");
        else
            throw invalid();
    }
    const QString key = parts.back().trimmed();
    if (key.isEmpty())
        throw invalid();
    portable << key;
    const QKeySequence sequence = QKeySequence::fromString(portable.join(u'+'), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        throw invalid();
    return sequence;
}

} // namespace fw::detail
