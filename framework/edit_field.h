#pragma once

#include "framework/control.h"

namespace fw {

// A one-line entry field. Events: "Open", "TextChange" (only when the text really changes) and
// "MouseDown" (x, y in the field; a True answer keeps the press from the field).
class EditField : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    fw::Text Text() const;
    void SetText(const fw::Text& v);
    // A mask of 9s admits only the ASCII digits 0-9, one per 9; the text never holds placeholders.
    fw::Text Mask() const;
    void SetMask(const fw::Text& v);
    // Most characters the field takes; 0 means no limit of its own.
    std::int32_t LimitText() const;
    void SetLimitText(std::int32_t v);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    bool Password() const;
    void SetPassword(bool v);
    bool Border() const;
    void SetBorder(bool v);
    std::int32_t Alignment() const;
    void SetAlignment(std::int32_t v);
    fw::Text TextFont() const;
    void SetTextFont(const fw::Text& v);
    std::int32_t TextSize() const;
    void SetTextSize(std::int32_t v);
    bool Bold() const;
    void SetBold(bool v);
    bool Italic() const;
    void SetItalic(bool v);
    bool Underline() const;
    void SetUnderline(bool v);
    Color TextColor() const;
    void SetTextColor(Color v);
    Color BackColor() const;
    void SetBackColor(Color v);
    // MultiLine, ScrollBarHorizontal, ScrollBarVertical, Styled, UseFocusRing, AcceptTabs, Format,
    // DataSource, DataField: declared and stored only.

    // Clipboard commands on the field, as the Edit menu offers them.
    bool CanUndo() const;
    bool HasSelection() const;
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void Clear();

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

// True while a mouse press being handled is a contextual click (right button; Ctrl-click on macOS).
bool IsContextualClick();

} // namespace fw
