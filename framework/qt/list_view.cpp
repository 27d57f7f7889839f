#include "framework/qt/list_view.h"

#include <QHeaderView>

namespace fw::detail {

ListView::ListView() : rows(new RowModel(this)) {}

void ListView::FillLastColumn() {
    if (!Attached()) {
        if (viewport()->width() > header()->minimumSectionSize())
            pendingWidth = viewport()->width();
        return;
    }
    const int last = header()->count() - 1;
    const int rest = viewport()->width() - header()->sectionPosition(last);
    if (last >= 0 && rest > header()->minimumSectionSize() && rest != header()->sectionSize(last))
        header()->resizeSection(last, rest);
}

void ListView::updateGeometries() {
    QTreeView::updateGeometries();
    FillLastColumn();
}

} // namespace fw::detail
