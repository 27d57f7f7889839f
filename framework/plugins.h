#pragma once

#include "framework/object.h"

#include <string_view>

namespace fw {

class ImageWell;
class Picture;

// Entry points that the layer's controls reach by name, resolved once at start-up (InitPluginEntrypoints).
using ImageWellImageSetEntry = void (*)(ImageWell& well, const Ref<Picture>& picture);

// The entry point resolved under name; raises NilObjectException when the table was not filled or holds no
// entry of that name.
void* ResolvedPluginEntrypoint(std::string_view name);

} // namespace fw
