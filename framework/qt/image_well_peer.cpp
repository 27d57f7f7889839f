#include "framework/qt/image_well_peer.h"

#include "framework/qt/control_widgets.h"
#include "framework/qt/picture_image.h"

#include <QLabel>
#include <QPixmap>

namespace fw::detail {

auto ImageWellPeer::Label() const {
    return static_cast<QLabel*>(Widget());
}

ImageWellPeer::ImageWellPeer(ImageWell& owner) : ControlPeer(owner, std::make_unique<QtParts>(new QLabel())) {
    Parts().tabFocus = Qt::NoFocus;
    Label()->setAlignment(Qt::AlignCenter);
}

void ImageWellPeer::ApplyPicture() {
    if (QLabel* l = Label()) {
        if (picture)
            l->setPixmap(QPixmap::fromImage(picture->Peer().Parts().image));
        else
            l->clear();
    }
}

} // namespace fw::detail
