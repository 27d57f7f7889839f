#include "framework/qt/group_box_peer.h"

namespace fw::detail {

GroupBoxPeer::GroupBoxPeer(GroupBox& owner) : ControlPeer(owner, std::make_unique<QtParts>(new QGroupBox())) {
    Parts().tabFocus = Qt::NoFocus;
    holdsControls = true;
}

void GroupBoxPeer::ApplyCaption() {
    if (QGroupBox* b = Box())
        b->setTitle(EscapeMnemonics(caption));
}

} // namespace fw::detail
