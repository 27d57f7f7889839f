#include "framework/edit_field.h"

#include "framework/qt/edit_field_peer.h"
#include "framework/qt/run_state.h"

#include <algorithm>
#include <span>
#include <string>

namespace fw {

namespace {

using detail::EditFieldPeer;
using detail::FieldMaxLength;

EditFieldPeer& P(const EditField& c) {
    return detail::PeerOf<EditFieldPeer>(c);
}

// What decides whether the field takes a text or a mask: its text, mask and limit, as they are or as the
// entries of a property string set before the one checked leave them.
struct FieldRules {
    fw::Text text;
    fw::Text mask;
    std::int32_t limit = 0;

    bool Admits(const fw::Text& t, const fw::Text& withMask) const {
        if (detail::FieldLength(t) > FieldMaxLength(withMask, limit))
            return false;
        return withMask.empty() ||
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
};

FieldRules RulesAfter(const EditField& field, std::span<const PropertyEntry> earlier) {
    const EditFieldPeer& p = P(field);
    FieldRules r{p.text, p.mask, p.limit};
    for (const PropertyEntry& e : earlier) {
        if (e.decl->name == "Text") {
            r.text = std::get<fw::Text>(e.value);
        } else if (e.decl->name == "Mask") {
            r.mask = std::get<fw::Text>(e.value);
        } else if (e.decl->name == "LimitText") {
            r.limit = std::get<std::int32_t>(e.value);
            const int most = FieldMaxLength(r.mask, r.limit);
            if (p.HasField() &&
                detail::FieldLength(r.text) > most) // the widget cuts its text to a lower limit
                r.text = detail::FieldLeft(r.text, most);
        }
    }
    return r;
}

void CheckText(const EditField& field, const fw::Text& v, std::span<const PropertyEntry> earlier) {
    const FieldRules r = RulesAfter(field, earlier);
    if (!r.Admits(v, r.mask))
        throw InvalidArgumentException(field.Describe() + " does not take the text '" + v + "' (mask '" +
                                       r.mask + "', at most " +
                                       std::to_string(FieldMaxLength(r.mask, r.limit)) + " characters)");
}

void CheckMask(const EditField& field, const fw::Text& v, std::span<const PropertyEntry> earlier) {
    if (!std::all_of(v.begin(), v.end(), [](char c) { return c == '9' || c == '0' || c == '#'; }))
        throw UnsupportedFormatException(field.Describe() + ": mask '" + v +
                                         "' is not made of digit positions (9, 0, #)");
    // A mask that refuses the field's text is refused in turn: the text is not silently thrown away.
    const FieldRules r = RulesAfter(field, earlier);
    if (!r.Admits(r.text, v))
        throw InvalidArgumentException(field.Describe() + ": mask '" + v + "' refuses the field's text '" +
                                       r.text + "'");
}

const PropertyDecl kProperties[] = {
    MORVALIT_FONT_PROPERTIES(EditField),
    Declare<&EditField::LimitText, &EditField::SetLimitText>("LimitText"),
    Declare<&EditField::Alignment, &EditField::SetAlignment>("Alignment"),
    Declare<&EditField::Border, &EditField::SetBorder>("Border"),
    DeclareStored<EditField>("MultiLine", PropertyType::Boolean),
    DeclareStored<EditField>("ScrollBarHorizontal", PropertyType::Boolean),
    DeclareStored<EditField>("ScrollBarVertical", PropertyType::Boolean),
    DeclareStored<EditField>("Styled", PropertyType::Boolean),
    Declare<&EditField::Password, &EditField::SetPassword>("Password"),
    DeclareStored<EditField>("UseFocusRing", PropertyType::Boolean),
    Declare<&EditField::ReadOnly, &EditField::SetReadOnly>("ReadOnly"),
    DeclareStored<EditField>("AcceptTabs", PropertyType::Boolean),
    Declare<&EditField::TextColor, &EditField::SetTextColor>("TextColor"),
    Declare<&EditField::BackColor, &EditField::SetBackColor>("BackColor"),
    Declare<&EditField::Text, &EditField::SetText, &CheckText>("Text"),
    DeclareStored<EditField>("Format", PropertyType::String),
    Declare<&EditField::Mask, &EditField::SetMask, &CheckMask>("Mask"),
    DeclareStored<EditField>("DataSource", PropertyType::String),
    DeclareStored<EditField>("DataField", PropertyType::String),
};

const EventDecl kEvents[] = {
    {"TextChange", kSignatureNone},
    {"MouseDown", kSignatureIntInt},
};

} // namespace

const ClassInfo& EditField::Class() {
    static const ClassInfo info{"EditField", &RectControl::Class(), kProperties, kEvents};
    return info;
}

const ClassInfo& EditField::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> EditField::CreatePeer() {
    return std::make_unique<EditFieldPeer>(*this);
}

fw::Text EditField::Text() const {
    return P(*this).text;
}

void EditField::SetText(const fw::Text& v) {
    CheckText(*this, v, {});
    P(*this).SetText(v); // raises TextChange when it differs
}

fw::Text EditField::Mask() const {
    return P(*this).mask;
}

void EditField::SetMask(const fw::Text& v) {
    CheckMask(*this, v, {});
    EditFieldPeer& p = P(*this);
    p.mask = v;
    p.ApplyLimits();
}

std::int32_t EditField::LimitText() const {
    return P(*this).limit;
}

void EditField::SetLimitText(std::int32_t v) {
    EditFieldPeer& p = P(*this);
    p.limit = v;
    p.ApplyLimits(); // the widget cuts a longer text to the limit
}

bool EditField::ReadOnly() const {
    return P(*this).readOnly;
}

void EditField::SetReadOnly(bool v) {
    P(*this).readOnly = v;
    P(*this).ApplyReadOnly();
}

bool EditField::Password() const {
    return P(*this).password;
}

void EditField::SetPassword(bool v) {
    P(*this).password = v;
    P(*this).ApplyPassword();
}

bool EditField::Border() const {
    return P(*this).border;
}

void EditField::SetBorder(bool v) {
    P(*this).border = v;
    P(*this).ApplyBorder();
}

std::int32_t EditField::Alignment() const {
    return P(*this).alignment;
}

void EditField::SetAlignment(std::int32_t v) {
    P(*this).alignment = v;
    P(*this).ApplyAlignment();
}

Color EditField::TextColor() const {
    return P(*this).textColor;
}

void EditField::SetTextColor(Color v) {
    P(*this).textColor = v;
    P(*this).textColorSet = true;
    P(*this).ApplyColors();
}

Color EditField::BackColor() const {
    return P(*this).backColor;
}

void EditField::SetBackColor(Color v) {
    P(*this).backColor = v;
    P(*this).backColorSet = true;
    P(*this).ApplyColors();
}

MORVALIT_FONT_ACCESSORS(EditField)

bool EditField::CanUndo() const {
    return P(*this).CanUndo();
}

bool EditField::HasSelection() const {
    return P(*this).HasSelection();
}

void EditField::Undo() {
    P(*this).Undo();
}

void EditField::Cut() {
    P(*this).Cut();
}

void EditField::Copy() {
    P(*this).Copy();
}

void EditField::Paste() {
    P(*this).Paste();
}

void EditField::Clear() {
    P(*this).Clear();
}

bool IsContextualClick() {
    return detail::State().contextualClick;
}

} // namespace fw
