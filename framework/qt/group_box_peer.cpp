#include "framework/qt/group_box_peer.h"

#include "framework/qt/control_widgets.h"

#include <QGroupBox>

namespace fw::detail {

auto GroupBoxPeer::Box() const {
    return static_cast<QGroupBox*>(Widget());
}

GroupBoxPeer::GroupBoxPeer(GroupBox& owner) : ControlPeer(owner, std::make_unique<QtParts>(new QGroupBox())) {
    Parts().tabFocus = Qt::NoFocus;
    holdsControls = true;
}

void GroupBoxPeer::ApplyCaption() {
    if (QGroupBox* b = Box())
        b->setTitle(EscapeMnemonics(caption));
}

} // namespace fw::detail
