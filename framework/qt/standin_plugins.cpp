// Until the table of plug-in entry points lands: the one entry the controls use.
#include "framework/plugins.h"
#include "framework/qt/image_well_entry.h"

#include <string>

namespace fw {
void* ResolvedPluginEntrypoint(std::string_view name) {
    if (name == "ImageWell.Image.Set")
        return reinterpret_cast<void*>(&detail::ImageWellImageSet);
    throw NilObjectException("no plug-in entry point '" + std::string(name) + "'");
}
} // namespace fw
