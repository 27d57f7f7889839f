#pragma once

#include "framework/image_well.h"
#include "framework/qt/control_widgets.h"

#include <QLabel>

namespace fw::detail {

// An ImageWell on this platform: a label that shows its picture centred.
class ImageWellPeer : public ControlPeer {
public:
    explicit ImageWellPeer(ImageWell& owner);
    QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

    // Shows picture (nil: nothing).
    void ApplyPicture();

    Ref<Picture> picture;
};

} // namespace fw::detail
