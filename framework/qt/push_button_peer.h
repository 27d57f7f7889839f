#pragma once

#include "framework/push_button.h"
#include "framework/qt/control_peer.h"

namespace fw::detail {

// A PushButton on this platform: its button, which raises Action when clicked, and its declared values.
class PushButtonPeer : public ControlPeer {
public:
    explicit PushButtonPeer(PushButton& owner);
    // The button, typed on the Qt side.
    auto Button() const;

    void ApplyCaption();
    // The look of the window's default button; the window presses it on Enter.
    void ApplyDefault();
    // Clicks the button as the user would, when it is enabled and shown in its window.
    void Push();

    fw::Text caption;
    bool isDefault = false;
    bool isCancel = false;
};

} // namespace fw::detail
