#include "framework/qt/image_well_peer.h"

#include "framework/qt/picture_peer.h"

#include <QPixmap>

namespace fw::detail {

ImageWellPeer::ImageWellPeer(ImageWell& owner) : ControlPeer(owner, std::make_unique<QtParts>(new QLabel())) {
    Parts().tabFocus = Qt::NoFocus;
    Label()->setAlignment(Qt::AlignCenter);
}

void ImageWellPeer::ApplyPicture() {
    if (QLabel* l = Label()) {
        if (picture)
            l->setPixmap(QPixmap::fromImage(picture->Peer().image));
        else
            l->clear();
    }
}

} // namespace fw::detail
