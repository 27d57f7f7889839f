#pragma once

#include "framework/control.h"
#include "framework/picture.h"

namespace fw {

// Shows a picture, or nothing. Events: "Open".
class ImageWell : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    Ref<Picture> Image() const;
    // Goes through the plug-in entry point "ImageWell.Image.Set"; nil clears the well.
    void SetImage(const Ref<Picture>& picture);

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

} // namespace fw
