#pragma once

#include <QImage>

#include <cstdint>
#include <utility>

namespace fw::detail {

// What a Picture holds on this platform.
class PicturePeer {
public:
    explicit PicturePeer(QImage image) : image(std::move(image)) {}

    std::int32_t Width() const { return image.width(); }
    std::int32_t Height() const { return image.height(); }

    QImage image;
};

} // namespace fw::detail
