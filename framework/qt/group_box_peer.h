#pragma once

#include "framework/group_box.h"
#include "framework/qt/control_peer.h"

namespace fw::detail {

// A GroupBox on this platform: a frame that other controls of the window can be placed in.
class GroupBoxPeer : public ControlPeer {
public:
    explicit GroupBoxPeer(GroupBox& owner);
    // The frame, typed on the Qt side.
    auto Box() const;

    void ApplyCaption();

    fw::Text caption;
};

} // namespace fw::detail
