#include "framework/qt/static_text_peer.h"

#include "framework/qt/control_widgets.h"

#include <QLabel>

namespace fw::detail {

auto StaticTextPeer::Label() const {
    return static_cast<QLabel*>(Widget());
}

StaticTextPeer::StaticTextPeer(StaticText& owner)
    : ControlPeer(owner, std::make_unique<QtParts>(new QLabel())) {
    Parts().tabFocus = Qt::NoFocus;
    Label()->setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

void StaticTextPeer::ApplyText() {
    if (QLabel* l = Label())
        l->setText(ToQString(text));
}

void StaticTextPeer::ApplyAlignment() {
    if (QLabel* l = Label()) {
        const Qt::Alignment h = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
        l->setAlignment(h | Qt::AlignTop);
    }
}

void StaticTextPeer::ApplyColor() {
    if (QLabel* l = Label()) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ToQColor(color));
        l->setPalette(pal);
    }
}

void StaticTextPeer::ApplyMultiLine() {
    if (QLabel* l = Label())
        l->setWordWrap(multiLine);
}

} // namespace fw::detail
