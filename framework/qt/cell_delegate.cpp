#include "framework/qt/cell_delegate.h"

#include "framework/listbox.h"
#include "framework/qt/bridge.h"
#include "framework/qt/graphics_canvas.h"

#include <QPainter>

namespace fw::detail {

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (list) {
        Ref<Listbox> keep(list);
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()), Qt::IntersectClip);
        GraphicsPeer::Canvas canvas{*painter};
        const bool ownCell = FromQt([&] {
            Ref<Graphics> g = MakeRef<Graphics>(
                std::make_unique<GraphicsPeer>(canvas, option.rect.width(), option.rect.height()));
            struct EndLoan {
                Graphics& g;
                ~EndLoan() { g.Peer().Invalidate(); } // a Graphics kept past the paint draws nowhere
            } endLoan{*g};
            return keep->Event_CellBackgroundPaint(*g, index.row(), index.column());
        });
        painter->restore();
        if (ownCell)
            return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

} // namespace fw::detail
