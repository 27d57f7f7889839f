#pragma once

#include "framework/control.h"

namespace fw {

// A push button. Events: "Open", "Action".
class PushButton : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    fw::Text Caption() const;
    void SetCaption(const fw::Text& v);
    // The default button is pressed by Enter/Return; the cancel button by Esc.
    bool Default() const;
    void SetDefault(bool v);
    bool Cancel() const;
    void SetCancel(bool v);
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

    // Presses the button as a click would (nothing when disabled).
    void Push();

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

} // namespace fw
