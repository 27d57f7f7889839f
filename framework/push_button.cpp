#include "framework/push_button.h"

#include "framework/qt/push_button_peer.h"

namespace fw {

namespace {

using detail::PushButtonPeer;

PushButtonPeer& P(const PushButton& c) {
    return detail::PeerOf<PushButtonPeer>(c);
}

const PropertyDecl kProperties[] = {
    MORVALIT_FONT_PROPERTIES(PushButton),
    Declare<&PushButton::Default, &PushButton::SetDefault>("Default"),
    Declare<&PushButton::Cancel, &PushButton::SetCancel>("Cancel"),
    Declare<&PushButton::Caption, &PushButton::SetCaption>("Caption"),
};

const EventDecl kEvents[] = {{"Action", kSignatureNone}};

} // namespace

const ClassInfo& PushButton::Class() {
    static const ClassInfo info{"PushButton", &RectControl::Class(), kProperties, kEvents};
    return info;
}

const ClassInfo& PushButton::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> PushButton::CreatePeer() {
    return std::make_unique<PushButtonPeer>(*this);
}

fw::Text PushButton::Caption() const {
    return P(*this).caption;
}

void PushButton::SetCaption(const fw::Text& v) {
    P(*this).caption = v;
    P(*this).ApplyCaption();
}

bool PushButton::Default() const {
    return P(*this).isDefault;
}

void PushButton::SetDefault(bool v) {
    P(*this).isDefault = v;
    P(*this).ApplyDefault();
}

bool PushButton::Cancel() const {
    return P(*this).isCancel;
}

void PushButton::SetCancel(bool v) {
    P(*this).isCancel = v;
}

MORVALIT_FONT_ACCESSORS(PushButton)

void PushButton::Push() {
    P(*this).Push();
}

} // namespace fw
