#pragma once

#include "framework/qt/picture_peer.h"

#include <QImage>

namespace fw::detail {

// A picture's pixels, as read from its file.
struct PicturePeer::QtParts {
    QImage image;
};

} // namespace fw::detail
