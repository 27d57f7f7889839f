#pragma once

#include "framework/image_well.h"
#include "framework/qt/control_peer.h"

namespace fw::detail {

// An ImageWell on this platform: a label that shows its picture centred.
class ImageWellPeer : public ControlPeer {
public:
    explicit ImageWellPeer(ImageWell& owner);
    // The label, typed on the Qt side.
    auto Label() const;

    // Shows picture (nil: nothing).
    void ApplyPicture();

    Ref<Picture> picture;
};

} // namespace fw::detail
