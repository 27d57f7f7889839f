#include "framework/qt/whole_paste.h"

#include <QGuiApplication>
#include <QValidator>

namespace fw::detail {

bool TakesWhole(const QLineEdit& field, int from, int to, const QString& text) {
    QString result = field.text();
    result.replace(from, to - from, text);
    if (result.size() > field.maxLength())
        return false;
    int cursor = from + static_cast<int>(text.size());
    const QValidator* validator = field.validator();
    return !validator || validator->validate(result, cursor) != QValidator::Invalid;
}

bool TakesPaste(const QLineEdit& field, QClipboard::Mode mode) {
    const bool replaces = field.hasSelectedText();
    const int from = replaces ? field.selectionStart() : field.cursorPosition();
    const int to = replaces ? field.selectionEnd() : from;
    return TakesWhole(field, from, to, QGuiApplication::clipboard()->text(mode));
}

void PasteWhole(QLineEdit& field) {
    if (TakesPaste(field))
        field.paste();
}

} // namespace fw::detail
