#pragma once

#include "framework/graphics.h"

#include <QPainter>
#include <QSize>

namespace fw::detail {

// A drawing context lent for one paint: the painter is translated to the area's top-left corner and clipped
// to it. Invalidate() ends the loan; a Graphics kept past it raises NilObjectException when drawn on.
class GraphicsPeer {
public:
    GraphicsPeer(QPainter* painter, QSize size) : painter_(painter), size_(size) {}

    QPainter* Painter() const noexcept { return painter_; }
    QSize Size() const noexcept { return size_; }
    void Invalidate() noexcept { painter_ = nullptr; }

    Color foreColor{0, 0, 0};

private:
    QPainter* painter_;
    QSize size_;
};

} // namespace fw::detail
