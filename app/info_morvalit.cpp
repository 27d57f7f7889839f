#include "app/info_morvalit.h"

#include "framework/folder_item.h"

namespace {

bool once = false;
fw::Ref<fw::Picture> pic;

} // namespace

fw::Ref<fw::Picture> InfoMorvalit() {
    if (!once) {
        once = true;
        pic = nullptr;
    }
    if (!pic) {
        fw::Ref<fw::FolderItem> resources = fw::GetApplicationBundleResources();
        if (resources) {
            fw::Ref<fw::FolderItem> file = resources->Child("Info Morvalit.jpg");
            pic =
                fw::Require(file, "file \"Info Morvalit.jpg\" in " + resources->NativePath()).OpenAsPicture();
        }
    }
    return pic;
}
