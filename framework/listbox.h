#pragma once

#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

// A list of rows of text cells. Events: "Open", "SortColumn" (column; a True answer stops the sort the
// user asked for) and "CellBackgroundPaint" (handled per class through Event_CellBackgroundPaint).
class Listbox : public RectControl {
public:
    static const ClassInfo& Class();
    const ClassInfo& GetClass() const override;

    void AddRow(const fw::Text& text);
    void DeleteAllRows();
    std::int32_t ListCount() const;
    fw::Text Cell(std::int32_t row, std::int32_t column) const;
    // The column the next Sort uses; -1 none.
    std::int32_t SortedColumn() const;
    void SetSortedColumn(std::int32_t v);
    // Reorders the rows by the text of the sorted column, ascending.
    void Sort();

    // Declared properties with an effect here.
    std::int32_t ColumnCount() const;
    void SetColumnCount(std::int32_t v);
    fw::Text ColumnWidths() const;
    void SetColumnWidths(const fw::Text& v);
    bool HasHeading() const;
    void SetHasHeading(bool v);
    // Tab-separated headings; also the first row's cells when HasHeading is False.
    fw::Text InitialValue() const;
    void SetInitialValue(const fw::Text& v);
    std::int32_t HeadingIndex() const;
    void SetHeadingIndex(std::int32_t v);
    // 0 single, 1 multiple.
    std::int32_t SelectionType() const;
    void SetSelectionType(std::int32_t v);
    bool Border() const;
    void SetBorder(bool v);
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
    // The rest of the declared properties are stored only.

    // Called for every cell before its background is painted, with a Graphics for that one cell. A subclass
    // shades cells here; False lets the list draw the cell's text over the background.
    virtual bool Event_CellBackgroundPaint(Graphics& g, std::int32_t row, std::int32_t column);

protected:
    std::unique_ptr<detail::ControlPeer> CreatePeer() override;
};

} // namespace fw
