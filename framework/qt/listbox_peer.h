#pragma once

#include "framework/listbox.h"
#include "framework/qt/control_peer.h"

#include <vector>

namespace fw::detail {

class ListView;
class RowModel;

// A Listbox on this platform: its view, its rows, and the values of its declared properties.
class ListboxPeer : public ControlPeer {
public:
    explicit ListboxPeer(Listbox& owner);
    ~ListboxPeer() override;

    // The view and its rows (nil once the window's widgets are gone).
    ListView* Tree() const;
    RowModel* Rows() const;

    // Row operations need the live list.
    RowModel& LiveRows() const;
    // The same, for a change the view shows.
    RowModel& ShownRows();

    // Hooks the view to its rows, before the change that needs them; the heading's sections exist from
    // here on and take the width and sort mark they would have had all along.
    void Attach();

    // Row counts of the list as it is: none and one column once its window is gone.
    std::int32_t ListCount() const;
    std::int32_t ColumnCount() const;
    // Of the live list: raise NilObjectException once its window is gone.
    std::int32_t LiveRowCount() const;
    std::int32_t LiveColumnCount() const;
    fw::Text CellText(std::int32_t row, std::int32_t column) const;
    // Shown: a row whose first cell is text.
    void AddRow(const fw::Text& text);
    // Of the live list, shown only once attached: a row of the first cells that fit the columns.
    void AppendCells(const std::vector<fw::Text>& cells);
    void SetHeadings(const std::vector<fw::Text>& headings);
    void ClearRows();
    // More than one column attaches the view first.
    void SetColumns(std::int32_t count);

    // Sorts again by the sorted column in the last order, if a column is sorted.
    void SortAgain();
    void SortBy(int column, bool inDescendingOrder);
    void OnHeadingClicked(int column);
    void ApplyHeadingIndex();
    void ApplyColumnWidths();
    void ApplyHasHeading();
    void ApplySelectionType();
    void ApplyBorder();

    std::int32_t sortedColumn = -1;
    bool descending = false;
    std::int32_t headingIndex = -1;
    std::int32_t selectionType = 0;
    bool hasHeading = false;
    bool border = true;
    fw::Text columnWidths;
    std::vector<int> widths; // pixels; -1 leaves the column to the list
    fw::Text initialValue;

private:
    Listbox& list_;
};

} // namespace fw::detail
