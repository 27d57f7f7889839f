#include "framework/group_box.h"

#include "framework/qt/bridge.h"
#include "framework/qt/control_peer.h"

#include <QGroupBox>

namespace fw {

namespace {

class GroupBoxPeer : public detail::ControlPeer {
public:
    explicit GroupBoxPeer(GroupBox& owner) : ControlPeer(owner, new QGroupBox()) {
        tabFocus = Qt::NoFocus;
        holdsControls = true;
    }
    QGroupBox* Box() const { return static_cast<QGroupBox*>(Widget()); }

    fw::Text caption;
};

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
    if (QGroupBox* b = P(*this).Box())
        b->setTitle(detail::EscapeMnemonics(v));
}

MORVALIT_FONT_ACCESSORS(GroupBox)

} // namespace fw
