#include "framework/group_box.h"

#include "framework/qt/group_box_peer.h"

namespace fw {

namespace {

using detail::GroupBoxPeer;

GroupBoxPeer& P(const GroupBox& c) {
    return detail::PeerOf<GroupBoxPeer>(c);
}

const PropertyDecl kProperties[] = {
    MORVALIT_FONT_PROPERTIES(GroupBox),
};

} // namespace

const ClassInfo& GroupBox::Class() {
    static const ClassInfo info{"GroupBox", &RectControl::Class(), kProperties, {}};
    return info;
}

const ClassInfo& GroupBox::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> GroupBox::CreatePeer() {
    return std::make_unique<GroupBoxPeer>(*this);
}

fw::Text GroupBox::Caption() const {
    return P(*this).caption;
}

void GroupBox::SetCaption(const fw::Text& v) {
    P(*this).caption = v;
    P(*this).ApplyCaption();
}

MORVALIT_FONT_ACCESSORS(GroupBox)

} // namespace fw
