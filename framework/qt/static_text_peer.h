#pragma once

#include "framework/qt/control_widgets.h"
#include "framework/static_text.h"

#include <QLabel>

namespace fw::detail {

// A StaticText on this platform: a plain-text label and the values of its declared properties.
class StaticTextPeer : public ControlPeer {
public:
    explicit StaticTextPeer(StaticText& owner);
    QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

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
