#include "framework/push_button.h"

#include "framework/qt/bridge.h"
#include "framework/qt/control_peer.h"

#include <QPushButton>

namespace fw {

namespace {

class PushButtonPeer : public detail::ControlPeer {
public:
    explicit PushButtonPeer(PushButton& owner) : ControlPeer(owner, new QPushButton()) {
        // Enter and Esc are the window's: a focused button does not take Enter for itself.
        Button()->setAutoDefault(false);
        QObject::connect(Button(), &QPushButton::clicked, Context(),
                         [this] { detail::FromQt([this] { Owner().RaiseEvent("Action"); }); });
    }
    QPushButton* Button() const { return static_cast<QPushButton*>(Widget()); }

    fw::Text caption;
    bool isDefault = false;
    bool isCancel = false;
};

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
    if (QPushButton* b = P(*this).Button())
        b->setText(detail::EscapeMnemonics(v));
}

bool PushButton::Default() const {
    return P(*this).isDefault;
}

void PushButton::SetDefault(bool v) {
    P(*this).isDefault = v;
    if (QPushButton* b = P(*this).Button())
        b->setDefault(v); // the look; the window presses it on Enter
}

bool PushButton::Cancel() const {
    return P(*this).isCancel;
}

void PushButton::SetCancel(bool v) {
    P(*this).isCancel = v;
}

MORVALIT_FONT_ACCESSORS(PushButton)

void PushButton::Push() {
    QPushButton* b = P(*this).Button();
    if (b && b->isEnabled() && b->isVisibleTo(b->window()))
        detail::CallIntoQt([b] { b->click(); });
}

} // namespace fw
