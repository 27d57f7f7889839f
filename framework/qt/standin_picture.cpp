// Until pictures land.
#include "framework/picture.h"
#include "framework/qt/picture_peer.h"

namespace fw {
Picture::Picture(std::unique_ptr<detail::PicturePeer> peer) : peer_(std::move(peer)) {}
Picture::~Picture() = default;
std::int32_t Picture::Width() const {
    return peer_->image.width();
}
std::int32_t Picture::Height() const {
    return peer_->image.height();
}
} // namespace fw
