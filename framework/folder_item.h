#pragma once

#include "framework/object.h"
#include "framework/picture.h"
#include "framework/text.h"

#include <string_view>

namespace fw {

// A file or folder on disk, existing or not.
class FolderItem : public Object {
public:
    // path is made absolute (against the working folder) and normalised; an empty path raises
    // InvalidArgumentException.
    explicit FolderItem(fw::Text path);

    const fw::Text& NativePath() const noexcept { return path_; }
    fw::Text Name() const;
    bool Exists() const;
    bool Directory() const;
    // The folder that holds this item; nil for the root.
    Ref<FolderItem> Parent() const;
    // The item of that name inside this folder, whether it exists or not; nil for a name that is empty,
    // ".", ".." or holds a path separator.
    Ref<FolderItem> Child(std::string_view name) const;
    // The file's picture; nil for a missing, empty, unreadable or non-image file.
    Ref<Picture> OpenAsPicture() const;

private:
    fw::Text path_;
};

// The running program's executable file.
Ref<FolderItem> ApplicationExecutable();
// The "Resources" folder beside the folder that holds the executable, or nil when there is none.
Ref<FolderItem> GetApplicationBundleResources();

} // namespace fw
