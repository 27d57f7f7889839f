#include "framework/folder_item.h"

#include "framework/qt/event_loop.h"
#include "framework/qt/picture_file.h"
#include "framework/qt/run_state.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace fw {

namespace fs = std::filesystem;

namespace {

fs::path Normal(const fw::Text& path) {
    if (path.empty())
        throw InvalidArgumentException("FolderItem: the path is empty");
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    if (ec)
        throw InvalidArgumentException("FolderItem: no absolute path for \"" + path + "\": " + ec.message());
    p = p.lexically_normal();
    // "/a/b/" names the same item as "/a/b".
    if (!p.has_filename() && p.has_relative_path())
        p = p.parent_path();
    return p;
}

} // namespace

FolderItem::FolderItem(fw::Text path) : path_(Normal(path).string()) {}

fw::Text FolderItem::Name() const {
    return fs::path(path_).filename().string();
}

bool FolderItem::Exists() const {
    std::error_code ec;
    return fs::exists(fs::path(path_), ec);
}

bool FolderItem::Directory() const {
    std::error_code ec;
    return fs::is_directory(fs::path(path_), ec);
}

Ref<FolderItem> FolderItem::Parent() const {
    const fs::path p(path_);
    if (p == p.root_path())
        return nullptr;
    return MakeRef<FolderItem>(p.parent_path().string());
}

Ref<FolderItem> FolderItem::Child(std::string_view name) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
        name.find('\0') != std::string_view::npos)
        return nullptr;
    return MakeRef<FolderItem>((fs::path(path_) / fs::path(std::string(name))).string());
}

Ref<Picture> FolderItem::OpenAsPicture() const {
    // Only a regular file is read: a directory, a FIFO or a device could block or never end.
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(path_), ec) || fs::file_size(fs::path(path_), ec) == 0 || ec)
        return nullptr;
    return detail::ReadPicture(path_);
}

Ref<FolderItem> ApplicationExecutable() {
    if (const std::string& path = detail::State().executableOverride; !path.empty())
        return MakeRef<FolderItem>(path);
    if (const std::string path = detail::ApplicationFilePath(); !path.empty())
        return MakeRef<FolderItem>(path);
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty())
        return nullptr;
    return MakeRef<FolderItem>(self.string());
}

// Nil at any missing step of the walk, never an exception: a missing folder must leave the about window
// without its picture, not end the run from inside the window's Open event.
Ref<FolderItem> GetApplicationBundleResources() {
    Ref<FolderItem> executable = ApplicationExecutable();
    Ref<FolderItem> folder = executable ? executable->Parent() : nullptr;
    Ref<FolderItem> bundle = folder ? folder->Parent() : nullptr;
    Ref<FolderItem> resources = bundle ? bundle->Child("Resources") : nullptr;
    if (!resources || !resources->Directory())
        return nullptr;
    return resources;
}

} // namespace fw
