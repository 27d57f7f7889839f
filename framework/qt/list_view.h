#pragma once

#include "framework/qt/control_widgets.h"
#include "framework/qt/list_model.h"

#include <QTreeView>

namespace fw::detail {

// The widget of a Listbox. The last column takes the rest of the row, also while the heading is hidden (a
// hidden heading never stretches its last section itself).
// The view is given its rows only once it has something to show (see ListboxPeer::Attach): an empty
// one-column list without heading looks the same without them, and hooking a view to its rows is a good
// part of what building a window costs.
class ListView : public PeerWidget<QTreeView> {
public:
    ListView();

    RowModel* const rows;

    bool Attached() const { return model() == rows; }

    // Until then the list has one column (more columns attach it) whose heading section does not exist yet:
    // the width that section would have been stretched to is kept for it.
    int pendingWidth = -1;

    void FillLastColumn();

protected:
    void updateGeometries() override;
};

} // namespace fw::detail
