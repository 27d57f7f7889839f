#include "framework/system.h"

#include "framework/folder_item.h"

#include <QLocale>
#include <QStringList>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace fw {

namespace {

std::map<std::string, std::string, std::less<>>& Translations() {
    static std::map<std::string, std::string, std::less<>> table;
    return table;
}

Ref<SystemClass>& SystemSlot() {
    static Ref<SystemClass> system;
    return system;
}

// Reads "key=text" lines (UTF-8; text runs to the end of the line; '#' starts a comment line).
// A line without '=' is skipped with a warning: a broken translation must not keep the program from starting.
void LoadTranslationFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::fprintf(stderr, "%s:%d: translation line without \"key=\" skipped\n", path.c_str(), number);
            continue;
        }
        Translations()[line.substr(0, eq)] = line.substr(eq + 1);
    }
}

} // namespace

namespace detail {

void StartSystem() {
    if (!SystemSlot())
        SystemSlot() = MakeRef<SystemClass>();
}

void StopSystem() noexcept {
    SystemSlot() = nullptr;
}

// The user's languages, most wanted first ("de_CH", then "de"), each tried as Localizable_<language>.txt in
// the bundle's Resources folder; the first file found supplies the translations.
void LoadTranslationsAtStart() {
    Ref<FolderItem> resources = GetApplicationBundleResources();
    if (!resources)
        return;
    QStringList languages;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(u'-', u'_');
        if (!languages.contains(language))
            languages << language;
        const QString bare = language.section(u'_', 0, 0);
        if (!languages.contains(bare))
            languages << bare;
    }
    for (const QString& language : languages) {
        Ref<FolderItem> file = resources->Child("Localizable_" + language.toStdString() + ".txt");
        if (file && file->Exists() && !file->Directory()) {
            LoadTranslationFile(file->NativePath());
            return;
        }
    }
}

} // namespace detail

fw::Text SystemClass::GetLocalizedString(std::string_view key, std::string_view defaultText) const {
    return SystemGetLocalizedString(*this, key, defaultText);
}

Ref<SystemClass> System() {
    return SystemSlot();
}

fw::Text SystemGetLocalizedString(const SystemClass&, std::string_view key, std::string_view defaultText) {
    const auto& table = Translations();
    if (auto found = table.find(key); found != table.end())
        return found->second;
    return fw::Text(defaultText);
}

void SetTranslation(std::string_view key, std::string_view text) {
    Translations()[std::string(key)] = text;
}

void RemoveTranslation(std::string_view key) {
    auto& table = Translations();
    if (auto found = table.find(key); found != table.end())
        table.erase(found);
}

void ClearTranslations() {
    Translations().clear();
}

} // namespace fw
