#pragma once

#include "framework/qt/picture_peer.h"

#include <QImage>

#include <utility>

namespace fw::detail {

// A picture's pixels, as read from its file.
struct PicturePeer::QtParts {
    explicit QtParts(QImage i) : image(std::move(i)) {}

    QImage image;
};

} // namespace fw::detail
