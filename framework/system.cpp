#include "framework/system.h"

#include "framework/folder_item.h"
#include "framework/qt/run_state.h"
#include "framework/qt/translations.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string, std::less<>>& Translations() {
    return detail::State().translations;
}

constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr std::size_t kMaxLineBytes = 4 << 10;

// The whole file, or nothing after one warning. Opened without blocking and read only when regular, at most
// one byte past the limit: a pipe or a device named like the file must neither hang the start nor fill
// memory.
std::optional<std::string> ReadTranslationFile(const std::string& path) {
    const char* name = path.c_str();
    const int fd = ::open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "%s: cannot be read (%s); translations not used\n", name, std::strerror(errno));
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fprintf(stderr, "%s: not a regular file; translations not used\n", name);
        return std::nullopt;
    }
    std::string bytes(kMaxFileBytes + 1, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            std::fprintf(stderr, "%s: cannot be read (%s); translations not used\n", name,
                         std::strerror(errno));
            return std::nullopt;
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    if (size > kMaxFileBytes) {
        std::fprintf(stderr, "%s: larger than 1 MiB; not used\n", name);
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

// Reads "key=text" lines (UTF-8, a leading byte-order mark dropped; text runs to the end of the line; '#'
// starts a comment line). A broken line is skipped with a warning: a bad translation must not keep the
// program from starting. A file that is no text of this kind gives no translations at all.
void LoadTranslationFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadTranslationFile(path);
    if (!bytes)
        return;
    std::string_view rest = *bytes;
    if (rest.starts_with("\xFF\xFE") || rest.starts_with("\xFE\xFF") ||
        (rest.size() >= 2 && (rest[0] == '\0' || rest[1] == '\0'))) {
        std::fprintf(stderr, "%s: looks like UTF-16; translations must be UTF-8; not used\n", path.c_str());
        return;
    }
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    std::map<std::string, std::string, std::less<>> found;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.size() > kMaxLineBytes) {
            std::fprintf(stderr, "%s:%d: longer than 4 KiB; not used\n", path.c_str(), number);
            return;
        }
        if (line.empty() || line.front() == '#')
            continue;
        if (!detail::ValidUtf8(line)) {
            std::fprintf(stderr, "%s:%d: not valid UTF-8; line skipped\n", path.c_str(), number);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::fprintf(stderr, "%s:%d: translation line without \"key=\" skipped\n", path.c_str(), number);
            continue;
        }
        found.insert_or_assign(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
    }
    for (auto& [key, text] : found)
        Translations().insert_or_assign(key, std::move(text));
}

} // namespace

namespace detail {

// The user's languages, most wanted first ("de_CH", then "de"), each tried as Localizable_<language>.txt in
// the bundle's Resources folder; the first one there supplies the translations, or none when it is refused.
void LoadTranslationsAtStart() {
    Ref<FolderItem> resources = GetApplicationBundleResources();
    if (!resources)
        return;
    for (const std::string& language : UserLanguages()) {
        Ref<FolderItem> file = resources->Child("Localizable_" + language + ".txt");
        // A name that is there but is no readable regular file (a folder, a broken or looping link) is warned
        // about, not passed over.
        std::error_code ec;
        if (file && fs::exists(fs::symlink_status(file->NativePath(), ec))) {
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
    return detail::State().system;
}

fw::Text SystemGetLocalizedString(const SystemClass&, std::string_view key, std::string_view defaultText) {
    const auto& table = Translations();
    if (auto found = table.find(key); found != table.end())
        return found->second;
    return fw::Text(defaultText);
}

} // namespace fw
