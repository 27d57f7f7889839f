#pragma once

#include "framework/object.h"

#include <memory>

namespace fw {

namespace detail {
class PicturePeer;
}

// A decoded picture.
class Picture : public Object {
public:
    explicit Picture(std::unique_ptr<detail::PicturePeer> peer);
    ~Picture() override;

    std::int32_t Width() const;
    std::int32_t Height() const;

    detail::PicturePeer& Peer() const { return *peer_; }

private:
    std::unique_ptr<detail::PicturePeer> peer_;
};

} // namespace fw
