#include "framework/qt/edit_field_peer.h"

#include "framework/qt/control_widgets.h"
#include "framework/qt/field_widget.h"
#include "framework/qt/whole_paste.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace fw::detail {

int FieldMaxLength(const fw::Text& mask, std::int32_t limit) {
    constexpr int kWidgetMost = 32767; // the most a line edit holds
    int most = limit > 0 ? std::min(limit, kWidgetMost) : kWidgetMost;
    if (!mask.empty())
        most = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(most), mask.size()));
    return most;
}

long long FieldLength(const fw::Text& text) {
    return static_cast<long long>(ToQString(text).size());
}

fw::Text FieldLeft(const fw::Text& text, int most) {
    return FromQString(ToQString(text).left(most));
}

auto EditFieldPeer::Field() const {
    return static_cast<QLineEdit*>(Widget());
}

bool EditFieldPeer::HasField() const {
    return Field() != nullptr;
}

EditFieldPeer::EditFieldPeer(EditField& owner)
    : ControlPeer(owner, std::make_unique<QtParts>(new FieldWidget())) {
    static_cast<FieldWidget*>(Field())->peer = this;
    QObject::connect(Field(), &QLineEdit::textChanged, Context(),
                     [this](const QString& t) { FromQt([&] { OnChanged(FromQString(t)); }); });
}

EditFieldPeer::~EditFieldPeer() {
    if (QLineEdit* f = Field())
        static_cast<FieldWidget*>(f)->peer = nullptr;
}

void EditFieldPeer::OnChanged(fw::Text now) {
    if (now == text)
        return;
    text = std::move(now);
    Owner().RaiseEvent("TextChange");
}

void EditFieldPeer::SetText(const fw::Text& v) {
    if (QLineEdit* f = Field())
        CallIntoQt([&] { f->setText(ToQString(v)); });
    else
        text = v;
}

void EditFieldPeer::ApplyLimits() {
    QLineEdit* f = Field();
    if (!f)
        return;
    CallIntoQt([&] { // a lower limit cuts the text, which raises TextChange
        const int most = FieldMaxLength(mask, limit);
        const QValidator* old = f->validator();
        if (mask.empty()) {
            f->setValidator(nullptr);
        } else {
            // One ASCII digit per position: Qt's input masks admit other scripts' digits and placeholders.
            const QString pattern = QStringLiteral("[0-9]{0,%1}").arg(most);
            f->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), f));
        }
        delete old;
        f->setMaxLength(most);
    });
}

void EditFieldPeer::ApplyReadOnly() {
    if (QLineEdit* f = Field())
        f->setReadOnly(readOnly);
}

void EditFieldPeer::ApplyPassword() {
    if (QLineEdit* f = Field())
        f->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void EditFieldPeer::ApplyBorder() {
    if (QLineEdit* f = Field())
        f->setFrame(border);
}

void EditFieldPeer::ApplyAlignment() {
    if (QLineEdit* f = Field())
        f->setAlignment((alignment == 2   ? Qt::AlignHCenter
                         : alignment == 3 ? Qt::AlignRight
                                          : Qt::AlignLeft) |
                        Qt::AlignVCenter);
}

void EditFieldPeer::ApplyColors() {
    if (QLineEdit* f = Field()) {
        QPalette pal = f->palette();
        if (textColorSet)
            pal.setColor(QPalette::Text, ToQColor(textColor));
        if (backColorSet)
            pal.setColor(QPalette::Base, ToQColor(backColor));
        f->setPalette(pal);
    }
}

bool EditFieldPeer::CanUndo() const {
    QLineEdit* f = Field();
    return f && f->isUndoAvailable();
}

bool EditFieldPeer::HasSelection() const {
    QLineEdit* f = Field();
    return f && f->hasSelectedText();
}

void EditFieldPeer::Undo() {
    if (QLineEdit* f = Field())
        CallIntoQt([f] { f->undo(); });
}

void EditFieldPeer::Cut() {
    if (QLineEdit* f = Field())
        CallIntoQt([f] { f->cut(); });
}

void EditFieldPeer::Copy() {
    if (QLineEdit* f = Field())
        CallIntoQt([f] { f->copy(); });
}

void EditFieldPeer::Paste() {
    if (QLineEdit* f = Field())
        CallIntoQt([f] { PasteWhole(*f); });
}

void EditFieldPeer::Clear() {
    QLineEdit* f = Field();
    if (f && f->hasSelectedText())
        CallIntoQt([f] { f->del(); });
}

} // namespace fw::detail
