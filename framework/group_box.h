#pragma once

#include "framework/control.h"

namespace fw {

// A titled frame that other controls of the window can name as their InitialParent. Events: "Open".
class GroupBox : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    fw::Text Caption() const;
    void SetCaption(const fw::Text& v);
    fw::Text TextFont() const;
    void SetTextFont(const fw::Text& v);
    std::int32_t TextSize() const;
    void SetTextSize(std::int32_t v);
    bool Bold() const;
    void SetBold(bool v);
    bool Italic() const;
    void SetItalic(bool v);
    bool Underline() const;
    void SetUnderline(bool v);

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

} // namespace fw
