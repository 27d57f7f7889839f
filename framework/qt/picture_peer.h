#pragma once

#include <cstdint>
#include <memory>

namespace fw::detail {

// What a Picture holds on this platform; its image is on the Qt side (picture_image.h).
class PicturePeer {
public:
    struct QtParts;
    explicit PicturePeer(std::unique_ptr<QtParts> parts);
    ~PicturePeer();
    PicturePeer(const PicturePeer&) = delete;
    PicturePeer& operator=(const PicturePeer&) = delete;

    std::int32_t Width() const;
    std::int32_t Height() const;

    QtParts& Parts() const noexcept { return *parts_; }

private:
    std::unique_ptr<QtParts> parts_;
};

} // namespace fw::detail
