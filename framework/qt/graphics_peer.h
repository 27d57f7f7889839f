#pragma once

#include "framework/graphics.h"

#include <cstdint>

namespace fw::detail {

// A drawing context lent for one paint: the painter (on the Qt side, in graphics_canvas.h) is translated to
// the area's top-left corner and clipped to it. Invalidate() ends the loan; a Graphics kept past it raises
// NilObjectException when drawn on.
class GraphicsPeer {
public:
    struct Canvas;
    GraphicsPeer(Canvas& canvas, std::int32_t width, std::int32_t height) noexcept
        : canvas_(&canvas), width_(width), height_(height) {}

    bool IsLent() const noexcept { return canvas_ != nullptr; }
    std::int32_t Width() const noexcept { return width_; }
    std::int32_t Height() const noexcept { return height_; }
    void Invalidate() noexcept { canvas_ = nullptr; }

    // Fills the pixels from left, top to right, bottom (both included) with foreColor; only while lent.
    void Fill(int left, int top, int right, int bottom);

    Color foreColor{0, 0, 0};

private:
    Canvas* canvas_;
    std::int32_t width_;
    std::int32_t height_;
};

} // namespace fw::detail
