#pragma once

#include "framework/graphics.h"
#include "framework/qt/bridge.h"

#include <QPainter>
#include <QSize>

namespace fw::detail {

// A drawing context lent for one paint: the painter is translated to the area's top-left corner and clipped
// to it. Invalidate() ends the loan; a Graphics kept past it raises NilObjectException when drawn on.
class GraphicsPeer {
public:
    GraphicsPeer(QPainter* painter, QSize size) : painter_(painter), size_(size) {}

    bool IsLent() const noexcept { return painter_ != nullptr; }
    std::int32_t Width() const noexcept { return size_.width(); }
    std::int32_t Height() const noexcept { return size_.height(); }
    void Invalidate() noexcept { painter_ = nullptr; }

    // Fills the pixels from left, top to right, bottom (both included) with foreColor; only while lent.
    void Fill(int left, int top, int right, int bottom) {
        painter_->fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), ToQColor(foreColor));
    }

    Color foreColor{0, 0, 0};

private:
    QPainter* painter_;
    QSize size_;
};

} // namespace fw::detail
