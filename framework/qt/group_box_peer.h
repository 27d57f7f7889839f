#pragma once

#include "framework/group_box.h"
#include "framework/qt/control_widgets.h"

#include <QGroupBox>

namespace fw::detail {

// A GroupBox on this platform: a frame that other controls of the window can be placed in.
class GroupBoxPeer : public ControlPeer {
public:
    explicit GroupBoxPeer(GroupBox& owner);
    QGroupBox* Box() const { return static_cast<QGroupBox*>(Widget()); }

    void ApplyCaption();

    fw::Text caption;
};

} // namespace fw::detail
