#include "framework/image_well.h"

#include "framework/plugins.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/image_well_entry.h"
#include "framework/qt/picture_peer.h"

#include <QLabel>
#include <QPixmap>

namespace fw {

namespace {

class ImageWellPeer : public detail::ControlPeer {
public:
    explicit ImageWellPeer(ImageWell& owner) : ControlPeer(owner, new QLabel()) {
        tabFocus = Qt::NoFocus;
        Label()->setAlignment(Qt::AlignCenter);
    }
    QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

    Ref<Picture> picture;
};

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
    if (QLabel* l = p.Label()) {
        if (picture)
            l->setPixmap(QPixmap::fromImage(picture->Peer().image));
        else
            l->clear();
    }
}

} // namespace fw
