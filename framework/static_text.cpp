#include "framework/static_text.h"

#include "framework/qt/static_text_peer.h"

namespace fw {

namespace {

using detail::StaticTextPeer;

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
    P(*this).ApplyText();
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
    P(*this).ApplyMultiLine();
}

MORVALIT_FONT_ACCESSORS(StaticText)

} // namespace fw
