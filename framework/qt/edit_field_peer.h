#pragma once

#include "framework/edit_field.h"
#include "framework/qt/control_peer.h"

namespace fw::detail {

// The most characters a field with this mask and limit holds.
int FieldMaxLength(const fw::Text& mask, std::int32_t limit);
// A text's length as the field counts it (in UTF-16 units), and its first most units.
long long FieldLength(const fw::Text& text);
fw::Text FieldLeft(const fw::Text& text, int most);

// An EditField on this platform: its line edit and the values of its declared properties.
class EditFieldPeer : public ControlPeer {
public:
    explicit EditFieldPeer(EditField& owner);
    ~EditFieldPeer() override;

    // The line edit, typed on the Qt side.
    auto Field() const;
    bool HasField() const;

    // Through the widget while there is one: it raises TextChange when the text differs.
    void SetText(const fw::Text& v);
    void ApplyLimits();
    void ApplyReadOnly();
    void ApplyPassword();
    void ApplyBorder();
    void ApplyAlignment();
    void ApplyColors();

    bool CanUndo() const;
    bool HasSelection() const;
    void Undo();
    void Cut();
    void Copy();
    // The clipboard's text when the field takes it whole; otherwise the field stays as it was.
    void Paste();
    // Deletes the selection, if any.
    void Clear();

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

private:
    // "TextChange" only when the text really differs from what the field last held.
    void OnChanged(fw::Text now);
};

} // namespace fw::detail
