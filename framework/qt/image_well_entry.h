#pragma once

#include "framework/image_well.h"

namespace fw::detail {

// The implementation behind the plug-in entry point "ImageWell.Image.Set": shows picture in the well (nil
// clears it).
void ImageWellImageSet(ImageWell& well, const Ref<Picture>& picture);

} // namespace fw::detail
