#include "framework/listbox.h"

#include "framework/listbox_parsers.h"
#include "framework/qt/listbox_peer.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fw {

namespace {

using detail::ListboxPeer;

ListboxPeer& P(const Listbox& c) {
    return detail::PeerOf<ListboxPeer>(c);
}

// What the setters refuse.

void CheckColumnCount(const Listbox& list, std::int32_t v) {
    if (v < 1 || v > 256)
        throw OutOfBoundsException(list.Describe() + ": ColumnCount " + std::to_string(v) +
                                   " is not within 1 to 256");
    P(list).LiveRows();
}

void CheckColumnWidths(const Listbox& list, const fw::Text& v) {
    detail::ColumnWidthsIn(list, v);
}

void CheckInitialValue(const Listbox& list, const fw::Text&) {
    P(list).LiveRows();
}

void CheckSelectionType(const Listbox& list, std::int32_t v) {
    if (v != 0 && v != 1)
        throw OutOfBoundsException(list.Describe() + ": SelectionType " + std::to_string(v) +
                                   " is neither 0 (single) nor 1 (multiple)");
}

const PropertyDecl kProperties[] = {
    Declare<&Listbox::ColumnCount, &Listbox::SetColumnCount, &CheckColumnCount>("ColumnCount"),
    Declare<&Listbox::HeadingIndex, &Listbox::SetHeadingIndex>("HeadingIndex"),
    DeclareStored<Listbox>("GridLinesHorizontal", PropertyType::Integer),
    DeclareStored<Listbox>("GridLinesVertical", PropertyType::Integer),
    DeclareStored<Listbox>("DefaultRowHeight", PropertyType::Integer),
    DeclareStored<Listbox>("_ScrollWidth", PropertyType::Integer),
    Declare<&Listbox::SelectionType, &Listbox::SetSelectionType, &CheckSelectionType>("SelectionType"),
    MORVALIT_FONT_PROPERTIES(Listbox),
    Declare<&Listbox::Border, &Listbox::SetBorder>("Border"),
    Declare<&Listbox::HasHeading, &Listbox::SetHasHeading>("HasHeading"),
    DeclareStored<Listbox>("UseFocusRing", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarHorizontal", PropertyType::Boolean),
    DeclareStored<Listbox>("ScrollBarVertical", PropertyType::Boolean),
    DeclareStored<Listbox>("Hierarchical", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDrag", PropertyType::Boolean),
    DeclareStored<Listbox>("EnableDragReorder", PropertyType::Boolean),
    DeclareStored<Listbox>("RequiresSelection", PropertyType::Boolean),
    DeclareStored<Listbox>("ColumnsResizable", PropertyType::Boolean),
    DeclareStored<Listbox>("AutoHideScrollbars", PropertyType::Boolean),
    Declare<&Listbox::ColumnWidths, &Listbox::SetColumnWidths, &CheckColumnWidths>("ColumnWidths"),
    Declare<&Listbox::InitialValue, &Listbox::SetInitialValue, &CheckInitialValue>("InitialValue"),
    DeclareStored<Listbox>("DataSource", PropertyType::String),
    DeclareStored<Listbox>("DataField", PropertyType::String),
};

const EventDecl kEvents[] = {
    {"SortColumn", kSignatureInt},
    {"CellBackgroundPaint", "( Graphics, Int32, Int32 ) as Boolean"},
};

} // namespace

const ClassInfo& Listbox::Class() {
    static const ClassInfo info{"Listbox", &RectControl::Class(), kProperties, kEvents};
    return info;
}

const ClassInfo& Listbox::GetClass() const {
    return Class();
}

std::unique_ptr<detail::ControlPeer> Listbox::CreatePeer() {
    return std::make_unique<detail::ListboxPeer>(*this);
}

bool Listbox::Event_CellBackgroundPaint(Graphics&, std::int32_t, std::int32_t) {
    return false;
}

void Listbox::AddRow(const fw::Text& text) {
    P(*this).AddRow(text);
}

void Listbox::DeleteAllRows() {
    P(*this).ClearRows();
}

std::int32_t Listbox::ListCount() const {
    return P(*this).ListCount();
}

fw::Text Listbox::Cell(std::int32_t row, std::int32_t column) const {
    const ListboxPeer& p = P(*this);
    const std::int32_t rows = p.LiveRowCount();
    const std::int32_t columns = p.LiveColumnCount();
    if (row < 0 || row >= rows || column < 0 || column >= columns)
        throw OutOfBoundsException(Describe() + ": no cell at row " + std::to_string(row) + ", column " +
                                   std::to_string(column) + " (" + std::to_string(rows) + " rows, " +
                                   std::to_string(columns) + " columns)");
    return p.CellText(row, column);
}

std::int32_t Listbox::SortedColumn() const {
    return P(*this).sortedColumn;
}

void Listbox::SetSortedColumn(std::int32_t v) {
    if (v < -1 || v >= ColumnCount())
        throw OutOfBoundsException(Describe() + ": no column " + std::to_string(v) + " to sort on");
    P(*this).sortedColumn = v;
}

void Listbox::Sort() {
    P(*this).SortAgain();
}

std::int32_t Listbox::ColumnCount() const {
    return P(*this).ColumnCount();
}

void Listbox::SetColumnCount(std::int32_t v) {
    CheckColumnCount(*this, v);
    ListboxPeer& p = P(*this);
    p.SetColumns(v);
    if (p.sortedColumn >= v)
        p.sortedColumn = -1;
    p.ApplyColumnWidths();
    p.ApplyHeadingIndex();
}

fw::Text Listbox::ColumnWidths() const {
    return P(*this).columnWidths;
}

void Listbox::SetColumnWidths(const fw::Text& v) {
    std::vector<int> widths = detail::ColumnWidthsIn(*this, v);
    ListboxPeer& p = P(*this);
    p.columnWidths = v;
    p.widths = std::move(widths);
    if (std::any_of(p.widths.begin(), p.widths.end(), [](int w) { return w >= 0; }))
        p.Attach();
    p.ApplyColumnWidths();
}

bool Listbox::HasHeading() const {
    return P(*this).hasHeading;
}

void Listbox::SetHasHeading(bool v) {
    ListboxPeer& p = P(*this);
    p.hasHeading = v;
    if (v)
        p.Attach();
    p.ApplyHasHeading();
}

fw::Text Listbox::InitialValue() const {
    return P(*this).initialValue;
}

void Listbox::SetInitialValue(const fw::Text& v) {
    CheckInitialValue(*this, v);
    ListboxPeer& p = P(*this);
    p.initialValue = v;
    // The initial value is the list's contents: it replaces the rows.
    p.ClearRows();
    if (v.empty())
        return;
    p.Attach();
    bool first = true;
    for (const std::vector<fw::Text>& cells : detail::InitialValueLines(v)) {
        if (first)
            p.SetHeadings(cells);
        if (!first || !p.hasHeading) {
            if (cells.size() == 1 && cells[0].empty())
                continue; // an empty line
            p.AppendCells(cells);
        }
        first = false;
    }
}

std::int32_t Listbox::HeadingIndex() const {
    return P(*this).headingIndex;
}

void Listbox::SetHeadingIndex(std::int32_t v) {
    P(*this).headingIndex = v;
    P(*this).ApplyHeadingIndex();
}

std::int32_t Listbox::SelectionType() const {
    return P(*this).selectionType;
}

void Listbox::SetSelectionType(std::int32_t v) {
    CheckSelectionType(*this, v);
    P(*this).selectionType = v;
    P(*this).ApplySelectionType();
}

bool Listbox::Border() const {
    return P(*this).border;
}

void Listbox::SetBorder(bool v) {
    P(*this).border = v;
    P(*this).ApplyBorder();
}

MORVALIT_FONT_ACCESSORS(Listbox)

} // namespace fw
