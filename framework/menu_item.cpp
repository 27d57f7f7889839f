#include "framework/menu_item.h"

#include "framework/application.h"
#include "framework/qt/bridge.h"
#include "framework/qt/edit_commands.h"
#include "framework/qt/menu_peer.h"
#include "framework/qt/runtime_peer.h"
#include "framework/runtime.h"

#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QStringList>

#include <string>

namespace fw {

namespace detail {

namespace {
const char* const kItemProperty = "fwMenuItem";
} // namespace

MenuItemPeer::MenuItemPeer(MenuItem& owner) : owner_(owner), action_(std::make_unique<QAction>()) {
    action_->setProperty(kItemProperty, QVariant::fromValue(static_cast<void*>(&owner_)));
    // Placement by text guesses (moving an item called "Preferences" on macOS) is left to the item classes.
    action_->setMenuRole(QAction::NoRole);
    QObject::connect(action_.get(), &QAction::triggered, [this] { FromQt([this] { owner_.Choose(); }); });
    TrackPeer(*this);
}

MenuItemPeer::~MenuItemPeer() {
    UntrackPeer(*this);
    action_->setMenu(static_cast<QMenu*>(nullptr));
    menu_.reset();
    action_.reset();
}

QMenu& MenuItemPeer::Menu() {
    if (!menu_) {
        RequireApplication("showing menu " + owner_.Describe());
        menu_ = std::make_unique<QMenu>();
        menu_->setTitle(EscapeMnemonics(text));
        QObject::connect(menu_.get(), &QMenu::aboutToShow, [] { FromQt([] { RefreshEditItems(); }); });
        for (std::int32_t i = 0; i < owner_.Count(); ++i) {
            MenuItemPeer& child = owner_.Item(i)->Peer();
            if (child.owner_.Count() > 0)
                child.Menu();
            menu_->addAction(&child.Action());
        }
        action_->setMenu(menu_.get());
    }
    return *menu_;
}

void MenuItemPeer::ChildAppended(MenuItem& child) {
    MenuItemPeer& childPeer = child.Peer();
    if (menu_) {
        if (child.Count() > 0)
            childPeer.Menu();
        menu_->addAction(&childPeer.Action());
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // The parent shows as a menu from its first child on.
        Menu();
    }
    for (const QPointer<QMenuBar>& bar : installedIn_) {
        if (bar)
            bar->addAction(&childPeer.Action());
    }
    RefreshEditItems();
}

void MenuItemPeer::InstallIn(QMenuBar& target) {
    installedIn_.removeAll(QPointer<QMenuBar>());
    if (!installedIn_.contains(&target))
        installedIn_.push_back(&target);
    target.clear(); // removes the actions from the widget; the actions stay ours
    for (std::int32_t i = 0; i < owner_.Count(); ++i) {
        MenuItemPeer& child = owner_.Item(i)->Peer();
        if (child.owner_.Count() > 0)
            child.Menu();
        target.addAction(&child.Action());
    }
}

MenuItem* ItemOfAction(const QAction* action) noexcept {
    if (!action)
        return nullptr;
    return static_cast<MenuItem*>(action->property(kItemProperty).value<void*>());
}

void InstallMenuBar(QMenuBar& target, fw::MenuBar& bar) {
    bar.Peer().InstallIn(target);
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

} // namespace detail

MenuItem::MenuItem() : peer_(std::make_unique<detail::MenuItemPeer>(*this)) {}

MenuItem::~MenuItem() {
    for (const Ref<MenuItem>& child : children_)
        child->parent_ = nullptr;
}

std::string MenuItem::Describe() const {
    return "MenuItem '" + name_ + "'";
}

void MenuItem::Constructor() {}

fw::Text MenuItem::Text() const {
    return peer_->text;
}

void MenuItem::SetText(const fw::Text& v) {
    peer_->text = v;
    QAction& action = peer_->Action();
    const bool separator = v == "-";
    action.setSeparator(separator);
    // A separator with text is drawn as a labelled section by some styles: the line alone is wanted.
    action.setText(separator ? QString() : detail::EscapeMnemonics(v));
    if (peer_->HasMenu())
        peer_->Menu().setTitle(detail::EscapeMnemonics(v));
}

fw::Text MenuItem::KeyboardShortcut() const {
    return peer_->shortcut;
}

void MenuItem::SetKeyboardShortcut(const fw::Text& v) {
    const QKeySequence sequence = detail::ShortcutFromText(v); // raises before anything changes
    peer_->shortcut = v;
    peer_->Action().setShortcut(sequence);
}

bool MenuItem::Enabled() const {
    return peer_->Action().isEnabled();
}

void MenuItem::SetEnabled(bool v) {
    peer_->Action().setEnabled(v);
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    MenuItem& child = Require(item, "item appended to " + Describe());
    if (child.parent_)
        throw InvalidArgumentException(child.Describe() + " is already in " + child.parent_->Describe() +
                                       "; it cannot also be appended to " + Describe());
    for (const MenuItem* p = this; p; p = p->parent_) {
        if (p == &child)
            throw InvalidArgumentException(child.Describe() + " cannot be appended below itself");
    }
    children_.push_back(item);
    child.parent_ = this;
    peer_->ChildAppended(child);
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const {
    if (index < 0 || index >= Count())
        throw InvalidArgumentException("item index " + std::to_string(index) + " is out of range for " +
                                       Describe() + ", which has " + std::to_string(Count()) + " items");
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name)
            return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const Ref<MenuItem>& child : children_) {
        if (child->name_ == name)
            return child;
        if (Ref<MenuItem> found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::PopUp() {
    Ref<MenuItem> self(this); // a chosen item's handler may drop the last outside reference
    detail::RequireApplication("popping up " + Describe());
    if (children_.empty())
        return nullptr;
    QAction* picked = peer_->Menu().exec(QCursor::pos());
    return Ref<MenuItem>(detail::ItemOfAction(picked));
}

void MenuItem::Choose() {
    Ref<MenuItem> self(this);
    if (Ref<Application> app = GetAppObject()) {
        if (const std::function<bool()>* handler = app->MenuHandler(name_)) {
            const std::function<bool()> call = *handler; // the handler may rebind while it runs
            if (call())
                return;
        }
    }
    if (Event_Action())
        return;
    detail::Perform(detail::EditCommandNamed(name_));
}

detail::MenuItemPeer& MenuItem::Peer() const {
    return *peer_;
}

AppleMenuItem::AppleMenuItem() {
    Peer().Action().setMenuRole(QAction::AboutRole);
}

QuitMenuItem::QuitMenuItem() {
    Peer().Action().setMenuRole(QAction::QuitRole);
    // Quitting is the application's: its shortcut acts in every window, also one that shows no menu bar.
    Peer().Action().setShortcutContext(Qt::ApplicationShortcut);
}

bool QuitMenuItem::Event_Action() {
    Quit(0);
    return true;
}

} // namespace fw
