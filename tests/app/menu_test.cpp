#include "app/localize.h"
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Kind { Plain, About, Quit };

struct Row {
    const char* parent; // "" for a menu on the bar
    const char* name;
    Kind kind;
    const char* caption;
    const char* shortcut;
    bool autoEnable;
};

// The bar as the user sees it, top down.
const Row kBar[] = {
    {"", "FileMenu", Kind::Plain, "Archivio", "", false},
    {"FileMenu", "ArchivioInfosuMorvalit", Kind::About, "Info su Morvalit", "", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Esci", "Cmd+Q", true},
    {"", "EditMenu", Kind::Plain, "Composizione", "", false},
    {"EditMenu", "EditUndo", Kind::Plain, "Annulla", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu1", Kind::Plain, "-", "", false},
    {"EditMenu", "EditCut", Kind::Plain, "Taglia", "Cmd+X", false},
    {"EditMenu", "EditCopy", Kind::Plain, "Copia", "Cmd+C", false},
    {"EditMenu", "EditPaste", Kind::Plain, "Incolla", "Cmd+V", false},
    {"EditMenu", "EditClear", Kind::Plain, "Cancella", "", false},
};

Kind KindOf(fw::MenuItem& item) {
    if (dynamic_cast<fw::QuitMenuItem*>(&item))
        return Kind::Quit;
    if (dynamic_cast<fw::AppleMenuItem*>(&item))
        return Kind::About;
    return Kind::Plain;
}

// Every item under menu at any depth, each after its parent, with its parent's name.
void Walk(const fw::MenuItem& menu, const std::string& parent,
          std::vector<std::pair<std::string, fw::Ref<fw::MenuItem>>>& items) {
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        items.emplace_back(parent, menu.Item(i));
        Walk(*menu.Item(i), menu.Item(i)->Name(), items);
    }
}

TEST(MenuBar, HoldsTheTenItemsInOrderEachWithItsClassCaptionShortcutAndAutoEnable) {
    std::vector<std::pair<std::string, fw::Ref<fw::MenuItem>>> items;
    Walk(*implicit::Menu(), "", items);
    ASSERT_EQ(items.size(), std::size(kBar));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Row& row = kBar[i];
        fw::MenuItem& item = *items[i].second;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(items[i].first, row.parent);
        EXPECT_EQ(item.Name(), row.name);
        EXPECT_EQ(KindOf(item), row.kind);
        EXPECT_EQ(item.Text(), row.caption);
        EXPECT_EQ(item.KeyboardShortcut(), row.shortcut);
        EXPECT_EQ(item.AutoEnable(), row.autoEnable);
        // The separator shows as a line alone, without its dash beside it.
        const bool separator = std::string(row.caption) == "-";
        EXPECT_EQ(fw::testing::ShowsAsSeparator(item), separator);
        if (separator) {
            EXPECT_EQ(fw::testing::ShownText(item), "");
        }
    }
}

TEST(MenuBar, FailedBuildLeavesTheSlotEmpty) {
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    fw::testing::FailObjectCreations(1);
    EXPECT_THROW(implicit::Menu(), fw::NilObjectException);
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());
    fw::testing::FailObjectCreations(0);
    Menu::_implicitInstance = shared;
}

struct Caption {
    fw::Text (*read)();
    const char* key;
    const char* italian;
};

const Caption kCaptions[] = {
    {Localize::Arch, "Localize.Arch", "Archivio"},
    {Localize::Compos, "Localize.Compos", "Composizione"},
    {Localize::About, "Localize.About", "Info su Morvalit"},
    {Localize::Esci, "Localize.Esci", "Esci"},
    {Localize::Annulla, "Localize.Annulla", "Annulla"},
    {Localize::Taglia, "Localize.Taglia", "Taglia"},
    {Localize::Copia, "Localize.Copia", "Copia"},
    {Localize::Incolla, "Localize.Incolla", "Incolla"},
    {Localize::Cancella, "Localize.Cancella", "Cancella"},
    {Localize::nomefin, "Localize.nomefin", "Morvalit DL"},
    {Localize::matrAzi, "Localize.matrAzi", "Matricola Azienda"},
    {Localize::contrmatazi, "Localize.contrmatazi", "Controllo Matricola Azienda"},
    {Localize::calcCCodice, "Localize.calcCCodice", "Calcola Contro Codice"},
    {Localize::sediinpscorr, "Localize.sediinpscorr", "Sedi INPS corrispondenti"},
    {Localize::versione, "Localize.versione", "Versione"},
    {Localize::PrFree, "Localize.PrFree", "Prodotto Freeware"},
};

// Each caption asks for its own key, spelt exactly, on every read, and is Italian without a translation.
TEST(Captions, EachReadsItsExactKeyAfreshAndFallsBackToItalian) {
    for (const Caption& c : kCaptions) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.read(), c.italian);
        fw::SetTranslation(c.key, "first");
        EXPECT_EQ(c.read(), "first");
        fw::SetTranslation(c.key, "second");
        EXPECT_EQ(c.read(), "second") << "a caption must not be cached";
        fw::RemoveTranslation(c.key);
        EXPECT_EQ(c.read(), c.italian);
    }
}

} // namespace
