#include "framework/image_well.h"

#include "framework/plugins.h"
#include "framework/qt/image_well_entry.h"
#include "framework/qt/image_well_peer.h"

namespace fw {

namespace {

using detail::ImageWellPeer;

ImageWellPeer& P(const ImageWell& c) {
    return detail::PeerOf<ImageWellPeer>(c);
}

} // namespace

const ClassInfo& ImageWell::Class() {
    static const ClassInfo info{"ImageWell", &RectControl::Class(), {}, {}};
    return info;
}

const ClassInfo& ImageWell::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> ImageWell::CreatePeer() {
    return std::make_unique<ImageWellPeer>(*this);
}

Ref<Picture> ImageWell::Image() const {
    return P(*this).picture;
}

void ImageWell::SetImage(const Ref<Picture>& picture) {
    auto entry = reinterpret_cast<ImageWellImageSetEntry>(ResolvedPluginEntrypoint("ImageWell.Image.Set"));
    entry(*this, picture);
}

void detail::ImageWellImageSet(ImageWell& well, const Ref<Picture>& picture) {
    ImageWellPeer& p = P(well);
    p.picture = picture;
    p.ApplyPicture();
}

} // namespace fw
