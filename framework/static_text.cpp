#include "framework/static_text.h"

#include "framework/qt/bridge.h"
#include "framework/qt/control_peer.h"

#include <QLabel>

namespace fw {

namespace {

class StaticTextPeer : public detail::ControlPeer {
public:
    explicit StaticTextPeer(StaticText& owner) : ControlPeer(owner, new QLabel()) {
        tabFocus = Qt::NoFocus;
        Label()->setTextFormat(Qt::PlainText);
        ApplyAlignment();
    }
    QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

    void ApplyAlignment() {
        if (QLabel* l = Label()) {
            const Qt::Alignment h = align == 1   ? Qt::AlignHCenter
                                    : align == 2 ? Qt::AlignRight
                                                 : Qt::AlignLeft;
            l->setAlignment(h | Qt::AlignTop);
        }
    }
    void ApplyColor() {
        if (QLabel* l = Label()) {
            QPalette pal = l->palette();
            pal.setColor(QPalette::WindowText, detail::ToQColor(color));
            l->setPalette(pal);
        }
    }

    fw::Text text;
    std::int32_t align = 0;
    Color color{0, 0, 0};
    bool multiLine = false;
};

StaticTextPeer& P(const StaticText& c) {
    return detail::PeerOf<StaticTextPeer>(c);
}

const PropertyDecl kProperties[] = {
    Declare<&StaticText::TextAlign, &StaticText::SetTextAlign>("TextAlign"),
    MORVALIT_FONT_PROPERTIES(StaticText),
    Declare<&StaticText::MultiLine, &StaticText::SetMultiLine>("MultiLine"),
    Declare<&StaticText::TextColor, &StaticText::SetTextColor>("TextColor"),
    Declare<&StaticText::Text, &StaticText::SetText>("Text"),
    DeclareStored<StaticText>("DataSource", PropertyType::String),
    DeclareStored<StaticText>("DataField", PropertyType::String),
};

} // namespace

const ClassInfo& StaticText::Class() {
    static const ClassInfo info{"StaticText", &RectControl::Class(), kProperties, {}};
    return info;
}

const ClassInfo& StaticText::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> StaticText::CreatePeer() {
    return std::make_unique<StaticTextPeer>(*this);
}

fw::Text StaticText::Text() const {
    return P(*this).text;
}

void StaticText::SetText(const fw::Text& v) {
    P(*this).text = v;
    if (QLabel* l = P(*this).Label())
        l->setText(detail::ToQString(v));
}

std::int32_t StaticText::TextAlign() const {
    return P(*this).align;
}

void StaticText::SetTextAlign(std::int32_t v) {
    P(*this).align = v;
    P(*this).ApplyAlignment();
}

Color StaticText::TextColor() const {
    return P(*this).color;
}

void StaticText::SetTextColor(Color v) {
    P(*this).color = v;
    P(*this).ApplyColor();
}

bool StaticText::MultiLine() const {
    return P(*this).multiLine;
}

void StaticText::SetMultiLine(bool v) {
    P(*this).multiLine = v;
    if (QLabel* l = P(*this).Label())
        l->setWordWrap(v);
}

MORVALIT_FONT_ACCESSORS(StaticText)

} // namespace fw
