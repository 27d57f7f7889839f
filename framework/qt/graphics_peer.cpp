#include "framework/qt/graphics_peer.h"

#include "framework/qt/bridge.h"
#include "framework/qt/graphics_canvas.h"

namespace fw::detail {

void GraphicsPeer::Fill(int left, int top, int right, int bottom) {
    canvas_->painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), ToQColor(foreColor));
}

} // namespace fw::detail
