#include "framework/qt/push_button_peer.h"

#include "framework/qt/control_widgets.h"

#include <QPushButton>

namespace fw::detail {

auto PushButtonPeer::Button() const {
    return static_cast<QPushButton*>(Widget());
}

PushButtonPeer::PushButtonPeer(PushButton& owner)
    : ControlPeer(owner, std::make_unique<QtParts>(new QPushButton())) {
    // Enter and Esc are the window's: a focused button does not take Enter for itself.
    Button()->setAutoDefault(false);
    QObject::connect(Button(), &QPushButton::clicked, Context(),
                     [this] { FromQt([this] { Owner().RaiseEvent("Action"); }); });
}

void PushButtonPeer::ApplyCaption() {
    if (QPushButton* b = Button())
        b->setText(EscapeMnemonics(caption));
}

void PushButtonPeer::ApplyDefault() {
    if (QPushButton* b = Button())
        b->setDefault(isDefault);
}

void PushButtonPeer::Push() {
    QPushButton* b = Button();
    if (b && b->isEnabled() && b->isVisibleTo(b->window()))
        CallIntoQt([b] { b->click(); });
}

} // namespace fw::detail
