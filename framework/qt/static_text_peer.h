#pragma once

#include "framework/qt/control_peer.h"
#include "framework/static_text.h"

namespace fw::detail {

// A StaticText on this platform: a plain-text label and the values of its declared properties.
class StaticTextPeer : public ControlPeer {
public:
    explicit StaticTextPeer(StaticText& owner);
    // The label, typed on the Qt side.
    auto Label() const;

    void ApplyText();
    void ApplyAlignment();
    void ApplyColor();
    void ApplyMultiLine();

    fw::Text text;
    std::int32_t align = 0;
    Color color{0, 0, 0};
    bool multiLine = false;
};

} // namespace fw::detail
