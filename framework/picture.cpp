#include "framework/picture.h"

#include "framework/qt/picture_peer.h"

namespace fw {

Picture::Picture(std::unique_ptr<detail::PicturePeer> peer) : peer_(std::move(peer)) {
    if (!peer_)
        throw InvalidArgumentException("Picture: made without an image");
}

Picture::~Picture() = default;

std::int32_t Picture::Width() const {
    return peer_->Width();
}

std::int32_t Picture::Height() const {
    return peer_->Height();
}

} // namespace fw
