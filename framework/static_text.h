#pragma once

#include "framework/control.h"

namespace fw {

// A label. Events: "Open".
class StaticText : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    fw::Text Text() const;
    void SetText(const fw::Text& v);
    // 0 left, 1 centre, 2 right.
    std::int32_t TextAlign() const;
    void SetTextAlign(std::int32_t v);
    // "System" means the platform's default font; size 0 the platform's default size.
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
    Color TextColor() const;
    void SetTextColor(Color v);
    bool MultiLine() const;
    void SetMultiLine(bool v);
    // DataSource, DataField: declared and stored only.

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

} // namespace fw
