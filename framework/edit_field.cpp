#include "framework/edit_field.h"

#include "framework/qt/bridge.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/field_widget.h"
#include "framework/qt/run_state.h"
#include "framework/qt/whole_paste.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <span>
#include <string>

namespace fw {

namespace {

// The most characters a field with this mask and limit holds.
int MaxLength(const fw::Text& mask, std::int32_t limit) {
    constexpr int kWidgetMost = 32767; // the most a line edit holds
    int most = limit > 0 ? std::min(limit, kWidgetMost) : kWidgetMost;
    if (!mask.empty())
        most = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(most), mask.size()));
    return most;
}

class EditFieldPeer : public detail::ControlPeer {
public:
    explicit EditFieldPeer(EditField& owner) : ControlPeer(owner, new detail::FieldWidget()) {
        static_cast<detail::FieldWidget*>(Field())->peer = this;
        QObject::connect(Field(), &QLineEdit::textChanged, Context(),
                         [this](const QString& t) { detail::FromQt([&] { OnChanged(t); }); });
    }
    ~EditFieldPeer() override {
        if (QLineEdit* f = Field())
            static_cast<detail::FieldWidget*>(f)->peer = nullptr;
    }

    QLineEdit* Field() const { return static_cast<QLineEdit*>(Widget()); }

    // "TextChange" only when the text really differs from what the field last held.
    void OnChanged(const QString& now) {
        fw::Text t = detail::FromQString(now);
        if (t == text)
            return;
        text = std::move(t);
        Owner().RaiseEvent("TextChange");
    }

    int MaxLength() const { return fw::MaxLength(mask, limit); }

    void ApplyLimits() {
        QLineEdit* f = Field();
        if (!f)
            return;
        const QValidator* old = f->validator();
        if (mask.empty()) {
            f->setValidator(nullptr);
        } else {
            // One ASCII digit per position: Qt's input masks admit other scripts' digits and placeholders.
            const QString pattern = QStringLiteral("[0-9]{0,%1}").arg(MaxLength());
            f->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), f));
        }
        delete old;
        f->setMaxLength(MaxLength());
    }

    void ApplyAlignment() {
        if (QLineEdit* f = Field())
            f->setAlignment((alignment == 2   ? Qt::AlignHCenter
                             : alignment == 3 ? Qt::AlignRight
                                              : Qt::AlignLeft) |
                            Qt::AlignVCenter);
    }

    void ApplyColors() {
        if (QLineEdit* f = Field()) {
            QPalette pal = f->palette();
            if (textColorSet)
                pal.setColor(QPalette::Text, detail::ToQColor(textColor));
            if (backColorSet)
                pal.setColor(QPalette::Base, detail::ToQColor(backColor));
            f->setPalette(pal);
        }
    }

    fw::Text text;
    fw::Text mask;
    std::int32_t limit = 0;
    std::int32_t alignment = 0;
    bool readOnly = false;
    bool password = false;
    bool border = true;
    Color textColor{0, 0, 0};
    Color backColor{255, 255, 255};
    bool textColorSet = false;
    bool backColorSet = false;
};

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
        if (static_cast<long long>(detail::ToQString(t).size()) > MaxLength(withMask, limit))
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
            const QString shown = detail::ToQString(r.text);
            const int most = MaxLength(r.mask, r.limit);
            if (p.Field() && shown.size() > most) // the widget cuts its text to a lower limit
                r.text = detail::FromQString(shown.left(most));
        }
    }
    return r;
}

void CheckText(const EditField& field, const fw::Text& v, std::span<const PropertyEntry> earlier) {
    const FieldRules r = RulesAfter(field, earlier);
    if (!r.Admits(v, r.mask))
        throw InvalidArgumentException(field.Describe() + " does not take the text '" + v + "' (mask '" +
                                       r.mask + "', at most " + std::to_string(MaxLength(r.mask, r.limit)) +
                                       " characters)");
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
    EditFieldPeer& p = P(*this);
    if (QLineEdit* f = p.Field())
        detail::CallIntoQt([&] { f->setText(detail::ToQString(v)); }); // raises TextChange when it differs
    else
        p.text = v;
}

fw::Text EditField::Mask() const {
    return P(*this).mask;
}

void EditField::SetMask(const fw::Text& v) {
    CheckMask(*this, v, {});
    EditFieldPeer& p = P(*this);
    p.mask = v;
    detail::CallIntoQt([&] { p.ApplyLimits(); });
}

std::int32_t EditField::LimitText() const {
    return P(*this).limit;
}

void EditField::SetLimitText(std::int32_t v) {
    EditFieldPeer& p = P(*this);
    p.limit = v;
    detail::CallIntoQt([&] { p.ApplyLimits(); }); // the widget cuts a longer text to the limit
}

bool EditField::ReadOnly() const {
    return P(*this).readOnly;
}

void EditField::SetReadOnly(bool v) {
    P(*this).readOnly = v;
    if (QLineEdit* f = P(*this).Field())
        f->setReadOnly(v);
}

bool EditField::Password() const {
    return P(*this).password;
}

void EditField::SetPassword(bool v) {
    P(*this).password = v;
    if (QLineEdit* f = P(*this).Field())
        f->setEchoMode(v ? QLineEdit::Password : QLineEdit::Normal);
}

bool EditField::Border() const {
    return P(*this).border;
}

void EditField::SetBorder(bool v) {
    P(*this).border = v;
    if (QLineEdit* f = P(*this).Field())
        f->setFrame(v);
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
    QLineEdit* f = P(*this).Field();
    return f && f->isUndoAvailable();
}

bool EditField::HasSelection() const {
    QLineEdit* f = P(*this).Field();
    return f && f->hasSelectedText();
}

void EditField::Undo() {
    if (QLineEdit* f = P(*this).Field())
        detail::CallIntoQt([f] { f->undo(); });
}

void EditField::Cut() {
    if (QLineEdit* f = P(*this).Field())
        detail::CallIntoQt([f] { f->cut(); });
}

void EditField::Copy() {
    if (QLineEdit* f = P(*this).Field())
        detail::CallIntoQt([f] { f->copy(); });
}

void EditField::Paste() {
    if (QLineEdit* f = P(*this).Field())
        detail::CallIntoQt([f] { detail::PasteWhole(*f); });
}

void EditField::Clear() {
    QLineEdit* f = P(*this).Field();
    if (f && f->hasSelectedText())
        detail::CallIntoQt([f] { f->del(); });
}

bool IsContextualClick() {
    return detail::State().contextualClick;
}

} // namespace fw
