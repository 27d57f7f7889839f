#pragma once

#include "framework/qt/graphics_peer.h"

#include <QPainter>

namespace fw::detail {

// The painter a Graphics draws with; it lives for the paint it is lent for.
struct GraphicsPeer::Canvas {
    QPainter& painter;
};

} // namespace fw::detail
