#include "framework/qt/picture_peer.h"

#include "framework/qt/picture_image.h"

#include <utility>

namespace fw::detail {

PicturePeer::PicturePeer(std::unique_ptr<QtParts> parts) : parts_(std::move(parts)) {}

PicturePeer::~PicturePeer() = default;

std::int32_t PicturePeer::Width() const {
    return parts_->image.width();
}

std::int32_t PicturePeer::Height() const {
    return parts_->image.height();
}

} // namespace fw::detail
