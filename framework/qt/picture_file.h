#pragma once

#include "framework/picture.h"

#include <string>

namespace fw::detail {

// The picture in the file at path, its format told by its content (a PNG named .jpg is still a picture); nil
// when no image can be read from it. The caller makes sure the file is a regular one: a FIFO or a device
// could block or never end.
Ref<Picture> ReadPicture(const std::string& path);

} // namespace fw::detail
