#pragma once

#include <QImage>

namespace fw::detail {

// What a Picture holds on this platform.
class PicturePeer {
public:
    explicit PicturePeer(QImage image) : image(std::move(image)) {}
    QImage image;
};

} // namespace fw::detail
