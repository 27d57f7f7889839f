#pragma once

#include "framework/control.h"

#include <memory>

namespace fw::detail {

// The font properties that several control classes declare.
struct FontChoice {
    fw::Text family = "System";
    std::int32_t size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A control's rectangle in window content coordinates.
struct Bounds {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 80;
    std::int32_t height = 22;
};

// What a RectControl is on this platform: its widget and the values of its declared properties. The values
// live here, not in the widget, so they read back exactly and outlive the widget (a window's widgets go
// when the window closes, while a control may still be held). The widget side is in control_widgets.h.
class ControlPeer {
public:
    struct QtParts;
    ControlPeer(RectControl& owner, std::unique_ptr<QtParts> parts);
    virtual ~ControlPeer();
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    RectControl& Owner() const noexcept { return owner_; }
    QtParts& Parts() const noexcept { return *parts_; }
    // The widget (nil once the window's widgets are gone), the receiver of its signals and its parent; their
    // types are known only where control_widgets.h is included.
    auto Widget() const noexcept;
    auto Context() noexcept;
    auto Container() const noexcept;

    // Refuses an InitialParent the control cannot be placed in: NilObjectException when no group box of its
    // window has that name, InvalidArgumentException when the box lies inside the control itself.
    void CheckInitialParent(const fw::Text& initialParent) const;
    // Moves the widget into the group box named initialParent or, for an empty name, the window's content.
    void PlaceIn(const fw::Text& initialParent);
    // Whether other's widget sits right in this frame's widget (and so moves with it).
    bool Holds(const ControlPeer& other) const noexcept;

    void ApplyGeometry();
    void ApplyVisible();
    void ApplyEnabled();
    void ApplyHelpTag();
    void ApplyFont();
    void ApplyFocusPolicy();

    // Whether other controls of the window can name this one as their InitialParent and be placed in its
    // widget (a frame).
    bool holdsControls = false;

    Bounds geometry;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool visible = true;
    bool enabled = true;
    fw::Text helpTag;
    fw::Text initialParent;
    FontChoice font;

private:
    RectControl& owner_;
    std::unique_ptr<QtParts> parts_;
};

// The peer of a constructed control; NilObjectException naming the control when it was not constructed.
template <class P = ControlPeer>
P& PeerOf(const RectControl& control) {
    return static_cast<P&>(control.Peer());
}

} // namespace fw::detail

// The five font accessors that StaticText, EditField, PushButton, GroupBox and Listbox share.
#define MORVALIT_FONT_ACCESSORS(C)                                                                           \
    fw::Text C::TextFont() const {                                                                           \
        return detail::PeerOf(*this).font.family;                                                            \
    }                                                                                                        \
    void C::SetTextFont(const fw::Text& v) {                                                                 \
        detail::PeerOf(*this).font.family = v;                                                               \
        detail::PeerOf(*this).ApplyFont();                                                                   \
    }                                                                                                        \
    std::int32_t C::TextSize() const {                                                                       \
        return detail::PeerOf(*this).font.size;                                                              \
    }                                                                                                        \
    void C::SetTextSize(std::int32_t v) {                                                                    \
        detail::PeerOf(*this).font.size = v;                                                                 \
        detail::PeerOf(*this).ApplyFont();                                                                   \
    }                                                                                                        \
    bool C::Bold() const {                                                                                   \
        return detail::PeerOf(*this).font.bold;                                                              \
    }                                                                                                        \
    void C::SetBold(bool v) {                                                                                \
        detail::PeerOf(*this).font.bold = v;                                                                 \
        detail::PeerOf(*this).ApplyFont();                                                                   \
    }                                                                                                        \
    bool C::Italic() const {                                                                                 \
        return detail::PeerOf(*this).font.italic;                                                            \
    }                                                                                                        \
    void C::SetItalic(bool v) {                                                                              \
        detail::PeerOf(*this).font.italic = v;                                                               \
        detail::PeerOf(*this).ApplyFont();                                                                   \
    }                                                                                                        \
    bool C::Underline() const {                                                                              \
        return detail::PeerOf(*this).font.underline;                                                         \
    }                                                                                                        \
    void C::SetUnderline(bool v) {                                                                           \
        detail::PeerOf(*this).font.underline = v;                                                            \
        detail::PeerOf(*this).ApplyFont();                                                                   \
    }

// Their declarations in a class's table of properties.
#define MORVALIT_FONT_PROPERTIES(C)                                                                          \
    Declare<&C::TextFont, &C::SetTextFont>("TextFont"), Declare<&C::TextSize, &C::SetTextSize>("TextSize"),  \
        Declare<&C::Bold, &C::SetBold>("Bold"), Declare<&C::Italic, &C::SetItalic>("Italic"),                \
        Declare<&C::Underline, &C::SetUnderline>("Underline")
