#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>

namespace fw::detail {

// A line edit cuts what is inserted to its maximum length before its validator judges what is left, so a
// paste that does not fit would be taken cut short. These judge the whole text first.

// Whether the field takes text whole in place of its characters from..to: no longer than its maximum length
// and not refused by its validator.
bool TakesWhole(const QLineEdit& field, int from, int to, const QString& text);
// Whether the field takes the clipboard's text (mode) whole in place of its selection, or at the cursor.
bool TakesPaste(const QLineEdit& field, QClipboard::Mode mode = QClipboard::Clipboard);
// Pastes the clipboard's text when the field takes it whole; otherwise the field stays exactly as it was.
void PasteWhole(QLineEdit& field);

} // namespace fw::detail
